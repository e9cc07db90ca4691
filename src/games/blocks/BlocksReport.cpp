#include "games/blocks/BlocksReport.h"

namespace zuno {

BlocksReport BlocksReport::landing(const tBlock& block, int8_t index, int32_t idMessage) {
    BlocksReport report;
    report.index = index;
    report.type = static_cast<int8_t>(block.kind());
    report.ro = static_cast<int8_t>((4 - block.rotation()) % 4);
    report.posX = static_cast<int8_t>(block.wellColumn(0));
    report.posY = static_cast<int8_t>(block.wellRow(2));
    report.idMessage = idMessage;
    return report;
}

BlocksReport BlocksReport::loss(int8_t index, int32_t idMessage) {
    BlocksReport report;
    report.index = index;
    report.type = 0;
    report.ro = 0;
    report.posX = 3;
    report.posY = -1;
    report.idMessage = idMessage;
    return report;
}

}  // namespace zuno
