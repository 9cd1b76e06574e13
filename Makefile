# « make run » lance Velmor, « make test » passe tous les tests (bureau, sans Qt, puis sous node) ; « make web »
# construit le cœur et l'outil pour le navigateur ; « make bench » mesure ses performances et
# « make fuzz SECONDES=30 » lance chaque cible libFuzzer.
.PHONY: run test web bench fuzz dependances dependances-web

SECONDES ?= 30

dependances:
	./scripts/installer-dependances.sh

dependances-web:
	./scripts/installer-dependances.sh web

run: dependances
	cmake --preset dev
	cmake --build --preset dev
	./build/dev/app/velmor

# L'outil de node est comparé à celui du bureau : dev avant web.
test: dependances-web
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset sans-qt
	cmake --build --preset sans-qt
	ctest --preset sans-qt
	cmake --preset web
	cmake --build --preset web
	ctest --preset web

web: dependances-web
	cmake --preset web
	cmake --build --preset web

bench: dependances
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/velmor_bench
	./bench/analyse-ecole.sh build/bench
	./bench/demarrage.sh build/bench

fuzz: dependances
	./scripts/fuzz.sh $(SECONDES)
