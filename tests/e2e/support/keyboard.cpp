#include "keyboard.h"

#include "process.h"

namespace e2e {

void PressKeys(const std::vector<std::string>& keys) {
    std::vector<std::string> argv{"xdotool", "key", "--delay", "60"};
    argv.insert(argv.end(), keys.begin(), keys.end());
    Run(argv);
}

}  // namespace e2e
