// What the probe and its hook DLL agree on: the probe writes a query into a named shared block and
// sends the registered message; the hook answers from inside the target program into the same
// block.
#pragma once

#define LUMORA_HOOK_MESSAGE "LumoraProbeHookQuery"
#define LUMORA_HOOK_MAPPING "LumoraProbeHookBlock"
#define LUMORA_HOOK_BLOCK_SIZE 4096
