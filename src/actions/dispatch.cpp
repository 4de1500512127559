#include "actions/dispatch.h"

#include <algorithm>
#include <vector>

#include "win/app_state.h"
#include "win/window.h"

namespace lumora {
namespace {

struct OwnRequest {
    const DispatchArgs* args;
    bool taken;
};

// The requests that this process's exported functions are sending, innermost last (an action
// that waits lets further actions run inside it). Only the user-interface thread sends them.
std::vector<OwnRequest>& OwnRequests() {
    static std::vector<OwnRequest> requests;
    return requests;
}

// Lists the request while its message is being sent.
class OwnRequestScope {
  public:
    explicit OwnRequestScope(const DispatchArgs* args) : args_(args) {
        OwnRequests().push_back(OwnRequest{args, false});
    }
    OwnRequestScope(const OwnRequestScope&) = delete;
    OwnRequestScope& operator=(const OwnRequestScope&) = delete;
    ~OwnRequestScope() {
        std::vector<OwnRequest>& requests = OwnRequests();
        requests.erase(std::remove_if(requests.begin(), requests.end(),
                                      [this](const OwnRequest& r) { return r.args == args_; }),
                       requests.end());
    }

  private:
    const DispatchArgs* args_;
};

}  // namespace

LRESULT SendDispatch(DispatchAction action, int index, const char* data) {
    HWND main = MainWindowHandle();
    if (App().dispatchMessageId == 0 || !main) {
        return 0;
    }
    DispatchArgs args{index, data};
    OwnRequestScope listed(&args);
    return ::SendMessageA(main, App().dispatchMessageId, action, reinterpret_cast<LPARAM>(&args));
}

const DispatchArgs* TakeOwnDispatchArgs(LPARAM lParam) {
    for (OwnRequest& request : OwnRequests()) {
        if (reinterpret_cast<LPARAM>(request.args) == lParam && !request.taken) {
            // Taken once: a copy of the address posted later by someone else finds nothing.
            request.taken = true;
            return request.args;
        }
    }
    return nullptr;
}

bool CallExport(int index, const char* functionName, const char* data) {
    if (!functionName) {
        return false;
    }
    using ActionFunction = LRESULT(WINAPI*)(int, const char*);
    FARPROC found = ::GetProcAddress(ProgramInstance(), functionName);
    if (!found) {
        return false;
    }
    // Every export of the program has this one form.
    auto function = reinterpret_cast<ActionFunction>(reinterpret_cast<void*>(found));
    function(index, data);
    return true;
}

}  // namespace lumora

using lumora::SendDispatch;

extern "C" {
LRESULT WINAPI DispatchScreen(int index, const char* data) {
    return SendDispatch(lumora::kActionScreen, index, data);
}
LRESULT WINAPI DispatchPreviousScreen(int index, const char* data) {
    return SendDispatch(lumora::kActionPreviousScreen, index, data);
}
LRESULT WINAPI DispatchMinimize(int index, const char* data) {
    return SendDispatch(lumora::kActionMinimize, index, data);
}
LRESULT WINAPI DispatchMenu(int index, const char* data) {
    return SendDispatch(lumora::kActionMenu, index, data);
}
LRESULT WINAPI DispatchHelp(int index, const char* data) {
    return SendDispatch(lumora::kActionHelp, index, data);
}
LRESULT WINAPI DispatchPreferences(int index, const char* data) {
    return SendDispatch(lumora::kActionPreferences, index, data);
}
LRESULT WINAPI DispatchAbout(int index, const char* data) {
    return SendDispatch(lumora::kActionAbout, index, data);
}
LRESULT WINAPI DispatchProgram(int index, const char* data) {
    return SendDispatch(lumora::kActionProgram, index, data);
}
LRESULT WINAPI DispatchProgramAndWait(int index, const char* data) {
    return SendDispatch(lumora::kActionProgramAndWait, index, data);
}
LRESULT WINAPI DispatchExit(int index, const char* data) {
    return SendDispatch(lumora::kActionExit, index, data);
}
}
