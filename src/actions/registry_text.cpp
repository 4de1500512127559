#include "actions/registry_text.h"

namespace lumora {

void RegistrySubtract(std::string& text, int count) {
    // In 64 bits, so that no count overflows the subtraction.
    const long long keep = static_cast<long long>(text.size()) - count;
    if (keep <= 0) {
        text.clear();
    } else if (keep < static_cast<long long>(text.size())) {
        text.resize(static_cast<size_t>(keep));
    }
}

void RegistryAppend(std::string& text, const std::string& tail) {
    text += tail;
}

}  // namespace lumora
