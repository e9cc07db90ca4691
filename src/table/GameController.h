#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lobby/model/Player.h"
#include "shell/UIController.h"

namespace zuno {

class TienLenView;
class TienLenMBView;
class PhomView;
class PhomNewView;
class CoTuongView;
class CoVuaView;
class BaiCaoView;
class XiZachView;
class CaroView;
class BlocksView;
class PokerView;

// The table screens of the run: it registers the described games' decoders at start-up, sends the
// player's game choice, and keeps one slot per game for its table screen, made from its interface
// file on the first join of the game and reused for the rest of the run. Each game folder opens its
// own screen (the show...ScreenWithRoom operations live with their game) through the openers here.
// Class operations only, on the main thread.
class GameController : public UIController {
public:
    using Players = std::vector<PlayerPtr>;

    GameController() = delete;

    // Appends the decoder of every described game to the session logic's registry, then runs each
    // game's start-up.
    static void startGame();
    // Sends the choice of a game; the server's confirmation does the rest.
    static void doPlayWithGameId(int8_t gameType);

    static std::shared_ptr<TienLenView> getTienLenView();
    static void setTienLenView(std::shared_ptr<TienLenView> view);
    static std::shared_ptr<TienLenMBView> getTienLenMBView();
    static void setTienLenMBView(std::shared_ptr<TienLenMBView> view);
    static std::shared_ptr<PhomView> getPhomView();
    static void setPhomView(std::shared_ptr<PhomView> view);
    static std::shared_ptr<PhomNewView> getPhomNewView();
    static void setPhomNewView(std::shared_ptr<PhomNewView> view);
    static std::shared_ptr<CoTuongView> getCoTuongView();
    static void setCoTuongView(std::shared_ptr<CoTuongView> view);
    static std::shared_ptr<CoVuaView> getCoVuaView();
    static void setCoVuaView(std::shared_ptr<CoVuaView> view);
    static std::shared_ptr<BaiCaoView> getBaiCaoView();
    static void setBaiCaoView(std::shared_ptr<BaiCaoView> view);
    static std::shared_ptr<XiZachView> getXiZachView();
    static void setXiZachView(std::shared_ptr<XiZachView> view);
    static std::shared_ptr<CaroView> getCaroView();
    static void setCaroView(std::shared_ptr<CaroView> view);
    static std::shared_ptr<BlocksView> getBlocksView();
    static void setBlocksView(std::shared_ptr<BlocksView> view);
    static std::shared_ptr<PokerView> getPokerView();
    static void setPokerView(std::shared_ptr<PokerView> view);

    // The join reply of each game: room, table, owner's id, stake and the players (-1 ids for empty
    // seats). Creates the screen once, pushes it and seats the players.
    static void showTienLenScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showTienLenMBScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showPhomScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showPhomNewScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showPokerScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showBaiCaoScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showXiZachScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showCoTuongScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showCoVuaScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showCaroScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);
    static void showBlocksScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players);

    // A card table (a CardTableSeating screen): room, table and stake set before the push where the
    // game wants it, then reset and seated.
    static void openCardTable(const std::shared_ptr<ui::ViewController>& screen, bool setBeforePush, int8_t room,
                              int8_t board, int32_t owner, int32_t money, Players players);
    // A board table (a BoardTableSeating screen): pushed, then seated.
    static void openBoardTable(const std::shared_ptr<ui::ViewController>& screen, int8_t room, int8_t board,
                               int32_t owner, int32_t money, Players players);

    // The screen of a game's slot, made from the game's interface file the first time.
    template <class Screen>
    static std::shared_ptr<Screen> madeOnFirstJoin(std::shared_ptr<Screen> (*get)(),
                                                   void (*set)(std::shared_ptr<Screen>),
                                                   const std::string& interfaceFile) {
        if (!get()) set(std::make_shared<Screen>(interfaceFile));
        return get();
    }

    // Tests: empty every slot.
    static void resetForTests();
};

}  // namespace zuno
