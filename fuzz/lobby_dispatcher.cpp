// Random received frames through the lobby dispatcher, with each game's decoder installed in turn
// (or none). Every frame must be decoded or dropped: nothing may crash, read out of bounds or fail
// with anything but a read past the end of the message.
//
// Input: one byte choosing the game decoder (0 for none), one byte choosing the screens, then frames,
// each a 16-bit big-endian length and that many bytes (command id and payload); the last frame takes
// what is left. fuzz/corpus/lobby_dispatcher holds one seed per lobby decoder in this form.
//
// Each input starts from the same state and frees what it made: session logic, session state and
// lists are put back after it, so the fuzzer's leak check (run whenever an input allocates more than
// it frees) stays rare.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "client/Games.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyUi.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Animation.h"
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
    describeGames();
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

// A session logic of its own for each input, dropped with everything it kept.
class FreshLogic : public GlobalLogicHandler {};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = (setUpOnce(), true);
    (void)ready;
    if (size < 2) return 0;
    GlobalMessageHandler& dispatcher = GlobalMessageHandler::getInstance();

    auto handlers = GlobalLogicHandler::getGameMessageHandlers();
    size_t choice = data[0] % (handlers.size() + 1);
    dispatcher.setGameMessageHandler(choice == 0 ? nullptr : handlers[choice - 1]);
    auto screens = std::make_shared<Screens>();
    switch (data[1] % 3) {
        case 0: break;
        case 1: screens->gender = 0; break;
        default: screens->gender = 1; break;
    }
    dispatcher.setLobbyUi(screens);
    dispatcher.setGlobalLogicHandler(std::make_shared<FreshLogic>());

    for (size_t at = 2; at < size;) {
        size_t length = size - at;
        if (length >= 2) {
            length = std::min<size_t>((size_t{data[at]} << 8) | data[at + 1], size - at - 2);
            at += 2;
        }
        const uint8_t* body = data + at;
        at += length;
        if (length == 0) continue;
        Message message = Message::initWithRawData(body, length);
        dispatcher.onMessage(message);
        sys::RunLoop::main().runFor(0);
        checkFailures();
    }

    dispatcher.setLobbyUi(nullptr);
    dispatcher.setGameMessageHandler(nullptr);
    dispatcher.setGlobalLogicHandler(nullptr);
    UIController::resetSessionState();
    UIController::setInviting(true);
    Province::setList({});
    for (const auto& alert : ui::AlertView::visibleAlerts()) alert->dismissWithClickedButtonIndex(0, false);
    ui::Animator::shared().reset();
    sys::RunLoop::main().reset();
    checkFailures();
    return 0;
}
