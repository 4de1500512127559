// The pictures read from the disc, kept across screens: a file named by several regions or
// screens is read and held once, within a memory budget. The shown screen borrows its pictures
// from here; a picture it holds stays alive (with its palette) however the cache changes.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "imaging/cdib.h"
#include "screens/picture_budget.h"
#include "config/file_stamp.h"

namespace lumora {

class PictureCache {
  public:
    explicit PictureCache(size_t limit = PictureBudget::kDefaultLimit) : budget_(limit) {}

    // The picture of the file at path (paths compare without regard to case, as Windows does):
    // the one held while its file is unchanged or can no longer be found, else the file read
    // now. With withDoubleSize the author's 2x picture is looked for too, once per picture
    // read. A file that fails to load gives an empty picture of its own, which is not held and
    // is tried again on the next request: a setup may install it meanwhile.
    std::shared_ptr<const CDib> Get(const std::string& path, bool withDoubleSize);
    // Looks for the author's 2x picture of a picture from here, unless it was looked for.
    void LookForDoubleSize(const CDib* picture);

    // Lets go of the oldest pictures that nothing else holds until the others fit the budget;
    // false when those held still fill it.
    bool Trim();
    size_t heldBytes() const { return budget_.total(); }

  private:
    struct Entry {
        std::string path;
        std::shared_ptr<CDib> picture;
        FileStamp stamp;
        bool doubleSizeLookedFor = false;
    };
    void LookForDoubleSize(const std::string& key, Entry& entry);

    std::map<std::string, Entry> pictures_;  // by upper-cased path
    PictureBudget budget_;
};

}  // namespace lumora
