// What is read of the disc's screens and kept across screen changes: the INI file's sections
// while the file is unchanged, and the pictures, shared by path within a memory budget. Every
// screen is read through it, so that showing a screen read ahead opens no file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/held_sections.h"
#include "config/private_profile_reader.h"
#include "screens/picture_cache.h"

namespace lumora {

class ScreenStore {
  public:
    explicit ScreenStore(size_t pictureLimit = PictureBudget::kDefaultLimit);
    ScreenStore(const ScreenStore&) = delete;
    ScreenStore& operator=(const ScreenStore&) = delete;

    // The INI file's sections, as held when the file was unchanged at the last look.
    const IniReader& ini() const { return sections_; }
    // Looks whether the INI file changed, once for all that showing a screen reads.
    void CheckIniFile() { sections_.CheckFile(); }
    PictureCache& pictures() { return pictures_; }

    // Another screen is shown, and where it leads is to be read: what was read ahead for the
    // last one may go now, oldest first, when the budget needs the room.
    void NewPlan();
    // Reads a screen's sections and pictures ahead (its authors' 2x pictures too when asked)
    // and keeps them for the shown screen; false when the budget has no room left.
    bool Preload(const std::string& name, bool withDoubleSizes);

  private:
    PrivateProfileReader profile_;
    HeldSections sections_;  // reads through profile_: declared after it
    PictureCache pictures_;
    // Read ahead for the shown screen: in use, so the budget keeps them.
    std::vector<std::shared_ptr<const CDib>> plan_;
};

}  // namespace lumora
