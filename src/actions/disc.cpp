#include "actions/disc.h"

#include "actions/install_root.h"
#include "win/message_box.h"
#include "config/settings.h"
#include "resource.h"

namespace lumora {
namespace {

bool VolumeHasLabel(const std::string& root, const std::string& label) {
    char volumeLabel[256] = {};
    if (!::GetVolumeInformationA(root.c_str(), volumeLabel, sizeof volumeLabel, nullptr, nullptr,
                                 nullptr, nullptr, 0)) {
        return false;
    }
    return ::lstrcmpiA(volumeLabel, label.c_str()) == 0;
}

}  // namespace

int FindVolumeByLabel(const std::string& label) {
    const std::optional<StringList>& install = Settings().install;
    if (install && !install->empty()) {
        std::optional<std::string> root = InstallRoot(install->front());
        if (root && VolumeHasLabel(*root, label)) {
            return -1;
        }
    }
    // Drives A: and B: are never probed.
    std::string root = "A:\\";
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        root[0] = letter;
        UINT type = ::GetDriveTypeA(root.c_str());
        if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR) {
            continue;
        }
        if (VolumeHasLabel(root, label)) {
            return letter;
        }
    }
    return 0;
}

BOOL EnsureDisk(HWND owner, const StringList* requirement, int& slot) {
    if (!requirement || requirement->size() < 2) {
        return TRUE;
    }
    for (;;) {
        slot = FindVolumeByLabel((*requirement)[0]);
        if (slot != 0) {
            return TRUE;
        }
        const int answer =
            ShowFormattedMessage(owner, IDS_MSG_INSERT_DISK, (*requirement)[1].c_str(),
                                 MB_RETRYCANCEL | MB_ICONEXCLAMATION);
        // A box that could not be shown (answer 0) ends the search too: asking again would
        // spin for ever without anyone to answer.
        if (answer == IDCANCEL || answer == 0) {
            return FALSE;
        }
    }
}

}  // namespace lumora
