// Whether a sound file is a WAV that the sound player plays: RIFF, WAVE, PCM samples. Portable.
#pragma once

#include <optional>
#include <string>

namespace lumora::disc {

// Nothing when the file is a PCM WAV; otherwise why not ("not a RIFF WAVE file", ...).
std::optional<std::string> WaveProblem(const std::string& path);

}  // namespace lumora::disc
