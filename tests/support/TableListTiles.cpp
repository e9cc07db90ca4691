#include "support/TableListTiles.h"

#include <gtest/gtest.h>

#include "platform/ui/Control.h"
#include "platform/ui/ScrollView.h"
#include "screens/BoardView.h"

namespace zuno::testing {

std::shared_ptr<ui::Control> tableButton(const BoardView& tables, size_t index) {
    const auto& tiles = tables.scrollView->subviews();
    if (index + 1 >= tiles.size()) {
        ADD_FAILURE() << "tapping table " << index << " of the table list: it shows " << (tiles.empty() ? 0 : tiles.size() - 1) << " tables";
        return nullptr;
    }
    const auto& parts = tiles[index + 1]->subviews();
    auto button = parts.empty() ? nullptr : std::dynamic_pointer_cast<ui::Control>(parts.back());
    if (!button) ADD_FAILURE() << "tapping table " << index << " of the table list: its tile has no button";
    return button;
}

}  // namespace zuno::testing
