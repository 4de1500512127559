#include "win/window.h"

#include "win/common_controls.h"
#include "win/creation_slot.h"
#include "win/dialog_colors.h"
#include "win/message_rules.h"
#include "win/program_timers.h"

namespace lumora {

static_assert(system_command::kSize == SC_SIZE && system_command::kMove == SC_MOVE &&
              system_command::kMinimize == SC_MINIMIZE &&
              system_command::kMaximize == SC_MAXIMIZE && system_command::kClose == SC_CLOSE &&
              system_command::kRestore == SC_RESTORE &&
              system_command::kStyleCaption == WS_CAPTION &&
              system_command::kStyleSysMenu == WS_SYSMENU &&
              system_command::kStyleThickFrame == WS_THICKFRAME &&
              system_command::kStyleMinimizeBox == WS_MINIMIZEBOX &&
              system_command::kStyleMaximizeBox == WS_MAXIMIZEBOX);

HINSTANCE ProgramInstance() {
    return ::GetModuleHandleA(nullptr);
}

bool IsProgramWindow(HWND window) {
    return window && (Window::Serves(window) || ModelessDialog::Serves(window));
}

Window::~Window() {
    // The derived part is gone: the messages of the destruction go to DefWindowProc.
    DestroyWithoutHandlers();
}

void Window::DestroyWithoutHandlers() {
    if (exists()) {
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND window = hwnd_;
        hwnd_ = nullptr;
        ForgetProgramTimers(window);
        ::DestroyWindow(window);
    }
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                      int y, int width, int height, HWND parent, HMENU menuOrId) {
    HWND created = nullptr;
    {
        const CreationSlot<Window>::Scope creating(this);
        created = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                    menuOrId, ProgramInstance(), nullptr);
    }
    creating_ = false;
    return created != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

bool Window::Serves(HWND window) {
    return ::GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowProc);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE && !self) {
        self = CreationSlot<Window>::Take();
        if (self) {
            self->hwnd_ = hwnd;
            self->creating_ = true;
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else if ((message == WM_NCCREATE || message == WM_CREATE) && self && !self->creating_) {
        // The window exists: this creation message is someone else's, and its record (a
        // pointer the sender chose) is not read, not even by the default procedure.
        return message == WM_NCCREATE ? TRUE : 0;
    }
    if (!self) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_SYSCOMMAND &&
        !OffersSystemCommand(static_cast<uint32_t>(::GetWindowLongA(hwnd, GWL_STYLE)),
                             static_cast<uint32_t>(wParam))) {
        return 0;
    }
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        ForgetProgramTimers(hwnd);
    }
    return result;
}

ModelessDialog::~ModelessDialog() {
    if (exists()) {
        // The derived part is gone: the dialog manager handles the messages of the destruction.
        ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        ForgetProgramTimers(hwnd_);
        ::DestroyWindow(hwnd_);
    }
}

void ModelessDialog::Destroy() {
    if (exists()) {
        ::DestroyWindow(hwnd_);
    }
}

bool ModelessDialog::Create(int templateId, HWND parent) {
    CommonControls();
    const CreationSlot<ModelessDialog>::Scope creating(this);
    HWND created = ::CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId), parent,
                                        DialogProc, 0);
    return created != nullptr;
}

bool ModelessDialog::Serves(HWND window) {
    return ::GetWindowLongPtrA(window, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(&DialogProc);
}

INT_PTR CALLBACK ModelessDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ModelessDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        if (self) {
            // The dialog exists: someone else's message.
            return FALSE;
        }
        self = CreationSlot<ModelessDialog>::Take();
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) {
        return FALSE;
    }
    INT_PTR handled = self->HandleMessage(message, wParam, lParam);
    if (!handled && (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC)) {
        return reinterpret_cast<INT_PTR>(DialogColorBrush(reinterpret_cast<HDC>(wParam)));
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        ForgetProgramTimers(hwnd);
    }
    return handled;
}

void MoveWindowTo(HWND window, const RECT& rect) {
    RECT now{};
    if (::GetWindowRect(window, &now)) {
        const bool child = (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
        ::MapWindowPoints(nullptr, child ? ::GetParent(window) : nullptr,
                          reinterpret_cast<POINT*>(&now), 2);
        if (::EqualRect(&now, &rect)) {
            return;
        }
    }
    ::MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void SetWindowTextIfChanged(HWND window, const std::string& text) {
    std::string now(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    now.resize(
        static_cast<size_t>(::GetWindowTextA(window, now.data(), static_cast<int>(now.size()))));
    if (now != text) {
        ::SetWindowTextA(window, text.c_str());
    }
}

}  // namespace lumora
