# Lumora: build and test entry points. `make check` runs every test; `make demo` shows the demo disc.
SHELL := /bin/bash
NATIVE := build/native
WINDOWS := build/win
WINDOWS64 := build/win64
WASM := build/wasm
CMAKE_NATIVE := cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
CMAKE_WINDOWS := cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
CMAKE_WASM := cmake -S . -B $(WASM) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake
CMAKE_WINDOWS64 := cmake -S . -B $(WINDOWS64) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

.PHONY: all deps native windows windows64 wasm build check unit wintest e2e fuzz bench demo demo-iso browser-test format clean

all: build

deps:
	scripts/install-deps.sh

native:
	@test -f $(NATIVE)/build.ninja || $(CMAKE_NATIVE)
	cmake --build $(NATIVE)

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
	@. scripts/wine-setup.sh; [ "$$LUMORA_WINE_ARCH" = win32 ] || $(MAKE) --no-print-directory windows64
	scripts/run-demo.sh

# The demo disc as a CD image, with lumora.exe (as it ships, i686) and its help program.
demo-iso: deps native windows
	rm -rf build/demo-iso-disc && mkdir -p build/demo-iso-disc
	cp -r demo/disc/. build/demo-iso-disc/
	cp $(WINDOWS)/lumora.exe $(WINDOWS)/demo/LNCHHLP.EXE build/demo-iso-disc/
	$(NATIVE)/lumora-disc iso build/demo-iso-disc -o build/demo.iso --label LUMORA_DEMO

# The preview page of lumora-disc and the page on the WebAssembly core in Debian's chromium,
# headless (chromium-driver, selenium).
browser-test: native wasm
	bash tests/disc/browser_test.sh $(NATIVE)/lumora-disc . $(WASM)/lumora_page.wasm

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
