// A launched application with a card table open: I am player 10, owner of a four-seat Tien Len table
// (room 1, table 2, stake 100) unless a test seats it otherwise.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/banker/BaiCaoView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"
#include "support/ServiceRecording.h"
#include "table/GameController.h"
#include "table/TienLenPlayer.h"

namespace zuno::testing {

inline PlayerPtr seatPlayer(int32_t id, const std::string& name, int64_t money = 1000, bool ready = false) {
    auto p = std::make_shared<TienLenPlayer>();
    p->setIDDB(id);
    p->setName(name);
    p->setMoney(money);
    p->setIsReady(ready);
    return p;
}

// The bytes one call of a service sends.
template <class Service, class Call>
sys::Data bytesOf(Service& service, Call call) {
    ServiceRecording recording(service);
    call(service);
    return recording.takeOne();
}

class TableTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        launch();
        me = seatPlayer(10, "me", 1000);
        UIController::setMyInfo(me);
    }

    std::vector<PlayerPtr> fourPlayers() {
        return {seatPlayer(20, "an"), me, seatPlayer(30, "binh"), seatPlayer(40, "chi")};
    }

    // Opens the table screen of the game type through the registry.
    std::shared_ptr<GameCardView> open(int8_t gameType, std::vector<PlayerPtr> players, int32_t owner = 10,
                                       int32_t stake = 100) {
        UIController::setGameType(gameType);
        if (gameType == 3) {
            GameController::showTienLenScreenWithRoom(1, 2, owner, stake, std::move(players));
            run(1);
            return GameController::getTienLenView();
        }
        GameController::showBaiCaoScreenWithRoom(1, 2, owner, stake, std::move(players));
        run(1);
        return std::static_pointer_cast<GameCardView>(GameController::getBaiCaoView());
    }

    PlayerPtr me;
};

}  // namespace zuno::testing
