// Section "Publisher": the disc's own texts on the Support and About pages of the preferences.
#pragma once

#include "check_context.h"

namespace lumora::disc {

// A section without any text, and texts longer than their line on a page shows. Its keys are
// checked with every other section's (CheckKeys).
void CheckPublisher(const CheckContext& context);

}  // namespace lumora::disc
