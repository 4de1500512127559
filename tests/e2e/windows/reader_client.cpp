#include "reader_client.h"

#include <oleacc.h>

#include <map>
#include <sstream>
#include <vector>

namespace {

// Spelled out: the import libraries' IAccessible id is not the interface's in a static link.
const GUID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

std::string Hex(HRESULT result) {
    std::ostringstream out;
    out << std::hex << static_cast<unsigned long>(result);
    return out.str();
}

// The object a reader got for a window; kept, so that a window gone leaves it to be asked, until
// the reader asks the window again (as readers do when told that its name or parts changed).
IAccessible* ObjectOf(HWND window, HRESULT* result, bool again = false) {
    static bool apartment = [] {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return true;
    }();
    (void)apartment;
    static std::map<HWND, IAccessible*> objects;
    IAccessible*& object = objects[window];
    *result = S_OK;
    if (again && object) {
        object->Release();
        object = nullptr;
    }
    if (!object) {
        void* got = nullptr;
        *result = ::AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible, &got);
        object = static_cast<IAccessible*>(got);
    }
    return object;
}

VARIANT Child(long child) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

std::string Text(HRESULT result, BSTR text) {
    if (result != S_OK || !text) {
        return "<" + Hex(result) + ">";
    }
    char ansi[1024] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    ::SysFreeString(text);
    return ansi;
}

std::string Number(HRESULT result, const VARIANT& value) {
    if (result != S_OK || value.vt != VT_I4) {
        return "<" + Hex(result) + ">";
    }
    return std::to_string(value.lVal);
}

// "name|role|state|left top width height|description|default action" of one object.
std::string Describe(IAccessible* object, long child) {
    const VARIANT id = Child(child);
    BSTR text = nullptr;
    VARIANT value;
    std::ostringstream out;
    HRESULT result = object->get_accName(id, &text);
    out << Text(result, text) << '|';
    result = object->get_accRole(id, &value);
    out << Number(result, value) << '|';
    result = object->get_accState(id, &value);
    out << Number(result, value) << '|';
    long x = 0, y = 0, w = 0, h = 0;
    result = object->accLocation(&x, &y, &w, &h, id);
    out << x << ' ' << y << ' ' << w << ' ' << h << '|';
    text = nullptr;
    result = object->get_accDescription(id, &text);
    out << Text(result, text) << '|';
    text = nullptr;
    result = object->get_accDefaultAction(id, &text);
    out << Text(result, text);
    return out.str();
}

// Events heard: "event:child:window", oldest first.
std::vector<std::string>& Heard() {
    static std::vector<std::string> heard;
    return heard;
}

void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    if (object == OBJID_CLIENT) {
        std::ostringstream out;
        out << std::hex << event << std::dec << ':' << child << ':'
            << reinterpret_cast<uintptr_t>(window);
        Heard().push_back(out.str());
    }
}

// Hands this thread the events queued for its hook.
void PumpMessages(DWORD ms) {
    const DWORD until = ::GetTickCount() + ms;
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (static_cast<LONG>(until - ::GetTickCount()) > 0);
}

}  // namespace

// Queries:
//   count                 the number of children
//   object <child>        Describe's line of the screen (0) or a child
//   hit <x> <y>           the object at that point of the display: a number, or "none"
//   next <child>          the child after it in the Tab order, or "none"
//   press <child>         accDoDefaultAction's result
//   select <child>        accSelect's result with SELFLAG_TAKEFOCUS
//   again                 lets the object held for the window go and asks the window anew
//   listen                hears the focus, state, name and order events of the window's program
//   heard                 the events heard since the last time, blank-separated
std::string AskReader(HWND window, const std::string& query) {
    std::istringstream in(query);
    std::string what;
    in >> what;
    if (what == "listen") {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        const HWINEVENTHOOK hook =
            ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE, nullptr, Listen,
                              process, 0, WINEVENT_OUTOFCONTEXT);
        return hook ? "1" : "0";
    }
    if (what == "heard") {
        PumpMessages(50);
        std::string all;
        for (const std::string& h : Heard()) {
            all += (all.empty() ? "" : " ") + h;
        }
        Heard().clear();
        return all;
    }
    HRESULT result = S_OK;
    IAccessible* object = ObjectOf(window, &result, what == "again");
    if (!object) {
        return "err no object " + Hex(result);
    }
    long child = 0;
    if (what == "again") {
        return "1";
    }
    if (what == "count") {
        long count = -1;
        result = object->get_accChildCount(&count);
        return result == S_OK ? std::to_string(count) : "<" + Hex(result) + ">";
    }
    if (what == "object" && in >> child) {
        return Describe(object, child);
    }
    if (what == "hit") {
        long x = 0, y = 0;
        in >> x >> y;
        VARIANT hit;
        result = object->accHitTest(x, y, &hit);
        return result == S_OK && hit.vt == VT_I4 ? std::to_string(hit.lVal) : "none";
    }
    if (what == "next" && in >> child) {
        VARIANT next;
        result = object->accNavigate(NAVDIR_NEXT, Child(child), &next);
        return result == S_OK && next.vt == VT_I4 ? std::to_string(next.lVal) : "none";
    }
    if (what == "press" && in >> child) {
        return Hex(object->accDoDefaultAction(Child(child)));
    }
    if (what == "select" && in >> child) {
        return Hex(object->accSelect(SELFLAG_TAKEFOCUS, Child(child)));
    }
    return "err unknown query " + query;
}
