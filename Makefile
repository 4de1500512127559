# Lumora: build and test entry points. `make` builds the program and the kit, `make check` runs
# every test, `make demo` shows the demo disc.
SHELL := /bin/bash
NATIVE := build/native
NATIVE32 := build/native32
WINDOWS := build/win
WINDOWS64 := build/win64
WASM := build/wasm
CMAKE_NATIVE := cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
CMAKE_NATIVE32 := cmake -S . -B $(NATIVE32) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_TOOLCHAIN_FILE=cmake/native-i386.cmake
CMAKE_WINDOWS := cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
CMAKE_WASM := cmake -S . -B $(WASM) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake
CMAKE_WINDOWS64 := cmake -S . -B $(WINDOWS64) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

.PHONY: all program deps native native32 windows windows64 wasm build check unit unit32 wintest e2e fuzz bench demo demo-iso browser-test format clean

all: program

# What a disc author needs, and no test: lumora.exe with its help program LNCHHLP.EXE (build/win),
# the kit (build/native/lumora-disc) and the core for its page (build/wasm); where this machine's
# Wine runs only 64-bit programs, also their 64-bit build (build/win64) that `lumora-disc run`
# shows a disc with.
program: wasm
	@test -f $(NATIVE)/build.ninja || $(CMAKE_NATIVE)
	cmake --build $(NATIVE) --target lumora-disc
	@test -f $(WINDOWS)/build.ninja || $(CMAKE_WINDOWS)
	cmake --build $(WINDOWS) --target lumora lnchhlp
	@. scripts/wine-setup.sh; [ "$$LUMORA_WINE_ARCH" = win32 ] || { \
		test -f $(WINDOWS64)/build.ninja || $(CMAKE_WINDOWS64); \
		cmake --build $(WINDOWS64) --target lumora lnchhlp; }

deps:
	scripts/install-deps.sh

native:
	@test -f $(NATIVE)/build.ninja || $(CMAKE_NATIVE)
	cmake --build $(NATIVE)

# The core's unit tests and fuzz targets as 32-bit code (i686), as wide as in lumora.exe.
native32:
	@test -f $(NATIVE32)/build.ninja || $(CMAKE_NATIVE32)
	cmake --build $(NATIVE32)

windows:
	@test -f $(WINDOWS)/build.ninja || $(CMAKE_WINDOWS)
	cmake --build $(WINDOWS)

build: native windows wasm

# The core as a WebAssembly module for the disc's page in the browser (clang's wasm32-wasi target).
wasm:
	@test -f $(WASM)/build.ninja || $(CMAKE_WASM)
	cmake --build $(WASM)

# The same sources as 64-bit Windows programs: what the Windows tests run on a machine whose
# kernel runs no 32-bit code.
windows64:
	@test -f $(WINDOWS64)/build.ninja || $(CMAKE_WINDOWS64)
	cmake --build $(WINDOWS64)

# Every test level, then one closing line with the totals.
check: deps
	scripts/check.sh

unit: native
	scripts/check.sh unit

unit32: native32
	scripts/check.sh unit32

wintest: windows
	scripts/check.sh win

e2e: build
	scripts/check.sh e2e

fuzz: native
	scripts/check.sh fuzz

bench: native
	scripts/check.sh bench

# The demo disc in Lumora, on this display or, without one, on a virtual one.
demo: deps program
	$(NATIVE)/lumora-disc run demo/disc

# The demo disc as a CD image, with its help program and lumora.exe (as it ships, i686, which
# the kit takes from the build beside it).
demo-iso: deps program
	rm -rf build/demo-iso-disc && mkdir -p build/demo-iso-disc
	cp -r demo/disc/. build/demo-iso-disc/
	cp $(WINDOWS)/demo/LNCHHLP.EXE build/demo-iso-disc/
	$(NATIVE)/lumora-disc iso build/demo-iso-disc -o build/demo.iso --label LUMORA_DEMO

# The preview page of lumora-disc and the page on the WebAssembly core in Debian's chromium,
# headless (chromium-driver, selenium).
browser-test: native wasm
	bash tests/disc/browser_test.sh $(NATIVE)/lumora-disc . $(WASM)/lumora_page.wasm

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
