// Which region a point hits where shapes overlap: the first in list order. Each front end tests
// one shape its own way (a GDI region, a polygon's pixels). Portable.
#pragma once

namespace lumora {

// The first index below count whose shape `holds` the point, -1 for none.
template <typename Holds>
int FirstRegionHit(int count, Holds holds) {
    for (int i = 0; i < count; ++i) {
        if (holds(i)) {
            return i;
        }
    }
    return -1;
}

}  // namespace lumora
