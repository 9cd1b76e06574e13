# Deux commandes suffisent : « make run » lance Velmor, « make test » passe tous les tests.
.PHONY: run test dependances

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
