// The launcher's sounds: WAV files named in the INI file, played only while "UseSound" is on.
#pragma once

#include <optional>
#include <string>

namespace lumora {

// Starts the sound and returns; a sound that is still playing is not cut off (the new one is
// then not played).
void PlaySoundAsync(const std::optional<std::string>& file);

// Plays the sound to its end before returning.
void PlaySoundSync(const std::optional<std::string>& file);

}  // namespace lumora
