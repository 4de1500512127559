// Base classes of Lumora's windows and modeless dialogs: one procedure that finds the C++ object
// of a window and hands it the message. The object is bound at the window's first WM_NCCREATE
// (WM_INITDIALOG) while the object itself is creating it, never from what the message carries,
// and is dropped at WM_NCDESTROY. Creation messages that arrive later (any program can send
// them) reach no object and have nothing read from them. A system command that the window's
// style does not offer is ignored.
//
// Lifetime: a window still open when its object is destroyed is destroyed by the base destructor,
// after the object pointer was dropped, so no message reaches the half-destroyed object. A class
// whose members own windows that talk to its window while they go (a child window object, an
// owned popup) destroys its window in its own destructor, while the whole object is alive.
#pragma once

#include <windows.h>

#include <string>

namespace lumora {

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

    // The window procedure for every class whose windows are Window objects, made with CreateEx.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // True for a window that this procedure serves.
    static bool Serves(HWND window);

  protected:
    // Creates the window for this object; returns false when CreateWindowEx fails.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);

    // Called for every message; the default is DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // Destroys the window without handing its messages to this object; its child windows and
    // owned popups still get theirs.
    void DestroyWithoutHandlers();

  private:
    HWND hwnd_ = nullptr;
    bool creating_ = false;  // from WM_NCCREATE until CreateWindowEx returns
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
    // True for a dialog that the modeless dialogs' procedure serves.
    static bool Serves(HWND window);

  protected:
    bool Create(int templateId, HWND parent);
    // The dialog procedure's answer: TRUE when the message was handled (or the value that a
    // message such as WM_INITDIALOG asks for), FALSE for the default handling.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// True for a window of Lumora's own: a Window or a ModelessDialog.
bool IsProgramWindow(HWND window);

// The module that holds the program's resources and exports.
HINSTANCE ProgramInstance();

// Moves and sizes the window to `rect` (in its parent's client coordinates, or the screen's for a
// top-level window) and repaints it; nothing when it is there already: a screen change to a screen
// of the same size costs no move.
void MoveWindowTo(HWND window, const RECT& rect);
// Sets the window's text unless it has that text already.
void SetWindowTextIfChanged(HWND window, const std::string& text);

}  // namespace lumora
