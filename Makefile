# « make run » lance Velmor, « make test » passe tous les tests (bureau, sans Qt, sous node, puis la page dans
# chromium) ; « make web » construit le cœur, l'outil et la page (build/web/site) pour le navigateur ;
# « make bench » mesure ses performances et « make fuzz SECONDES=30 » lance chaque cible libFuzzer.
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
	npm ci --prefix tests/navigateur --no-audit --no-fund
	node --test tests/navigateur/

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
