// One action at a time. While a click's checks, boxes, splash, action, wait or menu run, message
// loops dispatch other input: a second click, a key or a dispatch message from another program
// that would start another action is ignored, not queued.
#pragma once

namespace lumora {

class ActionGate {
  public:
    // Takes the gate when no action holds it.
    ActionGate();
    ActionGate(const ActionGate&) = delete;
    ActionGate& operator=(const ActionGate&) = delete;
    ~ActionGate();

    // False when another action held the gate already: this one must not start.
    bool held() const { return held_; }

    // True while some action holds the gate.
    static bool Busy();

  private:
    bool held_;
};

}  // namespace lumora
