// The C functions that the page's script calls: files and the INI text in, events in, commands
// out as JSON text, and the canvas's pixels read straight from the module's memory. A text
// returned stays valid until the next call on the same page. Texts are the disc's 8-bit ANSI.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "page_session.h"

#define LUMORA_PAGE_EXPORT(name) extern "C" __attribute__((export_name(#name), used))

namespace {

using lumora::disc::CommandsJson;
using lumora::disc::PageCommands;
using lumora::disc::PageSession;

struct Page {
    PageSession session;
    std::string text;
};

const char* Reply(Page* page, std::string text) {
    page->text = std::move(text);
    return page->text.c_str();
}

const char* Reply(Page* page, const PageCommands& commands) {
    return Reply(page, CommandsJson(commands));
}

}  // namespace

// Memory for what the script hands over.
LUMORA_PAGE_EXPORT(lumora_alloc) void* lumora_alloc(uint32_t size) {
    return std::malloc(size ? size : 1);
}

LUMORA_PAGE_EXPORT(lumora_free) void lumora_free(void* block) {
    std::free(block);
}

LUMORA_PAGE_EXPORT(lumora_page_new) Page* lumora_page_new() {
    return std::make_unique<Page>().release();
}

LUMORA_PAGE_EXPORT(lumora_page_delete) void lumora_page_delete(Page* page) {
    std::unique_ptr<Page> owned(page);
}

LUMORA_PAGE_EXPORT(lumora_page_add_file)
void lumora_page_add_file(Page* page, const char* name, uint32_t nameLength, const uint8_t* bytes,
                          uint32_t size) {
    page->session.AddFile(std::string(name, nameLength), std::vector<uint8_t>(bytes, bytes + size));
}

// Lumora.ini as written, read in the code page given; 1 when the disc opens, else 0.
LUMORA_PAGE_EXPORT(lumora_page_open)
int lumora_page_open(Page* page, const char* ini, uint32_t length, int codePage) {
    return page->session.Open(std::string_view(ini, length), codePage) ? 1 : 0;
}

// The display: dots per inch and the work area in device pixels.
LUMORA_PAGE_EXPORT(lumora_page_display)
const char* lumora_page_display(Page* page, int dpi, int workWidth, int workHeight) {
    return Reply(page, page->session.Display(dpi, workWidth, workHeight));
}

// The commands that show the start screen.
LUMORA_PAGE_EXPORT(lumora_page_start) const char* lumora_page_start(Page* page) {
    return Reply(page, page->session.Start());
}

LUMORA_PAGE_EXPORT(lumora_page_screen) const char* lumora_page_screen(Page* page) {
    return Reply(page, page->session.ScreenJson());
}

LUMORA_PAGE_EXPORT(lumora_page_width) int lumora_page_width(Page* page) {
    return page->session.width();
}

LUMORA_PAGE_EXPORT(lumora_page_height) int lumora_page_height(Page* page) {
    return page->session.height();
}

// Red, green, blue, alpha; width x height window pixels, rows from the top.
LUMORA_PAGE_EXPORT(lumora_page_pixels) const uint8_t* lumora_page_pixels(Page* page) {
    return page->session.rgba().data();
}

LUMORA_PAGE_EXPORT(lumora_page_pointer_move)
const char* lumora_page_pointer_move(Page* page, int x, int y, int held) {
    return Reply(page, page->session.PointerMove(x, y, held));
}

LUMORA_PAGE_EXPORT(lumora_page_pointer_leave) const char* lumora_page_pointer_leave(Page* page) {
    return Reply(page, page->session.PointerLeave());
}

LUMORA_PAGE_EXPORT(lumora_page_pointer_down)
const char* lumora_page_pointer_down(Page* page, int x, int y, int button, int held, int clicks) {
    return Reply(page, page->session.PointerDown(x, y, button, held, clicks));
}

LUMORA_PAGE_EXPORT(lumora_page_pointer_up)
const char* lumora_page_pointer_up(Page* page, int x, int y, int button, int held) {
    return Reply(page, page->session.PointerUp(x, y, button, held));
}

LUMORA_PAGE_EXPORT(lumora_page_timer) const char* lumora_page_timer(Page* page, int timer) {
    return Reply(page, page->session.Timer(timer));
}

LUMORA_PAGE_EXPORT(lumora_page_key_down)
const char* lumora_page_key_down(Page* page, int key, int shift, int repeated) {
    return Reply(page, page->session.KeyDown(key, shift != 0, repeated != 0));
}

// The menu shown last closed: the chosen item's command id, 0 for none.
LUMORA_PAGE_EXPORT(lumora_page_menu_choice)
const char* lumora_page_menu_choice(Page* page, int commandId) {
    return Reply(page, page->session.MenuChoice(commandId));
}

LUMORA_PAGE_EXPORT(lumora_page_blur) const char* lumora_page_blur(Page* page) {
    return Reply(page, page->session.Deactivate());
}

LUMORA_PAGE_EXPORT(lumora_page_focus) const char* lumora_page_focus(Page* page) {
    page->session.Activate();
    return Reply(page, PageCommands{});
}
