// LNCHHLP.EXE of the demo disc: the disc's help action starts it with a topic on the command
// line, and it shows that topic's page in a small window.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "help_pages.h"
#include "help_resource.h"

namespace {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct HelpWindow {
    std::string heading;
    std::string text;
    UniqueFont headingFont;  // outlives the dialog, which only borrows it
};

// A larger, bold copy of the dialog's font for the heading.
UniqueFont MakeHeadingFont(HWND dialog) {
    auto base = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA font{};
    if (!base || !GetObjectA(base, sizeof font, &font)) {
        return UniqueFont();
    }
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight * 3 / 2;
    return UniqueFont(CreateFontIndirectA(&font));
}

void ShowPage(HWND dialog, HelpWindow& help) {
    help.headingFont = MakeHeadingFont(dialog);
    if (help.headingFont) {
        SendDlgItemMessageA(dialog, IDC_HELP_HEADING, WM_SETFONT,
                            reinterpret_cast<WPARAM>(help.headingFont.get()), FALSE);
    }
    SetDlgItemTextA(dialog, IDC_HELP_HEADING, help.heading.c_str());
    SetDlgItemTextA(dialog, IDC_HELP_TEXT, help.text.c_str());
    SetWindowTextA(dialog, ("Demo Disc Help - " + help.heading).c_str());
    // A shared system icon: never destroyed.
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
    SendDlgItemMessageA(dialog, IDC_HELP_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK HelpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            ShowPage(dialog, *reinterpret_cast<HelpWindow*>(lParam));
            // The focus goes to Close: in the text it would select the whole page.
            SetFocus(GetDlgItem(dialog, IDOK));
            return FALSE;
        case WM_CTLCOLORSTATIC:
            // The read-only text keeps the window colour, so that it reads like a page.
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_HELP_TEXT)) {
                auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
            }
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::string topic = lnchhlp::TopicFromCommandLine(GetCommandLineA());
    HelpWindow help;
    if (const lnchhlp::HelpPage* page = lnchhlp::FindHelpPage(topic)) {
        help.heading = page->topic;
        help.text = page->text;
    } else {
        help.heading = "Help topics";
        help.text = lnchhlp::UnknownTopicText(topic);
    }
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HELP), nullptr, HelpProc,
                    reinterpret_cast<LPARAM>(&help));
    return 0;
}
