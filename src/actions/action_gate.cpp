#include "actions/action_gate.h"

#include "win/app_state.h"

namespace lumora {

ActionGate::ActionGate() : held_(!App().actionRunning) {
    if (held_) {
        App().actionRunning = true;
    }
}

ActionGate::~ActionGate() {
    if (held_) {
        App().actionRunning = false;
    }
}

bool ActionGate::Busy() {
    return App().actionRunning;
}

}  // namespace lumora
