#include "diagnostics.h"

#include <algorithm>
#include <cstdio>

namespace lumora::disc {

void Diagnostics::Error(int line, std::string message, Encoding encoding) {
    found_.push_back({line, Severity::kError, std::move(message), encoding});
}

void Diagnostics::Warning(int line, std::string message, Encoding encoding) {
    found_.push_back({line, Severity::kWarning, std::move(message), encoding});
}

std::vector<Diagnostic> Diagnostics::Sorted() const {
    std::vector<Diagnostic> sorted = found_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return sorted;
}

int Diagnostics::errors() const {
    return static_cast<int>(std::count_if(found_.begin(), found_.end(), [](const Diagnostic& d) {
        return d.severity == Severity::kError;
    }));
}

int Diagnostics::warnings() const {
    return static_cast<int>(found_.size()) - errors();
}

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::kError ? "error" : "warning";
}

std::string Count(int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

std::string FormatText(const Diagnostics& diagnostics, const std::string& fileName) {
    std::string out;
    for (const Diagnostic& d : diagnostics.Sorted()) {
        out += fileName + ":";
        if (d.line > 0) {
            out += std::to_string(d.line) + ":";
        }
        out += std::string(" ") + SeverityName(d.severity) + ": " + d.message + "\n";
    }
    out += fileName + ": " + Count(diagnostics.errors(), "error") + ", " +
           Count(diagnostics.warnings(), "warning") + "\n";
    return out;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string FormatJson(const Diagnostics& diagnostics, const std::string& fileName, int codePage) {
    std::string out = "{\"file\": " + JsonString(fileName) +
                      ", \"errors\": " + std::to_string(diagnostics.errors()) +
                      ", \"warnings\": " + std::to_string(diagnostics.warnings()) +
                      ", \"diagnostics\": [";
    const char* separator = "\n  ";
    for (const Diagnostic& d : diagnostics.Sorted()) {
        out += separator;
        out += "{\"line\": " + std::to_string(d.line) + ", \"severity\": \"" +
               SeverityName(d.severity) + "\", \"message\": " +
               JsonString(d.encoding == Encoding::kUtf8 ? d.message
                                                        : CodePageToUtf8(d.message, codePage)) +
               "}";
        separator = ",\n  ";
    }
    return out + "\n]}\n";
}

}  // namespace lumora::disc
