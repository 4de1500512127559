// Something that may go while a message loop runs (a shown screen, a menu's items): its owner
// holds a Lifetime, and code that must not touch it after it has gone holds a Liveness taken
// from it and asks before every touch.
#pragma once

#include <memory>

namespace lumora {

class Liveness {
  public:
    Liveness() = default;
    // True while the Lifetime it was taken from exists.
    bool alive() const { return !token_.expired(); }

  private:
    friend class Lifetime;
    explicit Liveness(std::weak_ptr<const char> token) : token_(std::move(token)) {}
    std::weak_ptr<const char> token_;
};

class Lifetime {
  public:
    Lifetime() : token_(std::make_shared<const char>('\0')) {}
    Lifetime(const Lifetime&) = delete;
    Lifetime& operator=(const Lifetime&) = delete;

    Liveness Watch() const { return Liveness(token_); }

  private:
    std::shared_ptr<const char> token_;
};

}  // namespace lumora
