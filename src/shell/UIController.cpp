#include "shell/UIController.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/ui/View.h"

namespace zuno {

namespace {
struct SessionState {
    std::mutex mutex;  // guards myInfo, object, texts and the inbox
    PlayerPtr myInfo = std::make_shared<Player>();
    sys::Value object;
    std::shared_ptr<ui::View> btnAlertMessage;
    std::string gameTitle;
    std::string serverInfo;
    UIController::MessageList listMessage;
    std::atomic<int> okValue{UIController::okNone};
    std::atomic<bool> okValueSet{false};  // since the last dialog opened
    std::atomic<int8_t> gameType{-1};
    std::atomic<bool> rung{false};
    std::atomic<bool> inviting{false};
    std::atomic<int> kindOfDialog{0};
};

SessionState& state() {
    static SessionState* s = new SessionState();
    return *s;
}
}  // namespace

int UIController::okValue() { return state().okValue; }
void UIController::setOkValue(int value) {
    state().okValue = value;
    state().okValueSet = true;
}

int UIController::takeOkValueForDialog() { return state().okValueSet.exchange(false) ? state().okValue.load() : okNone; }

sys::Value UIController::object() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().object;
}
void UIController::setObject(sys::Value value) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().object = std::move(value);
}

PlayerPtr UIController::myInfo() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().myInfo;
}
int32_t UIController::myId() {
    PlayerPtr me = myInfo();
    return me ? me->IDDB() : -1;
}
void UIController::setMyInfo(PlayerPtr player) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().myInfo = player ? std::move(player) : std::make_shared<Player>();
}

std::shared_ptr<ui::View> UIController::btnAlertMessage() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().btnAlertMessage;
}
void UIController::setBtnAlertMessage(std::shared_ptr<ui::View> button) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().btnAlertMessage = std::move(button);
}

int8_t UIController::gameType() { return state().gameType; }
void UIController::setGameType(int8_t type) { state().gameType = type; }

std::string UIController::gameTitle() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().gameTitle;
}
void UIController::setGameTitle(std::string title) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().gameTitle = std::move(title);
}

std::string UIController::serverInfo() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().serverInfo;
}
void UIController::setServerInfo(std::string info) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().serverInfo = std::move(info);
}

bool UIController::rung() { return state().rung; }
void UIController::setRung(bool on) { state().rung = on; }
bool UIController::inviting() { return state().inviting; }
void UIController::setInviting(bool on) { state().inviting = on; }

int UIController::kindOfDialog() { return state().kindOfDialog; }
void UIController::setKinkOfDialog(int kind) { state().kindOfDialog = kind; }

UIController::MessageList UIController::listMessage() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().listMessage;
}
void UIController::setListMessage(MessageList list) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().listMessage = std::move(list);
}
void UIController::addMessage(std::shared_ptr<ZunoMessage> message) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().listMessage.push_back(std::move(message));
}
void UIController::insertMessageAtFront(std::shared_ptr<ZunoMessage> message) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().listMessage.insert(state().listMessage.begin(), std::move(message));
}
void UIController::removeMessage(const std::shared_ptr<ZunoMessage>& message) {
    std::lock_guard<std::mutex> lock(state().mutex);
    auto& list = state().listMessage;
    list.erase(std::remove(list.begin(), list.end(), message), list.end());
}
size_t UIController::unreadMessageCount() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return static_cast<size_t>(std::count_if(state().listMessage.begin(), state().listMessage.end(),
                                              [](const auto& m) { return m && !m->isRead(); }));
}

void UIController::forgetAccount() {
    SessionState& s = state();
    std::shared_ptr<ui::View> button;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.myInfo = std::make_shared<Player>();
        s.listMessage.clear();
        button = std::move(s.btnAlertMessage);
    }
    if (button) button->removeFromSuperview();
}

void UIController::resetSessionState() {
    forgetAccount();
    SessionState& s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.object = sys::Value();
        s.gameTitle.clear();
        s.serverInfo.clear();
    }
    s.okValue = okNone;
    s.okValueSet = false;
    s.gameType = -1;
    s.rung = false;
    s.inviting = false;
    s.kindOfDialog = 0;
    forgetDialogAnswer();
}

}  // namespace zuno
