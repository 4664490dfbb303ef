# The commands of the README: `make run`, `make test` and `make deb`; the longer checks `make fuzz`
# and `make soak`.
JOBS ?= $(shell nproc)
FUZZ_SEKUNDEN ?= 60
SOAK_EREIGNISSE ?= 100000

.PHONY: run test bench deb fuzz soak deps format clean

deps:
	@scripts/abhaengigkeiten.sh

build/release/CMakeCache.txt: | deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release

build/debug/CMakeCache.txt: | deps
	cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug

run: deps build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS) --target korvalt
	cd build/release && ./korvalt $(ARGS)

test: deps build/debug/CMakeCache.txt
	cmake --build build/debug -j $(JOBS)
	cd build/debug && ctest --output-on-failure -j $(JOBS)

bench: deps build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS)
	cd build/release && for b in bench/bench_*; do ./$$b; done

# The Debian package korvalt_<version>_amd64.deb in build/release, from a release build.
deb: deps build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS)
	cd build/release && cpack -G DEB

# Each fuzz target for FUZZ_SEKUNDEN seconds (clang is installed when missing).
fuzz:
	JOBS=$(JOBS) scripts/fuzz.sh $(FUZZ_SEKUNDEN)

# The soak test: SOAK_EREIGNISSE random events on the real window, offscreen.
soak: deps build/debug/CMakeCache.txt
	cmake --build build/debug -j $(JOBS) --target dauerlauf
	cd build/debug && QT_QPA_PLATFORM=offscreen tests/dauerlauf $(SOAK_EREIGNISSE)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
