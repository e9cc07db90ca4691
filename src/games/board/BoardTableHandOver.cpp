#include "games/board/BoardTableHandOver.h"

#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

void BoardTableHandOver::joined(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                ChessPlayers players) const {
    handOver_.onJoin(roomId, boardId, ownerId, money, std::move(players), nullptr,
                     [](BoardTableScreen& table) { table.switchToMe(); });
}

void BoardTableHandOver::chat(int8_t roomId, int8_t boardId, std::string line, int32_t fromId) const {
    handOver_.onTable(roomId, boardId,
                      [line = std::move(line), fromId](BoardTableScreen& table) { table.onChatFromWithId(fromId, line); });
}

void BoardTableHandOver::kicked(int8_t roomId, int8_t boardId, int32_t kickedId) const {
    handOver_.onTable(roomId, boardId, [this, kickedId](BoardTableScreen& table) {
        table.playerLeaveWithId(kickedId);
        // Also when the screen has left the stack: then nothing is popped, the dialog still shows.
        if (kickedId == UIController::myId()) handOver_.leaveKicked(table);
    });
}

void BoardTableHandOver::someoneJoined(int8_t seat, std::shared_ptr<ChessPlayer> player) const {
    if (!player) return;
    handOver_.onScreen([seat, player = std::move(player)](BoardTableScreen& table) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
        player->setIsReady(false);
        table.setAtSeat(seat, player);
    });
}

void BoardTableHandOver::someoneLeft(int32_t leaveId, int32_t newOwnerId) const {
    handOver_.onDeparture([leaveId, newOwnerId](BoardTableScreen& table) {
        table.setOwnerWithNewOwner(newOwnerId);
        if (table.table().isInBoard)
            table.closeBoardWithInfo(text("ZUNO_opponentQuit"));
        else
            table.setKindOfStart(0);
        table.playerLeaveWithId(leaveId);
    });
}

void BoardTableHandOver::someoneReady(int32_t playerId, bool isReady) const {
    handOver_.onScreen([playerId, isReady](BoardTableScreen& table) { table.setReadyWithId(playerId, isReady); });
}

void BoardTableHandOver::stakeSet(int8_t roomId, int8_t boardId, int32_t money) const {
    handOver_.onTable(roomId, boardId, [money](BoardTableScreen& table) {
        table.resetReady();
        table.setMoney(money);
    });
}

void BoardTableHandOver::forceLose(int8_t roomId, int8_t boardId, int32_t whoLose) const {
    const bool iWin = whoLose != UIController::myId();
    handOver_.onTable(roomId, boardId, [iWin](BoardTableScreen& table) {
        if (iWin) PlaySound::playSoundWin();
        table.closeBoardWithInfo(text(iWin ? "ZUNO_youWinTimeOut" : "ZUNO_youLoseTimeOut"));
    });
}

void BoardTableHandOver::opponentWantsDraw(int8_t roomId, int8_t boardId) const {
    handOver_.onTable(roomId, boardId, [](BoardTableScreen&) {
        UIController::setOkValue(UIController::okAnswerDraw);
        UIController::startCancelOkDlg(text("ZUNO_oppWantDraw"), text("ZUNO_no"), text("ZUNO_OK"));
    });
}

void BoardTableHandOver::matchResult(MatchResults results) const {
    const Rules rules = rules_;
    handOver_.onScreen([results = std::move(results), rules](BoardTableScreen& table) {
        PlayerPtr myInfo = UIController::myInfo();
        for (const auto& row : table.table().applyMatchResults(results, myInfo.get())) {
            if (rules.closeBeforeOwnResult) table.closeBoardWithInfo("");
            UIController::startReportDlg(*row);
        }
        if (rules.resetReadyAfterResult)
            table.resetReady();
        else
            table.redrawSeats();
    });
}

void BoardTableHandOver::buzz(std::string content) const {
    handOver_.onScreen([content = std::move(content)](BoardTableScreen& table) { table.onBuzzWithContent(content); });
}

void BoardTableHandOver::gameDrawn(int8_t roomId, int8_t boardId) const {
    handOver_.onTable(roomId, boardId, [](BoardTableScreen& table) {
        table.closeBoardWithInfo(text("ZUNO_gameDraw"));
        table.setDrawTitle(text("ZUNO_pleaseDraw"));
    });
}

void BoardTableHandOver::drawDenied(int8_t roomId, int8_t boardId) const {
    handOver_.onTable(roomId, boardId, [](BoardTableScreen& table) {
        table.table().isDrawing = false;
        table.setDrawTitle(text("ZUNO_pleaseDraw"));
        UIController::startOKDlg(text("ZUNO_oppNotAgree"));
    });
}

void BoardTableHandOver::resigned(int8_t roomId, int8_t boardId, int32_t whoLose) const {
    const bool iWin = whoLose != UIController::myId();
    handOver_.onTable(roomId, boardId, [iWin](BoardTableScreen& table) {
        if (iWin) PlaySound::playSoundWin();
        table.setLoseTitle(text("ZUNO_pleaseLose"));
        table.closeBoardWithInfo(text(iWin ? "ZUNO_youWin" : "ZUNO_youLose"));
    });
}

}  // namespace zuno
