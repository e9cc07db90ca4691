#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/Player.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ViewController.h"
#include "shell/UIController.h"

namespace zuno {

namespace ui {
class NavigationController;
}  // namespace ui

// How a game's logic handler reaches its table screen: the game registry fills these in (the screen
// of the game, made on the first join; its opening from a join reply; the navigation stack it is
// pushed on). Any of them may be empty, and then the events that need it change nothing.
template <class Screen, class PlayerRecord = PlayerPtr>
struct TableScreenAccess {
    using Players = std::vector<PlayerRecord>;

    std::function<std::shared_ptr<Screen>()> screen;
    std::function<void(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, const Players& players)>
        showScreen;
    std::function<std::shared_ptr<ui::NavigationController>()> navigation;
};

// Back to the screen below the table, wherever the table stands in the stack (a sheet may cover it);
// a table no longer in the stack leaves the stack as it is.
void popToScreenBelow(ui::NavigationController& navigation, const ui::ViewController* table);
// The own player was kicked: back below the table (if it is still in the stack) and the kick dialog.
void leaveKickedTable(const std::shared_ptr<ui::NavigationController>& navigation, const ui::ViewController* table);

// The hand-over of one game's table events from the connection's reader thread to its table screen.
// Every event's work runs on the main thread, in arrival order, with the screen as it is then; nothing
// touches a screen or the own player on the reader thread. `Screen` answers roomId() and boardId().
// A logic handler keeps one and reads the decoded fields into the work it hands over.
template <class Screen, class PlayerRecord = PlayerPtr>
class TableHandOver {
public:
    using Access = TableScreenAccess<Screen, PlayerRecord>;
    using Players = typename Access::Players;
    using Work = std::function<void(Screen&)>;

    void setScreenAccess(Access access) {
        std::lock_guard<std::mutex> lock(mutex_);
        access_ = std::move(access);
    }
    Access screenAccess() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return access_;
    }

    // Main thread: the game's screen, if it has one yet.
    std::shared_ptr<Screen> screen() const {
        Access access = screenAccess();
        return access.screen ? access.screen() : nullptr;
    }

    // Runs the work on the main thread with the current screen, if there is one.
    void onScreen(Work work) const {
        sys::RunLoop::main().post([this, work = std::move(work)] {
            if (auto table = screen()) work(*table);
        });
    }

    // The same, only when the screen shows that table. Room and table ids are bytes as the wire has
    // them (ids of 128 and more are negative on both sides of the comparison).
    void onTable(int8_t roomId, int8_t boardId, Work work) const {
        onScreen([roomId, boardId, work = std::move(work)](Screen& table) {
            if (table.roomId() == roomId && table.boardId() == boardId) work(table);
        });
    }

    // A departure: the reader thread waits until the screen has applied it, so that the next message
    // (often a join to the freed seat) finds the seat empty.
    void onDeparture(Work work) const {
        sys::RunLoop::main().postAndWait([this, &work] {
            if (auto table = screen()) work(*table);
        });
    }

    // The join reply, on the main thread: the owner is marked ready, my balance is the one listed for
    // me (`takeMine` takes more of my listed record, if given), the screen opens (made on the game's
    // first join), and the work applies to it. No match test: the reply names the table the screen is
    // about to show.
    void onJoin(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, Players players,
                std::function<void(const PlayerRecord& mine)> takeMine, Work work) const {
        sys::RunLoop::main().post([this, roomId, boardId, ownerId, money, players = std::move(players),
                                   takeMine = std::move(takeMine), work = std::move(work)] {
            PlayerPtr myInfo = UIController::myInfo();
            for (const auto& player : players) {
                if (!player) continue;
                if (player->IDDB() == ownerId) player->setIsReady(true);
                if (!myInfo || player->IDDB() != myInfo->IDDB()) continue;
                myInfo->setMoney(player->money());
                if (takeMine) takeMine(player);
            }
            Access access = screenAccess();
            if (access.showScreen) access.showScreen(roomId, boardId, ownerId, money, players);
            if (auto table = screen()) work(*table);
        });
    }

    // The events every card table hands over alike (Screen being a CardTableScreen): the join reply
    // (first match, ready allowed, no deal, seats placed), table chat, a kick (mine leaves the table),
    // a ready flag, the stake, a nudge.
    void onJoinedCardTable(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, Players players,
                           std::function<void(const PlayerRecord& mine)> takeMine = nullptr) const {
        onJoin(roomId, boardId, ownerId, money, std::move(players), std::move(takeMine), [](Screen& table) {
            table.setIsFirstMatch(true);
            table.setDisableReady(false);
            table.setModeWithHas(false);
            table.resetSeat();
        });
    }
    void onChat(int8_t roomId, int8_t boardId, std::string text, int32_t from) const {
        onTable(roomId, boardId,
                [text = std::move(text), from](Screen& table) { table.onChatFromWithId(from, std::nullopt, text); });
    }
    void onKicked(int8_t roomId, int8_t boardId, int32_t kickedId) const {
        onTable(roomId, boardId, [this, kickedId](Screen& table) {
            table.playerLeaveWithId(kickedId);
            if (kickedId == UIController::myId()) leaveKicked(table);
            else table.resetSeat();
        });
    }
    void onReady(int32_t playerId, bool isReady) const {
        onScreen([playerId, isReady](Screen& table) {
            table.setReadyWithPlayerId(playerId, isReady);
            table.resetSeat();
        });
    }
    void onStake(int8_t roomId, int8_t boardId, int32_t money) const {
        onTable(roomId, boardId, [money](Screen& table) { table.setMoneyOnBoard(money); });
    }
    void onBuzz(std::string content) const {
        onScreen([content = std::move(content)](Screen& table) { table.onBuzzWithContent(content); });
    }

    // A money bonus of a card table: none for 0; on the table shown, the own balance first (also when
    // the receiver is not listed), then, for a listed player with a name, the description in the
    // receiver's bubble, the fly-text and the seat's money.
    void onBonus(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money, std::string des) const {
        if (money == 0) return;
        onTable(roomId, boardId, [whoBonus, money, des = std::move(des)](Screen& table) {
            PlayerPtr myInfo = UIController::myInfo();
            if (myInfo && whoBonus == myInfo->IDDB()) myInfo->addMoney(money);
            for (const auto& player : table.players()) {
                if (!player || player->IDDB() != whoBonus) continue;
                if (player->name().empty()) return;
                table.onChatFromWithId(whoBonus, std::nullopt, des);
                table.showFlyTextWirhFromId(whoBonus, money);
                table.updateMoneyForPlayer(whoBonus, money);
                return;
            }
        });
    }

    // Main thread: the own player was kicked from the table shown.
    void leaveKicked(const Screen& table) const {
        Access access = screenAccess();
        leaveKickedTable(access.navigation ? access.navigation() : nullptr,
                         dynamic_cast<const ui::ViewController*>(&table));
    }

private:
    mutable std::mutex mutex_;
    Access access_;
};

}  // namespace zuno
