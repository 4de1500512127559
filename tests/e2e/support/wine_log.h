// Exceptions that Wine saw in a program: with WINEDEBUG=warn+seh Wine logs every exception it
// dispatches, including those it swallows and Windows would not (a fault inside a window
// procedure called back from USER).
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The lines of the log at `path` that report an exception raised in the program, leaving out the
// informational codes (a thread's name, debug strings). Empty when there is no such line or log.
std::vector<std::string> RaisedExceptions(const std::string& path);

}  // namespace e2e
