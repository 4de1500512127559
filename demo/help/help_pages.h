// The pages of the demo disc's help program, and the topic that it is asked for.
#pragma once

#include <string>
#include <string_view>

namespace lnchhlp {

struct HelpPage {
    const char* topic;  // as the disc passes it, and the page's heading
    const char* text;   // lines end in CR LF, as an edit control wants them
};

// Everything after the program name on the command line, without surrounding blanks and one pair
// of enclosing quotes: the disc starts "LNCHHLP.EXE Customer Service" with the topic unquoted.
std::string TopicFromCommandLine(std::string_view commandLine);

// The page whose topic equals the given one without regard to letter case, or null.
const HelpPage* FindHelpPage(std::string_view topic);

// What to show for a topic without a page: the topics there are.
std::string UnknownTopicText(std::string_view topic);

}  // namespace lnchhlp
