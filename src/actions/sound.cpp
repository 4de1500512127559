#include "actions/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "actions/sound_rule.h"
#include "config/settings.h"
#include "win/system_library.h"

namespace lumora {
namespace {

using SoundPlayer = BOOL(WINAPI*)(LPCSTR, UINT);

// winmm is loaded on the first sound, not at start (its loading alone costs a noticeable part of
// the start-up), and only from the system folder. It stays loaded until the process ends: an
// asynchronous sound may still be playing.
SoundPlayer Player() {
    static const SoundPlayer player = SystemFunction<SoundPlayer>("winmm.dll", "sndPlaySoundA");
    return player;
}

void Play(const std::optional<std::string>& file, UINT flags) {
    const std::string* sound = SoundToPlay(file, Settings());
    if (!sound) {
        return;
    }
    if (SoundPlayer play = Player()) {
        play(sound->c_str(), flags);
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
