// How a penalty shoot-out runs: the teams kick in turn, five each, and then in pairs until a pair
// parts them; it ends as soon as one team can no longer be caught, so no kick follows that.
#pragma once

#include <vector>

namespace pitchlog::entry {

// Whether kicks were entered that could not have been taken: each side's kicks in order (true:
// scored). Either team may have kicked first; the counts may differ by one at most, and a
// shoot-out that is still going on is no fault.
bool KickedAfterTheEnd(const std::vector<bool>& home, const std::vector<bool>& away);

}  // namespace pitchlog::entry
