#include <gtest/gtest.h>

#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "games/tienlen/TienLenService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

namespace {
using Cards = std::vector<int8_t>;

class MoveRecorder : public TienLenLogicHandler {
public:
    void onMoveWithRoomId(int8_t, int8_t, int32_t, CardIds cards, int32_t) override { moved = cards; }
    CardIds moved{-1};
};
}  // namespace

TEST(TienLenService, RequestBytesOfBothGames) {
    const struct {
        std::string name;
        std::function<void(TienLenService&)> call;
        sys::Data bytes;
    } cases[] = {
        {"a set in the order given", [](auto& s) { s.moveWithRoomId(1, 3, Cards{9, 4, 51}); }, {21, 1, 3, 3, 9, 4, 51}},
        {"no cards", [](auto& s) { s.moveWithRoomId(-2, 3, Cards{}); }, {21, 0xFE, 3, 0}},
        {"instant win claim", [](auto& s) { s.forceFinishWithRoomId(1, 3); }, {53, 1, 3}},
    };
    for (TienLenService* service : {&TienLenService::getInstance(), static_cast<TienLenService*>(&TienLenMBService::getInstance())}) {
        for (const auto& c : cases) {
            ServiceRecording rec(*service);
            c.call(*service);
            EXPECT_EQ(rec.takeOne(), c.bytes) << c.name;
        }
    }
}

// The server answers a move with the ids as it got them; read back, they are the ones sent.
TEST(TienLenService, MoveRequestReadBackAsTheServersMove) {
    ServiceRecording rec(TienLenService::getInstance());
    const Cards sent{51, 0, 47, 12};
    TienLenService::getInstance().moveWithRoomId(1, 3, sent);
    const sys::Data request = rec.takeOne();
    ASSERT_EQ(request.size(), 4 + sent.size());

    // SC_MOVE: room, table, mover, then the request's count and ids as they stand, then the next player.
    sys::Data echo{21, request[1], request[2], 0, 0, 0x12, 0x67};
    echo.insert(echo.end(), request.begin() + 3, request.end());
    echo.insert(echo.end(), {0, 0, 0x23, 0x29});
    auto recorder = std::make_shared<MoveRecorder>();
    TienLenMessageHandler::getInstance()->setTienlenLogicHandler(recorder);
    Message message = Message::initWithRawData(echo);
    TienLenMessageHandler::getInstance()->onMessage(message);
    TienLenMessageHandler::getInstance()->setTienlenLogicHandler(nullptr);
    EXPECT_EQ(recorder->moved, sent);
}
