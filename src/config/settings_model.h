// The program settings that section "Config" gives, read from its entries: lumora.exe reads them
// through the private-profile functions, the preview page from the disc's text. Portable.
#pragma once

#include "config/model_context.h"
#include "config/program_settings.h"
#include "config/section_entries.h"
#include "config/section_keys.h"

namespace lumora {

// Fills settings from the entries of section "Config". The switches are on for any number but 0
// and off when missing. Install is read before the sound paths are expanded, so that they may
// use %i. "BalloonDelay" replaces the delay in settings only when it is present.
void ReadProgramSettings(const SectionEntries& config, const ModelContext& context,
                         ProgramSettings& settings);

// The keys ReadProgramSettings reads.
KeyReads ProgramSettingKeys();

}  // namespace lumora
