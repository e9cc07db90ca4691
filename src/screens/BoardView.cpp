#include "screens/BoardView.h"

#include <atomic>

namespace zuno {

namespace {
// Written by the game decoders on the connection's reader thread, read by the screens.
std::atomic<int32_t> tableListType{0};
std::atomic<int32_t> buttonsHeldDown{0};
}  // namespace

int32_t BoardView::type() { return tableListType; }
void BoardView::setType(int32_t type) { tableListType = type; }

int32_t BoardView::numOfTouchUp() { return buttonsHeldDown; }
void BoardView::setnumOfTouchUp(int32_t count) { buttonsHeldDown = count; }

}  // namespace zuno
