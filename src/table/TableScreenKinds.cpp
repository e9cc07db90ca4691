#include "table/TableScreenKinds.h"

#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "table/GameCardView.h"

namespace zuno {

bool isBlocksScreen(const ui::ViewController* screen) { return dynamic_cast<const BlocksView*>(screen); }

// Tien Len, Tien Len Mien Bac, Bai Cao and Xi Zach are card-table screens; new Phom is a Phom screen.
bool isTableScreenWithoutBlocks(const ui::ViewController* screen) {
    return dynamic_cast<const GameCardView*>(screen) || dynamic_cast<const PhomView*>(screen) ||
           dynamic_cast<const PokerView*>(screen) || dynamic_cast<const CoTuongView*>(screen) ||
           dynamic_cast<const CoVuaView*>(screen) || dynamic_cast<const CaroView*>(screen);
}

bool isTableScreen(const ui::ViewController* screen) {
    return isTableScreenWithoutBlocks(screen) || isBlocksScreen(screen);
}

}  // namespace zuno
