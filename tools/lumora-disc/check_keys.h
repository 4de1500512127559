// The keys of every section that Lumora reads, against the tables of the readers themselves: keys
// it does not read there (with the nearest one it reads, when that is close), keys written twice,
// lines without '=', and values it reads otherwise than they look.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check_context.h"

namespace lumora::disc {

// Runs after the sections have been read: it checks those the context noted.
void CheckKeys(const CheckContext& context);

// The edit distance of two names, letter case ignored: insertions, deletions, replacements and
// swaps of two neighbouring letters count one each.
size_t NameDistance(std::string_view a, std::string_view b);

// The name nearest to a misspelled one, when it is near enough to be a slip of the hand: at most
// one edit in three letters, and four in all. The first of equally near names.
std::optional<std::string> NearestName(std::string_view name,
                                       const std::vector<std::string>& names);

}  // namespace lumora::disc
