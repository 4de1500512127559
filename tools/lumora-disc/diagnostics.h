// What `check` finds: one diagnostic per mistake, at the line of Lumora.ini that causes it.
#pragma once

#include <string>
#include <vector>

#include "config/code_page.h"

namespace lumora::disc {

enum class Severity { kError, kWarning };

// Messages quote Lumora.ini in its ANSI code page; those about the disc folder's own names are
// UTF-8.
enum class Encoding { kCodePage, kUtf8 };

struct Diagnostic {
    int line = 0;  // 1-based line of Lumora.ini; 0 for the file as a whole
    Severity severity = Severity::kError;
    std::string message;
    Encoding encoding = Encoding::kCodePage;
};

class Diagnostics {
  public:
    void Error(int line, std::string message, Encoding encoding = Encoding::kCodePage);
    void Warning(int line, std::string message, Encoding encoding = Encoding::kCodePage);

    // In line order (the file as a whole first), each severity in the order found.
    std::vector<Diagnostic> Sorted() const;
    int errors() const;
    int warnings() const;

  private:
    std::vector<Diagnostic> found_;
};

// "Lumora.ini:12: error: ..." lines, then the summary line.
std::string FormatText(const Diagnostics& diagnostics, const std::string& fileName);
// {"file": ..., "errors": N, "warnings": N, "diagnostics": [{"line", "severity", "message"}]},
// in UTF-8: the messages' text of the code page converted.
std::string FormatJson(const Diagnostics& diagnostics, const std::string& fileName,
                       int codePage = kDefaultCodePage);
// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& text);

}  // namespace lumora::disc
