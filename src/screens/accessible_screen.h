// What a screen reader is told of a shown screen: the screen is one object whose children are its
// regions with a shape, in the Tab order, each with a name, a role, a description, a state and a
// place; and which changes of focus, hover and screen it hears of. The numbers are those of
// Windows' accessibility interface, so that the window layer hands them on unchanged. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actions/action_record.h"
#include "imaging/pixel_rect.h"
#include "screens/hover_machine.h"
#include "screens/screen_model.h"

namespace lumora {

// The objects of a screen: the screen itself, then its children numbered from 1.
constexpr long kChildSelf = 0;
// No object: a direction that leads nowhere, a focus outside the window.
constexpr long kNoChild = -1;

enum class ReaderRole : long {
    kClient = 0x0A,  // the screen itself
    kStaticText = 0x29,
    kPushButton = 0x2B,
    kButtonMenu = 0x39,
};

// State bits.
constexpr unsigned kReaderFocused = 0x4;
constexpr unsigned kReaderHotTracked = 0x80;
constexpr unsigned kReaderFocusable = 0x100000;

enum class ReaderNavigation : long {
    kUp = 1,
    kDown = 2,
    kLeft = 3,
    kRight = 4,
    kNext = 5,
    kPrevious = 6,
    kFirstChild = 7,
    kLastChild = 8,
};

enum class ReaderEvent : unsigned {
    kFocus = 0x8005,
    kReorder = 0x8004,
    kStateChange = 0x800A,
    kNameChange = 0x800C,
};

struct ReaderNotice {
    ReaderEvent event;
    long child;
    bool operator==(const ReaderNotice& other) const {
        return event == other.event && child == other.child;
    }
};
using ReaderNotices = std::vector<ReaderNotice>;

// What a reader is told of one region, decided when the region is read.
struct ReaderFacts {
    std::string name;         // its spoken name
    std::string description;  // what a click does, in the words of the table of actions
    ReaderRole role = ReaderRole::kStaticText;
    PixelRect bounds;  // the bounding box of its shape in picture pixels; empty without one
};

// The facts of a region whose launch data, as lumora.exe passes it, is `launchData`.
ReaderFacts DescribeForReaders(const RegionSpec& region,
                               const std::optional<std::string>& launchData);

// A button; a button that opens a menu; static text for a region whose click runs no action.
ReaderRole RoleOf(const ActionRecord& action);

// The smallest rectangle that holds every point of a shape (right and bottom exclusive, as the
// shape is hit); empty for no shape.
PixelRect ShapeBounds(const std::vector<Point>& shape);

// Whether ANSI text holds a word a listener understands: two letters in a row, a letter being
// an ASCII letter or any character of a code page's upper half (accented letters, other
// scripts). "R1", "3D" or "X" hold none.
bool HasWord(std::string_view text);

// The screen's spoken name: its "Description", else the program's title, as the window's title.
const std::string& ScreenSpokenName(const std::string& description,
                                    const std::string& programTitle);

// What a reader was last told of the focus and the hover: region indexes, -1 for none.
struct ReaderMark {
    int focus = -1;
    int hover = -1;
    bool operator==(const ReaderMark& other) const {
        return focus == other.focus && hover == other.hover;
    }
};

// The screen's objects as the hover machine has its regions now. A view: it lives no longer
// than the call that makes it.
class AccessibleScreen {
  public:
    explicit AccessibleScreen(const HoverMachine& hover) : hover_(hover) {}

    long childCount() const { return static_cast<long>(hover_.focusableRegions().size()); }
    bool IsChild(long child) const { return child >= 1 && child <= childCount(); }
    // The region of a child; -1 for the screen itself and for a number that names nothing.
    int RegionOf(long child) const;
    // The child of a region; kChildSelf for a region that is no child.
    long ChildOf(int region) const;

    // The state bits of an object; `windowFocused`: the window has the keyboard's focus.
    unsigned StateOf(long child, bool windowFocused) const;
    // The object with the keyboard's focus: a child, the screen itself when no region has it,
    // kNoChild when the window does not have it.
    long FocusedChild(bool windowFocused) const;
    // The object in a direction from `from`: first and last child of the screen, next and
    // previous child in the Tab order without going round; kNoChild where none is.
    long Navigate(long from, ReaderNavigation direction) const;

    // What is to be told from now on.
    ReaderMark Mark() const { return {hover_.focusRegion(), hover_.hoverRegion()}; }
    // The events that tell a reader what changed since `told`: the state of the region hover
    // left and of the one it reached, then the focus (the screen itself when no region has it),
    // which is told only while the window has the keyboard's focus.
    ReaderNotices Changes(const ReaderMark& told, bool windowFocused) const;

  private:
    const HoverMachine& hover_;
};

// Another screen is shown: the screen object has a new name and new children.
ReaderNotices ScreenShownNotices();

}  // namespace lumora
