// Base class of Lumora's windows: one window procedure that finds the C++ object of a window and
// hands it the message. The object pointer comes in with WM_NCCREATE and is dropped at
// WM_NCDESTROY.
#pragma once

#include <windows.h>

namespace lumora {

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

    // The window procedure for every class whose windows are Window objects; pass `this` as the
    // creation parameter of CreateWindowEx.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // Creates the window for this object; returns false when CreateWindowEx fails.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);

    // Called for every message; the default is DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(hwnd_, message, wParam, lParam);
    }

  private:
    HWND hwnd_ = nullptr;
};

// Base class of modeless dialogs built from a dialog template in the program's resources.
class ModelessDialog {
  public:
    ModelessDialog() = default;
    ModelessDialog(const ModelessDialog&) = delete;
    ModelessDialog& operator=(const ModelessDialog&) = delete;
    virtual ~ModelessDialog();

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
    void Destroy();

  protected:
    bool Create(int templateId, HWND parent);
    // Return TRUE when the message was handled; *result is then the dialog procedure's answer.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// The module that holds the program's resources and exports.
HINSTANCE ProgramInstance();

}  // namespace lumora
