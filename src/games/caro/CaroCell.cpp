#include "games/caro/CaroCell.h"

namespace zuno {

namespace {
int32_t gRealCellWidth = 0;
}

int32_t CaroCell::realCellWidth() { return gRealCellWidth; }

void CaroCell::setRealCellWidth(int32_t width) { gRealCellWidth = width; }

}  // namespace zuno
