# « make run » lance Velmor, « make test » passe tous les tests ; « make bench » mesure ses performances et
# « make fuzz SECONDES=30 » lance chaque cible libFuzzer.
.PHONY: run test bench fuzz dependances

SECONDES ?= 30

dependances:
	./scripts/installer-dependances.sh

run: dependances
	cmake --preset dev
	cmake --build --preset dev
	./build/dev/app/velmor

test: dependances
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

bench: dependances
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/velmor_bench
	./bench/analyse-ecole.sh build/bench
	./bench/demarrage.sh build/bench

fuzz: dependances
	./scripts/fuzz.sh $(SECONDES)
