// Random received frames through the lobby dispatcher, with each game's decoder installed in turn
// (or none). Every frame must be decoded or dropped: nothing may crash, read out of bounds or fail
// with anything but a read past the end of the message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "games/GameMessageHandlers.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyUi.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {

// Screens that take every path of the decoders: the shop and profile on top, pages cached.
class Screens : public ILobbyUi {
public:
    std::optional<int8_t> shopScreenUserGender() const override { return gender; }
    std::optional<int8_t> profileScreenUserGender() const override { return gender; }
    std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t id) override {
        auto& page = itemPages[id % 4];
        if (!page) page = std::make_shared<ItemsOfCategory>();
        return page;
    }
    std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t id) override {
        auto& page = userItemPages[id % 4];
        if (!page) page = std::make_shared<UserItemsOfCategory>();
        return page;
    }
    bool topScreenRefusesInvitations() const override { return gender == 1; }
    bool checkApStore() const override { return gender == 1; }

    std::optional<int8_t> gender;
    std::map<int32_t, std::shared_ptr<ItemsOfCategory>> itemPages;
    std::map<int32_t, std::shared_ptr<UserItemsOfCategory>> userItemPages;
};

void setUpOnce() {
    sys::Log::startCapture();
    auto& loop = sys::RunLoop::main();
    loop.bindToCurrentThread();
    loop.setVirtualClock(true);
    registerGameMessageHandlers();
    // Requests that decoders send (the second client information) go nowhere.
    GlobalService::getInstance().set_session(nullptr);
    UIController::setInviting(true);
}

void checkFailures() {
    for (const std::string& line : sys::Log::captured()) {
        if (line.rfind("Exception ", 0) == 0 && line != "Exception RangeException") {
            std::fprintf(stderr, "unexpected failure: %s\n", line.c_str());
            std::abort();
        }
    }
    sys::Log::clearCaptured();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUpOnce(), true);
    (void)ready;
    FuzzedDataProvider in(data, size);
    GlobalMessageHandler& dispatcher = GlobalMessageHandler::getInstance();

    auto handlers = GlobalLogicHandler::getGameMessageHandlers();
    size_t choice = in.ConsumeIntegralInRange<size_t>(0, handlers.size());
    dispatcher.setGameMessageHandler(choice == 0 ? nullptr : handlers[choice - 1]);
    auto screens = std::make_shared<Screens>();
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: break;
        case 1: screens->gender = 0; break;
        default: screens->gender = 1; break;
    }
    dispatcher.setLobbyUi(screens);
    Province::setList({});

    while (in.remaining_bytes() > 0) {
        std::vector<uint8_t> frame = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(1, 600));
        if (frame.empty()) break;
        Message message = Message::initWithRawData(frame.data(), frame.size());
        dispatcher.onMessage(message);
        sys::RunLoop::main().runFor(0);
        checkFailures();
    }

    dispatcher.setLobbyUi(nullptr);
    dispatcher.setGameMessageHandler(nullptr);
    return 0;
}
