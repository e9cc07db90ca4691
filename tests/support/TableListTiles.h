// The table list's grid as a player sees it: the pull-to-refresh header first, then one tile per
// table, the tile's button on top.
#pragma once

#include <cstddef>
#include <memory>

namespace zuno {
class BoardView;
}
namespace zuno::ui {
class Control;
}

namespace zuno::testing {

// The button of the tile of the list's table at the index; none, failing the test with the step, when
// the list shows no such tile or the tile no button.
std::shared_ptr<ui::Control> tableButton(const BoardView& tables, size_t index);

}  // namespace zuno::testing
