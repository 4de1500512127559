// lumora_probe.exe: answers questions about windows in the Wine prefix, one per line on stdin,
// one answer line on stdout ("ok ..." or "err ..."), so a native test can read Win32 facts that
// X cannot show (classes, styles, iconic state, Z order) and act from inside Wine where needed.
#include <windows.h>
#include <psapi.h>
#include <winioctl.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "cover_window.h"
#include "hook_client.h"
#include "reader_client.h"
#include "win/handles.h"

namespace {

using Args = std::istringstream;

HWND ReadWindow(Args& in) {
    unsigned long value = 0;
    in >> value;
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
}

std::string Handle(HWND window) {
    return std::to_string(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
}

std::string Rect(const RECT& r) {
    std::ostringstream out;
    out << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom;
    return out.str();
}

std::string Rest(Args& in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    return rest;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return pid;
}

// "memory <window>": working set and private bytes (KB) of the window's process, then its GDI
// and USER object counts as GetGuiResources gives them (Wine gives 0).
std::string Memory(Args& in) {
    lumora::UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                               ProcessOf(ReadWindow(in))));
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!process || !::GetProcessMemoryInfo(process.get(),
                                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                            sizeof counters)) {
        return std::string("-1 -1 -1 -1");
    }
    std::ostringstream out;
    out << counters.WorkingSetSize / 1024 << ' ' << counters.PrivateUsage / 1024 << ' '
        << ::GetGuiResources(process.get(), GR_GDIOBJECTS) << ' '
        << ::GetGuiResources(process.get(), GR_USEROBJECTS);
    return out.str();
}

// "module <window> <file name>": the path of the module of that file name loaded in the window's
// process, or "-" when there is none.
std::string Module(Args& in) {
    lumora::UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                               ProcessOf(ReadWindow(in))));
    std::string wanted;
    in >> wanted;
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!process || !::EnumProcessModules(process.get(), modules, sizeof modules, &bytes)) {
        return std::string("-");
    }
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < std::size(modules); ++i) {
        char path[MAX_PATH] = {};
        if (!::GetModuleFileNameExA(process.get(), modules[i], path, MAX_PATH)) {
            continue;
        }
        const char* name = std::strrchr(path, '\\');
        if (::lstrcmpiA(name ? name + 1 : path, wanted.c_str()) == 0) {
            return path;
        }
    }
    return std::string("-");
}

// "hover <window> <inX> <inY> <outX> <outY> <count> <timer id> <wait every>": moves the pointer
// into a region and out again `count` times by sending WM_MOUSEMOVE, each a full pass of the
// window's hover path. Between in and out the balloon shows: every `wait every`-th time its own
// timer fires (the window is left idle long enough), the other times the timer message is sent.
// Answers the number of passes the window answered and the milliseconds taken.
std::string Hover(Args& in) {
    HWND w = ReadWindow(in);
    int inX = 0, inY = 0, outX = 0, outY = 0, count = 0, waitEvery = 0;
    unsigned long timerId = 0;
    in >> inX >> inY >> outX >> outY >> count >> timerId >> waitEvery;
    auto send = [w](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutA(w, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) !=
               0;
    };
    const DWORD start = ::GetTickCount();
    int answered = 0;
    for (int i = 0; i < count; ++i) {
        bool ok = send(WM_MOUSEMOVE, 0, MAKELPARAM(inX, inY));
        if (waitEvery > 0 && i % waitEvery == 0) {
            ::Sleep(30);
        } else {
            ok = send(WM_TIMER, timerId, 0) && ok;
        }
        ok = send(WM_MOUSEMOVE, 0, MAKELPARAM(outX, outY)) && ok;
        answered += ok ? 1 : 0;
    }
    return std::to_string(answered) + ' ' + std::to_string(::GetTickCount() - start);
}

// "deliver <window> send|post <message in hex> <wParam> <lParam>": lParam is a number, or
// "local" for the address of a record of this program, which means nothing in another one.
std::string Deliver(Args& in) {
    HWND w = ReadWindow(in);
    std::string how, lParam;
    unsigned message = 0;
    long wParam = 0;
    in >> how >> std::hex >> message >> std::dec >> wParam >> lParam;
    static struct {
        int index;
        const char* data;
    } local{0, "Second"};
    const LPARAM value = lParam == "local"
                             ? reinterpret_cast<LPARAM>(&local)
                             : static_cast<LPARAM>(std::strtoll(lParam.c_str(), nullptr, 0));
    if (how == "send") {
        DWORD_PTR result = 0;
        return std::to_string(
            ::SendMessageTimeoutA(w, message, wParam, value, SMTO_ABORTIFHUNG, 5000, &result) ? 1
                                                                                              : 0);
    }
    return std::to_string(::PostMessageA(w, message, wParam, value) ? 1 : 0);
}

// "fakecreate <window>": sends WM_NCCREATE and WM_CREATE to a window that exists, as another
// program may, with a creation record whose object pointer and title are the sender's choice.
// Answers both results.
std::string FakeCreate(Args& in) {
    HWND w = ReadWindow(in);
    CREATESTRUCTA create{};
    create.lpCreateParams = reinterpret_cast<void*>(static_cast<uintptr_t>(0x4242424242));
    create.lpszName = "Taken over";
    std::string answer;
    for (UINT message : {UINT{WM_NCCREATE}, UINT{WM_CREATE}}) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(w, message, 0, reinterpret_cast<LPARAM>(&create), SMTO_ABORTIFHUNG,
                              5000, &result);
        answer += std::to_string(static_cast<long>(result)) + ' ';
    }
    return answer;
}

// The first visible top-level window of the given class in the process that owns `window`.
HWND FindInProcess(HWND window, const std::string& className) {
    DWORD pid = ProcessOf(window);
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        char name[256] = {};
        ::GetClassNameA(w, name, sizeof name);
        if (ProcessOf(w) == pid && ::IsWindowVisible(w) && className == name) {
            return w;
        }
    }
    return nullptr;
}

// True when `upper` comes before `lower` in the Z order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) {
            return true;
        }
        if (w == lower) {
            return false;
        }
    }
    return false;
}

// Wine's mount manager defines, redefines and removes drives while the server runs, and the
// label it is given is what GetVolumeInformation reports from then on.
struct UnixDriveRequest {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
static_assert(sizeof(UnixDriveRequest) == 32, "the layout the mount manager reads");

constexpr DWORD kDefineUnixDrive =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

// "drive <letter> <unix folder> <label...>" defines a CD drive; "drive <letter> -" removes it.
std::string DefineDrive(Args& in) {
    std::string letter, folder;
    in >> letter >> folder;
    const std::string label = Rest(in);
    if (letter.size() != 1 || folder.empty()) {
        return std::string("0 usage");
    }
    const bool remove = folder == "-";
    std::string request(sizeof(UnixDriveRequest), '\0');
    UnixDriveRequest header{};
    header.type = DRIVE_CDROM;
    header.serial = 0x4C554D;
    header.letter = static_cast<WCHAR>(std::tolower(static_cast<unsigned char>(letter[0])));
    if (!remove) {
        header.mountPointOffset = static_cast<USHORT>(request.size());
        request.append(folder).push_back('\0');
        if (request.size() % 2) {
            request.push_back('\0');
        }
        header.labelOffset = static_cast<USHORT>(request.size());
        for (char c : label) {
            const WCHAR wide = static_cast<unsigned char>(c);
            request.append(reinterpret_cast<const char*>(&wide), sizeof wide);
        }
        request.append(sizeof(WCHAR), '\0');
    }
    header.size = static_cast<ULONG>(request.size());
    std::memcpy(&request[0], &header, sizeof header);
    HANDLE opened =
        ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    lumora::UniqueHandle manager(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    if (!manager) {
        return "0 open " + std::to_string(::GetLastError());
    }
    DWORD returned = 0;
    if (!::DeviceIoControl(manager.get(), kDefineUnixDrive, &request[0],
                           static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr)) {
        return "0 ioctl " + std::to_string(::GetLastError());
    }
    return std::string("1");
}

// "volume <root>": the drive type, then "|" and the volume label, or "|err <code>".
std::string Volume(Args& in) {
    const std::string root = Rest(in);
    char label[256] = {};
    std::string answer = std::to_string(::GetDriveTypeA(root.c_str())) + "|";
    if (!::GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                 nullptr, 0)) {
        return answer + "err " + std::to_string(::GetLastError());
    }
    return answer + label;
}

using Command = std::function<std::string(Args&)>;

std::map<std::string, Command> Commands() {
    return {
        {"find", [](Args& in) { return Handle(::FindWindowA(Rest(in).c_str(), nullptr)); }},
        {"findin",
         [](Args& in) {
             HWND w = ReadWindow(in);
             return Handle(FindInProcess(w, Rest(in)));
         }},
        {"child", [](Args& in) { return Handle(::GetWindow(ReadWindow(in), GW_CHILD)); }},
        {"exists", [](Args& in) { return std::to_string(::IsWindow(ReadWindow(in)) ? 1 : 0); }},
        {"rect",
         [](Args& in) {
             RECT r{};
             ::GetWindowRect(ReadWindow(in), &r);
             return Rect(r);
         }},
        {"client",
         [](Args& in) {
             HWND w = ReadWindow(in);
             RECT r{};
             ::GetClientRect(w, &r);
             ::MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
             return Rect(r);
         }},
        {"state",
         [](Args& in) {
             HWND w = ReadWindow(in);
             std::ostringstream out;
             out << (::IsWindowVisible(w) ? 1 : 0) << ' ' << (::IsIconic(w) ? 1 : 0) << ' '
                 << (::IsZoomed(w) ? 1 : 0) << ' '
                 << static_cast<unsigned long>(::GetWindowLongA(w, GWL_STYLE));
             return out.str();
         }},
        {"text",
         [](Args& in) {
             char text[512] = {};
             ::GetWindowTextA(ReadWindow(in), text, sizeof text);
             return std::string(text);
         }},
        {"class",
         [](Args& in) {
             char name[256] = {};
             ::GetClassNameA(ReadWindow(in), name, sizeof name);
             return std::string(name);
         }},
        {"pid", [](Args& in) { return std::to_string(ProcessOf(ReadWindow(in))); }},
        {"idle",
         [](Args& in) {
             HWND w = ReadWindow(in);
             DWORD ms = 5000;
             in >> ms;
             lumora::UniqueHandle process(
                 ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessOf(w)));
             if (!process) {
                 return std::string("-1");
             }
             return std::to_string(::WaitForInputIdle(process.get(), ms));
         }},
        {"metrics",
         [](Args&) {
             std::ostringstream out;
             for (int m : {SM_CXFRAME, SM_CYFRAME, SM_CYCAPTION, SM_CXSCREEN, SM_CYSCREEN,
                           SM_CXDLGFRAME, SM_CYDLGFRAME}) {
                 out << ::GetSystemMetrics(m) << ' ';
             }
             return out.str();
         }},
        {"cursorpos",
         [](Args& in) {
             int x = 0, y = 0;
             in >> x >> y;
             return std::to_string(::SetCursorPos(x, y) ? 1 : 0);
         }},
        {"syscommand",
         [](Args& in) {
             HWND w = ReadWindow(in);
             unsigned long command = 0;
             in >> std::hex >> command;
             return std::to_string(::PostMessageA(w, WM_SYSCOMMAND, command, 0) ? 1 : 0);
         }},
        {"nchittest",
         [](Args& in) {
             HWND w = ReadWindow(in);
             int x = 0, y = 0;
             in >> x >> y;
             DWORD_PTR result = 0;
             ::SendMessageTimeoutA(w, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000,
                                   &result);
             return std::to_string(static_cast<long>(result));
         }},
        {"send",
         [](Args& in) {
             HWND w = ReadWindow(in);
             unsigned message = 0;
             long wParam = 0, lParam = 0;
             in >> std::hex >> message >> std::dec >> wParam >> lParam;
             DWORD_PTR result = 0;
             ::SendMessageTimeoutA(w, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
             return std::to_string(static_cast<unsigned long>(result));
         }},
        {"register",
         [](Args& in) { return std::to_string(::RegisterWindowMessageA(Rest(in).c_str())); }},
        // Sends or posts a message whose lParam may be "local": an address in this program.
        {"deliver", [](Args& in) { return Deliver(in); }},
        {"fakecreate", [](Args& in) { return FakeCreate(in); }},
        // The processor time (user and kernel, in milliseconds) of the process that owns a window.
        {"cputime",
         [](Args& in) {
             lumora::UniqueHandle process(
                 ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ProcessOf(ReadWindow(in))));
             FILETIME created, ended, kernel, user;
             if (!process || !::GetProcessTimes(process.get(), &created, &ended, &kernel, &user)) {
                 return std::string("-1");
             }
             const auto ms = [](const FILETIME& t) {
                 return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                         t.dwLowDateTime) /
                        10000;
             };
             return std::to_string(ms(kernel) + ms(user));
         }},
        {"memory", [](Args& in) { return Memory(in); }},
        {"module", [](Args& in) { return Module(in); }},
        {"hover", [](Args& in) { return Hover(in); }},
        {"sizing",
         [](Args& in) {
             HWND w = ReadWindow(in);
             int edge = 0;
             RECT r{};
             in >> edge >> r.left >> r.top >> r.right >> r.bottom;
             DWORD_PTR result = 0;
             ::SendMessageTimeoutA(w, WM_SIZING, edge, reinterpret_cast<LPARAM>(&r),
                                   SMTO_ABORTIFHUNG, 5000, &result);
             return Rect(r);
         }},
        {"cover",
         [](Args& in) {
             RECT r{};
             in >> r.left >> r.top >> r.right >> r.bottom;
             return Handle(ShowCoverWindow(r));
         }},
        {"close",
         [](Args& in) {
             return std::to_string(::PostMessageA(ReadWindow(in), WM_CLOSE, 0, 0) ? 1 : 0);
         }},
        {"above",
         [](Args& in) {
             HWND upper = ReadWindow(in);
             HWND lower = ReadWindow(in);
             return std::to_string(IsAbove(upper, lower) ? 1 : 0);
         }},
        {"foreground", [](Args&) { return Handle(::GetForegroundWindow()); }},
        {"setforeground",
         [](Args& in) { return std::to_string(::SetForegroundWindow(ReadWindow(in)) ? 1 : 0); }},
        {"dlgtext",
         [](Args& in) {
             HWND w = ReadWindow(in);
             int id = 0;
             in >> std::hex >> id;
             char text[1024] = {};
             ::GetDlgItemTextA(w, id, text, sizeof text);
             return std::string(text);
         }},
        {"dlgitem",
         [](Args& in) {
             HWND w = ReadWindow(in);
             int id = 0;
             in >> id;
             return Handle(::GetDlgItem(w, id));
         }},
        {"drive", [](Args& in) { return DefineDrive(in); }},
        {"volume", [](Args& in) { return Volume(in); }},
        {"hook",
         [](Args& in) {
             HWND w = ReadWindow(in);
             return AskHook(w, Rest(in));
         }},
        // What a screen reader in another process asks of a window's object.
        {"reader",
         [](Args& in) {
             HWND w = ReadWindow(in);
             return AskReader(w, Rest(in));
         }},
    };
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const auto commands = Commands();
    char line[4096];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        Args in(line);
        std::string name;
        in >> name;
        if (name == "quit") {
            break;
        }
        auto command = commands.find(name);
        std::string answer =
            command == commands.end() ? "err unknown command " + name : "ok " + command->second(in);
        answer += '\n';
        std::fputs(answer.c_str(), stdout);
    }
    return 0;
}
