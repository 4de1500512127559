#include "actions/splash_time.h"

#include "config/value_parse.h"

namespace lumora {

std::optional<SplashShow> PlannedSplash(const std::optional<StringList>& splash) {
    if (!splash || splash->size() < 2) {
        return std::nullopt;
    }
    const unsigned seconds = static_cast<unsigned>(ParseDecimal((*splash)[1]));
    if (seconds == 0) {
        return std::nullopt;
    }
    return SplashShow{(*splash)[0], seconds < kMaxSplashSeconds ? seconds : kMaxSplashSeconds};
}

}  // namespace lumora
