// Section "Publisher": the disc's own texts on the Support and About pages of the preferences.
#pragma once

#include "check_context.h"

namespace lumora::disc {

// Keys that Lumora does not read there, a section without any text, and texts longer than their
// line on a page shows.
void CheckPublisher(const CheckContext& context);

}  // namespace lumora::disc
