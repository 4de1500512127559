// What a disc says about itself on the Support and About pages of the preferences: the texts of
// its optional "Publisher" section and where each page shows them. Without the section the pages
// show Lumora's own pictures. Portable.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "config/section_entries.h"
#include "imaging/pixel_rect.h"
#include "resource.h"

namespace lumora {

// The keys of section "Publisher", in the order the reference lists them.
inline constexpr unsigned kPublisherKeys[] = {IDS_KEY_PRODUCT,   IDS_KEY_COMPANY, IDS_KEY_ADDRESS,
                                              IDS_KEY_TELEPHONE, IDS_KEY_WEB,     IDS_KEY_HOURS,
                                              IDS_KEY_COPYRIGHT};

// The section's texts by key id, as reads give them; empty when the disc gives none.
using PublisherTexts = std::map<unsigned, std::string>;

using TextById = std::function<std::string(unsigned id)>;

PublisherTexts ReadPublisherTexts(const SectionEntries& section, const TextById& text);

// One line of a page, in dialog units of the page (252 x 143): a label, when it has one, in a
// column of its own, and the text.
struct InfoLine {
    unsigned key = 0;   // the "Publisher" key it shows; 0 for the Support page's heading
    std::string label;  // empty: the text starts at the left margin
    std::string text;
    PixelRect labelRect;
    PixelRect textRect;

    // About how many characters of the text its line shows: a dialog unit is a quarter of the
    // font's average character width.
    int Room() const { return textRect.width() / 4; }
};

// What the Support page shows: its heading, the product, publisher, telephone and web rows and
// the hours. Empty when the texts are: the page then shows its picture.
std::vector<InfoLine> SupportPageLines(const PublisherTexts& texts, const TextById& text);
// What the About page shows: the product, publisher and address lines, the telephone and web rows
// and the copyright.
std::vector<InfoLine> AboutPageLines(const PublisherTexts& texts, const TextById& text);

}  // namespace lumora
