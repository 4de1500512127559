#include "wine_log.h"

#include <fstream>
#include <regex>

namespace e2e {

std::vector<std::string> RaisedExceptions(const std::string& path) {
    static const std::regex raised(
        R"(warn:seh:.*exception \(code=([0-9a-fA-F]+)\) raised|err:seh:)");
    static const std::regex informational(R"(code=(406d1388|40010006|4001000a)\))");
    std::vector<std::string> found;
    std::ifstream log(path);
    std::string line;
    while (std::getline(log, line)) {
        if (std::regex_search(line, raised) && !std::regex_search(line, informational)) {
            found.push_back(line);
        }
    }
    return found;
}

}  // namespace e2e
