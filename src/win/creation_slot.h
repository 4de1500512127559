// The object whose window this thread is creating now. The creating call offers the object; the
// window's first creation message takes it. A creation message at any other time finds nothing,
// so an object pointer that a message carries (which any program can choose) is never used.
// One user-interface thread creates the windows.
#pragma once

#include <utility>

namespace lumora {

template <typename Object>
class CreationSlot {
  public:
    // Offers `object` while it lives; a creation nested in another gives the outer one back.
    class Scope {
      public:
        explicit Scope(Object* object) : outer_(std::exchange(Current(), object)) {}
        ~Scope() { Current() = outer_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        Object* outer_;
    };

    // For a window that the system creates on the object's behalf (a property page).
    static void Offer(Object* object) { Current() = object; }
    static void Withdraw(const Object* object) {
        if (Current() == object) {
            Current() = nullptr;
        }
    }
    // The object being created, once; null when none is.
    static Object* Take() { return std::exchange(Current(), nullptr); }

  private:
    static Object*& Current() {
        static Object* object = nullptr;
        return object;
    }
};

}  // namespace lumora
