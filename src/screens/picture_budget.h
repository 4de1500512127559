// The memory that the pictures kept across screens may take: a ledger of the pictures held, by
// key, with their sizes and the order of their last use. Over the limit, the oldest go first;
// pictures in use (by the shown screen, or read ahead for the screens it leads to) stay, since
// letting them go would free nothing. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumora {

class PictureBudget {
  public:
    static constexpr size_t kDefaultLimit = size_t{64} << 20;

    explicit PictureBudget(size_t limit = kDefaultLimit) : limit_(limit) {}

    // The picture was read or asked for just now: it becomes the newest, at this size.
    void Use(const std::string& key, size_t bytes);
    // Its size changed (a 2x picture joined it); its age stays.
    void Resize(const std::string& key, size_t bytes);
    void Forget(const std::string& key);

    // The pictures to let go, oldest first, until the total fits the limit; those that `inUse`
    // names stay however old they are.
    std::vector<std::string> Excess(const std::function<bool(const std::string&)>& inUse) const;

    size_t total() const { return total_; }
    size_t limit() const { return limit_; }
    // True when what is held already fills the limit: nothing more should be read ahead.
    bool full() const { return total_ >= limit_; }

  private:
    struct Entry {
        size_t bytes = 0;
        uint64_t lastUse = 0;
    };
    std::map<std::string, Entry> entries_;
    uint64_t clock_ = 0;
    size_t total_ = 0;
    size_t limit_;
};

}  // namespace lumora
