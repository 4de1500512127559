// What `check` finds: one diagnostic per mistake, at the line of Lumora.ini that causes it.
#pragma once

#include <string>
#include <vector>

namespace lumora::disc {

enum class Severity { kError, kWarning };

struct Diagnostic {
    int line = 0;  // 1-based line of Lumora.ini; 0 for the file as a whole
    Severity severity = Severity::kError;
    std::string message;
};

class Diagnostics {
  public:
    void Error(int line, std::string message);
    void Warning(int line, std::string message);

    // In line order (the file as a whole first), each severity in the order found.
    std::vector<Diagnostic> Sorted() const;
    int errors() const;
    int warnings() const;

  private:
    std::vector<Diagnostic> found_;
};

// "Lumora.ini:12: error: ..." lines, then the summary line.
std::string FormatText(const Diagnostics& diagnostics, const std::string& fileName);
// {"file": ..., "errors": N, "warnings": N, "diagnostics": [{"line", "severity", "message"}]}
std::string FormatJson(const Diagnostics& diagnostics, const std::string& fileName);
// A JSON string literal.
std::string JsonString(const std::string& text);

}  // namespace lumora::disc
