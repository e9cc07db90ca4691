#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "table/CardTableLogicHandler.h"
#include "table/TableHandOver.h"

namespace zuno {

class BankerTableScreen;
struct BankerHand;

// The events both banker games receive alike, handed over to the game's table screen by one
// implementation; each game's handler adds its deal, its result records and (Xi Zach) its turns.
// Reader-thread operations, one per decoded message; the screen work runs on the main thread. The seat
// players they carry are BaiCaoPlayer records.
class BankerTableLogicHandler : public CardTableLogicHandler {
public:
    void setScreenAccess(TableScreenAccess<BankerTableScreen, TienLenPlayerPtr> access);

    void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     std::vector<TienLenPlayerPtr> players) override;
    void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) override;
    void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) override;
    void onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) override;
    void onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) override;
    void onBuzzWithContent(std::string content) override;

    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady);
    // One player's stake (`who`), from either of the two stake messages.
    virtual void onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money, int32_t withWho);
    virtual void onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                        std::string des);
    // The server's result text for one player; the message names no table.
    virtual void onDiemSoWithWho(int32_t who, std::string des);
    // The cards whoMove shows (-1 where one stays hidden).
    virtual void onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, std::vector<int8_t> cards);

protected:
    // A deal starts at the table: the ready flags are cleared first, then the screen deals.
    void startDeal(int8_t roomId, int8_t boardId, int8_t interval, std::optional<int32_t> whoMove,
                   std::vector<int8_t> cards);
    // The end of a deal, whatever the table (the server judges): ready allowed again, then the hands.
    void stopDeal(std::vector<BankerHand> hands);
    void playingDeal(int8_t roomId, int8_t boardId, int8_t interval, std::vector<BankerHand> hands);

    TableHandOver<BankerTableScreen, TienLenPlayerPtr> handOver_;
};

}  // namespace zuno
