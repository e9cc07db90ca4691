#pragma once

#include <algorithm>
#include <array>

#include "games/phom/PhomTableLogicHandler.h"
#include "support/AceLowCards.h"

namespace zuno::testing {

// The cards each of four players holds at a Phom deal's end, by name ("4S JD"), by index in the table's
// players.
inline PhomLeftoverCards leftoversOf(const std::array<const char*, 4>& rows) {
    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);
    for (size_t p = 0; p < rows.size(); ++p) {
        const auto ids = aceLowCards(rows[p]);
        std::copy(ids.begin(), ids.end(), leftovers[p].begin());
    }
    return leftovers;
}

}  // namespace zuno::testing
