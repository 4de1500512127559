# Lumora: build and test entry points. `make check` runs every test; `make demo` shows the demo disc.
NATIVE := build/native
WINDOWS := build/win
CMAKE_NATIVE := cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
CMAKE_WINDOWS := cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

.PHONY: all deps native windows build check unit wintest e2e fuzz bench demo format clean

all: build

deps:
	scripts/install-deps.sh

native:
	@test -f $(NATIVE)/build.ninja || $(CMAKE_NATIVE)
	cmake --build $(NATIVE)

windows:
	@test -f $(WINDOWS)/build.ninja || $(CMAKE_WINDOWS)
	cmake --build $(WINDOWS)

build: native windows

# Every test level, then one closing line with the totals.
check: deps
	scripts/check.sh

unit: native
	scripts/check.sh unit

wintest: windows
	scripts/check.sh win

e2e: build
	scripts/check.sh e2e

fuzz: native
	scripts/check.sh fuzz

bench: native
	scripts/check.sh bench

# The demo disc in Lumora, on this display or, without one, on a virtual one.
demo: deps windows
	scripts/run-demo.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
