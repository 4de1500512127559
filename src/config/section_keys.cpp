#include "config/section_keys.h"

namespace lumora {

std::optional<std::string> SectionKeys::Path(unsigned id) const {
    std::optional<std::string> value = Text(id);
    if (value && context_.expandPath) {
        context_.expandPath(*value);
    }
    return value;
}

Point SectionKeys::PointOrOrigin(unsigned id) const {
    const std::optional<std::string> value = Text(id);
    return value ? ParsePoint(*value) : Point{};
}

bool PositiveFlagIsOn(std::string_view value) {
    return ParseDecimal(value) > 0;
}

bool NonZeroFlagIsOn(std::string_view value) {
    return ParseDecimal(value) != 0;
}

// The flags are read from the text, so that a value of the integer reader's "absent" number
// counts as the number it is.
bool SectionKeys::PositiveFlag(unsigned id) const {
    const std::optional<std::string> value = Text(id);
    return value && PositiveFlagIsOn(*value);
}

bool SectionKeys::NonZeroFlag(unsigned id) const {
    const std::optional<std::string> value = Text(id);
    return value && NonZeroFlagIsOn(*value);
}

}  // namespace lumora
