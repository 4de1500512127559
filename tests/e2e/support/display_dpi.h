// The dpi that Wine gives every program started while the object lives (LogPixels of the
// current user's desktop; programs already running keep theirs). The value found before is put
// back, or removed again when there was none, when the object goes: the prefix is shared.
#pragma once

#include <string>

namespace e2e {

class DisplayDpi {
  public:
    // scratchFile receives the registry query's output.
    DisplayDpi(int dpi, const std::string& scratchFile);
    ~DisplayDpi();
    DisplayDpi(const DisplayDpi&) = delete;
    DisplayDpi& operator=(const DisplayDpi&) = delete;

    bool set() const { return set_; }

  private:
    int previous_ = 0;  // 0: there was no value
    bool set_ = false;
};

}  // namespace e2e
