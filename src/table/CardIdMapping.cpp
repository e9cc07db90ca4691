#include "table/CardIdMapping.h"

namespace zuno {

namespace {
constexpr int kCards = 52;
constexpr int kImageOfTienLenZero = 100;
}  // namespace

int CardIdMapping::mapToRealCardIdWithId(int8_t phomId) {
    if (phomId < 0 || phomId >= kCards) return kCardBack;
    int tienLenId = phomId > 7 ? phomId - 8 : phomId + 44;
    return tienLenId == 0 ? kImageOfTienLenZero : tienLenId;
}

int8_t CardIdMapping::mapToPhomValue(int8_t phomId) {
    int image = mapToRealCardIdWithId(phomId);
    if (image == kCardBack) return -1;
    if (image == kImageOfTienLenZero) return 8;
    return static_cast<int8_t>(image < 44 ? image + 8 : image - 44);
}

}  // namespace zuno
