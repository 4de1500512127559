// The region pictures of one screen: a file named by several regions is read and held once.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "imaging/cdib.h"

namespace lumora {

class PictureCache {
  public:
    // The picture of the file at path, loaded on its first request and shared by every later one
    // that names the same file (paths compare without regard to case, as Windows does). A file
    // that fails to load gives an empty picture of its own and is tried again on the next
    // request: a region reloaded after a setup finds a picture the setup has just installed.
    std::shared_ptr<const CDib> Get(const std::string& path);

    // Authors' 2x pictures serve even display scales only, so they are looked for once the
    // scale is even: for the pictures held now and for every one loaded later.
    void LookForDoubleSizes();

  private:
    struct Entry {
        std::string path;
        std::shared_ptr<CDib> picture;
    };
    std::map<std::string, Entry> pictures_;  // by upper-cased path
    bool lookForDoubleSizes_ = false;
};

}  // namespace lumora
