#include "screens/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "config/settings.h"

namespace lumora {
namespace {

void Play(const std::optional<std::string>& file, UINT flags) {
    if (file && Settings().useSound) {
        ::sndPlaySoundA(file->c_str(), flags);
    }
}

}  // namespace

void PlaySoundAsync(const std::optional<std::string>& file) {
    Play(file, SND_ASYNC | SND_NODEFAULT | SND_NOSTOP);
}

void PlaySoundSync(const std::optional<std::string>& file) {
    Play(file, SND_SYNC | SND_NODEFAULT | SND_NOSTOP);
}

}  // namespace lumora
