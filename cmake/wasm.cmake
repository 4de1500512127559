# The WebAssembly build: the portable core and the page's module over it, for the kit's page in
# the browser. Small and quick to build: no exceptions, every function in its own section.
set(LUMORA_LEAN -Oz -fno-exceptions -ffunction-sections -fdata-sections)
target_compile_options(lumora_core PRIVATE ${LUMORA_LEAN})
add_subdirectory(tools/lumora-disc/web)
