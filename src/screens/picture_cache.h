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

  private:
    std::map<std::string, std::shared_ptr<const CDib>> pictures_;  // by upper-cased path
};

}  // namespace lumora
