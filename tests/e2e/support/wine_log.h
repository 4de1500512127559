// What Wine's log tells of a program. Exceptions: with WINEDEBUG=warn+seh Wine logs every
// exception it dispatches, including those it swallows and Windows would not (a fault inside a
// window procedure called back from USER). Files: with trace+file, every request to open one.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The lines of the log at `path` that report an exception raised in the program, leaving out the
// informational codes (a thread's name, debug strings). Empty when there is no such line or log.
std::vector<std::string> RaisedExceptions(const std::string& path);

// The disc's files that a program asked to open, as Wine's file channel logs each request
// (WINEDEBUG=trace+file, one NtCreateFile line each, whether the file opens or not): its
// pictures (.bmp) and its Lumora.ini, from byte `from` of the log on.
struct OpenedFiles {
    int pictures = 0;
    int ini = 0;
    int total() const { return pictures + ini; }
};
OpenedFiles FilesOpened(const std::string& path, long from = 0);

// The size of the log, where the next count begins.
long LogSize(const std::string& path);

// Waits until the log has not grown for `quietMs` (the program has stopped working on files),
// at most `timeoutMs`; false when it kept growing.
bool WaitForQuietLog(const std::string& path, int quietMs = 400, int timeoutMs = 10000);

}  // namespace e2e
