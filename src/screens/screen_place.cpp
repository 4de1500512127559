#include "screens/screen_place.h"

#include "config/settings.h"
#include "imaging/rect_conversion.h"
#include "screens/layout.h"

namespace lumora {

RECT ScreenWindowPlace(int pictureWidth, int pictureHeight, int scale) {
    const PixelSize display{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return ToRect(ScreenWindowRect(PixelSize{pictureWidth, pictureHeight}, Settings().blackMat != 0,
                                   display, scale));
}

}  // namespace lumora
