// The texts of the demo disc's help pages. The programs on the disc are made up.
#include "help_pages.h"

#include <cctype>
#include <iterator>

namespace lnchhlp {
namespace {

const HelpPage kPages[] = {
    {"Using the demo disc",
     "Everything on this disc works with the mouse.\r\n"
     "\r\n"
     "- Point at a picture or a button: it lights up, and after a moment a balloon "
     "tells you what it does.\r\n"
     "- Click it to go there or to start it.\r\n"
     "- Back returns to the screen you came from; Main screen goes to the first one.\r\n"
     "- Minimise puts the disc on the taskbar; Exit closes it.\r\n"
     "\r\n"
     "The options (Extras & support, then Options) choose the screen the disc opens "
     "with and switch the balloons, the sounds and a black frame around the disc on or "
     "off.\r\n"
     "\r\n"
     "The help for the options themselves is under Customising the disc."},
    {"Pixel Garden",
     "Pixel Garden 2.1 paints, retouches and frames your photos.\r\n"
     "\r\n"
     "- Brushes, pencils and airbrushes that feel like real ones.\r\n"
     "- Red eyes, scratches and dust gone in one click.\r\n"
     "- A garden of 120 frames and 40 effects.\r\n"
     "\r\n"
     "Needs Windows 95 or later, 8 MB of memory and 12 MB of disk space.\r\n"
     "\r\n"
     "Pixel Garden is made up for this demo: there is nothing to install."},
    {"Tune Weaver",
     "Tune Weaver 1.4 writes songs with you.\r\n"
     "\r\n"
     "- Notes on a piano roll or on a staff, as you like.\r\n"
     "- Drums and bass that follow your chords.\r\n"
     "- Hear every change at once, on any sound card.\r\n"
     "\r\n"
     "Needs Windows 95 or later, a sound card and 10 MB of disk space.\r\n"
     "\r\n"
     "Tune Weaver is made up for this demo: there is nothing to install."},
    {"Star Chart",
     "Star Chart 3.0 shows the night sky for any place and date.\r\n"
     "\r\n"
     "- 9,000 stars, the planets, the Moon and its phases.\r\n"
     "- The constellations with their lines and names.\r\n"
     "- A clock that runs the sky faster or backwards.\r\n"
     "\r\n"
     "Needs a display of 640 x 480 with 256 colours or more; the disc checks this "
     "before it opens this page.\r\n"
     "\r\n"
     "Star Chart is made up for this demo: there is nothing to install."},
    {"Customizing Tavlen Splash",
     "Set the disc up the way you like it: open Extras & support, click Options, "
     "and choose.\r\n"
     "\r\n"
     "Start with...  The screen the disc opens with.\r\n"
     "Apply Matte  Fills the rest of the display with black around the disc.\r\n"
     "Use Balloons  Shows the balloons that explain what you point at.\r\n"
     "Use Sound  Plays the disc's sounds.\r\n"
     "Restore Defaults  Ticks all three and chooses the first start screen.\r\n"
     "\r\n"
     "OK keeps your choices; the disc remembers them the next time it opens.\r\n"
     "\r\n"
     "To make a disc of your own: everything this disc shows and does is described in "
     "Lumora.ini beside lumora.exe. Copy the disc's folder, draw your own screens in 256 "
     "colours and edit Lumora.ini; its comments explain every line."},
    {"Customer Service",
     "We are glad to help.\r\n"
     "\r\n"
     "Before you call, please have ready:\r\n"
     "- the name and version of the program (its balloon on the software screen shows "
     "them),\r\n"
     "- the version of Windows that you use,\r\n"
     "- what you did, and the exact words of any message.\r\n"
     "\r\n"
     "Telephone: 555-0142, Monday to Friday, 9:00 to 17:00\r\n"
     "E-mail: support@example.com\r\n"
     "\r\n"
     "This is a demo disc: the number and the address are examples."},
};

bool SameTopic(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string TopicFromCommandLine(std::string_view commandLine) {
    // The program name ends at its closing quote, or at the first blank when it is not quoted.
    size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string_view::npos ? commandLine.size() : end + 1;
    } else {
        while (end < commandLine.size() && !IsBlank(commandLine[end])) {
            ++end;
        }
    }
    std::string_view topic = TrimBlanks(commandLine.substr(end));
    if (topic.size() >= 2 && topic.front() == '"' && topic.back() == '"') {
        topic = TrimBlanks(topic.substr(1, topic.size() - 2));
    }
    return std::string(topic);
}

const HelpPage* FindHelpPage(std::string_view topic) {
    for (const HelpPage& page : kPages) {
        if (SameTopic(page.topic, topic)) {
            return &page;
        }
    }
    return nullptr;
}

std::string UnknownTopicText(std::string_view topic) {
    std::string text;
    if (!topic.empty()) {
        text = "There is no help page called \"" + std::string(topic) + "\".\r\n\r\n";
    }
    text += "This disc has help on:\r\n";
    for (const HelpPage& page : kPages) {
        text += std::string("- ") + page.topic + "\r\n";
    }
    return text;
}

}  // namespace lnchhlp
