#pragma once

#include <any>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "lobby/GlobalLogicHandler.h"

namespace zuno::testing {

// A session logic that records each call made to it: the operation's name in order and the arguments
// of its last call (one value, or a tuple of them). The game choice still does its real work.
class RecordingLogicHandler : public GlobalLogicHandler {
public:
    std::vector<std::string> calls() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    int count(const std::string& name) const {
        std::lock_guard<std::mutex> lock(mutex_);
        int n = 0;
        for (const auto& c : calls_) n += c == name;
        return n;
    }
    // The arguments of the last call of the operation; throws std::bad_any_cast when never called.
    template <typename T>
    T last(const std::string& name) const {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = last_.find(name);
        return std::any_cast<T>(it == last_.end() ? std::any() : it->second);
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.clear();
        last_.clear();
    }

    // Run after the call is recorded (any thread the call arrives on).
    std::map<std::string, std::function<void()>> then;

    void onSetGameTypeSuccessWithGame(int8_t gameType, bool isShowRoomList) override {
        record("onSetGameTypeSuccessWithGame", std::make_tuple(gameType, isShowRoomList));
        GlobalLogicHandler::onSetGameTypeSuccessWithGame(gameType, isShowRoomList);
    }
    void onSetClientInfoOK() override { record("onSetClientInfoOK", {}); }
    void onConnectFail() override { record("onConnectFail", {}); }
    void onDisconnect() override { record("onDisconnect", {}); }
    void onLoginSuccess() override { record("onLoginSuccess", {}); }
    void onRegisterInfoWithUsername(Text username, bool avail, Text prefix, Text to) override {
        record("onRegisterInfoWithUsername", std::make_tuple(username, avail, prefix, to));
    }
    void onGetSMSSyntaxWithSubId(int8_t subId, Text data, Text address) override {
        record("onGetSMSSyntaxWithSubId", std::make_tuple(subId, data, address));
    }
    void onSetMyUserData() override { record("onSetMyUserData", {}); }
    void onRoomList(std::vector<std::shared_ptr<RoomInfo>> rooms) override { record("onRoomList", rooms); }
    void onBoardListWithRoomId(int32_t roomId, std::vector<std::shared_ptr<Board>> boards) override {
        record("onBoardListWithRoomId", std::make_tuple(roomId, boards));
    }
    void onFriendList(Players friends) override { record("onFriendList", friends); }
    void onWaitingList(Players players) override { record("onWaitingList", players); }
    void onStrongestListWithPage(int32_t page, int8_t gameId, Players players) override {
        record("onStrongestListWithPage", std::make_tuple(page, gameId, players));
    }
    void onRichestListWithPage(int32_t page, Players players) override {
        record("onRichestListWithPage", std::make_tuple(page, players));
    }
    void onGetTopLit(std::vector<std::shared_ptr<Ranking>> rankings) override { record("onGetTopLit", rankings); }
    void onSearchResult(Players players) override { record("onSearchResult", players); }
    void onAddFriendWithResult(int8_t result) override { record("onAddFriendWithResult", result); }
    void onDelFriendResult(int8_t result) override { record("onDelFriendResult", result); }
    void onPlayerDetail(PlayerDetail detail) override { record("onPlayerDetail", detail); }
    void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) override {
        record("onChatFromWithMessage", message);
    }
    void onInvitedJoinBoardWithGameId(int8_t gameId, int8_t roomId, int8_t boardId, Text password,
                                      Text message) override {
        record("onInvitedJoinBoardWithGameId", std::make_tuple(gameId, roomId, boardId, password, message));
    }
    void onProvinceList(Province::List provinces) override { record("onProvinceList", provinces); }
    void onMyUserDataWithUser(UserPtr user) override { record("onMyUserDataWithUser", user); }
    void onMyAchievement(std::vector<int32_t> achievement) override { record("onMyAchievement", achievement); }
    void onMyAssets(Assets assets) override { record("onMyAssets", assets); }
    void onGetListItemsEvent(Assets items) override { record("onGetListItemsEvent", items); }
    void onGetInfoWithSubId(int8_t subId, Text info) override {
        record("onGetInfoWithSubId", std::make_tuple(subId, info));
    }
    void onVersionWithInfo(Text info, Text url) override { record("onVersionWithInfo", std::make_tuple(info, url)); }
    void onSetMoneyErrorWithError(Text error) override { record("onSetMoneyErrorWithError", error); }
    void onAdminCommandResponseWithText(Text text) override { record("onAdminCommandResponseWithText", text); }
    void onPresentReceived(Assets presents) override { record("onPresentReceived", presents); }
    void onTransferMoneyWithNewMoney(int64_t newMoney, Text info) override {
        record("onTransferMoneyWithNewMoney", std::make_tuple(newMoney, info));
    }
    void onMoneyInfo(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) override {
        record("onMoneyInfo", options);
    }
    void onPurchaseInfo(PurchaseInfo info) override { record("onPurchaseInfo", info); }
    void onBuyAvatarSuccessWithId(int16_t avatarId) override { record("onBuyAvatarSuccessWithId", avatarId); }
    void onAvatar(std::shared_ptr<Avatar> avatar) override { record("onAvatar", avatar); }
    void onAvatarList(std::vector<std::shared_ptr<Avatar>> avatars) override { record("onAvatarList", avatars); }
    void onItemImageWithItemId(int32_t itemId, ImagePtr image) override {
        record("onItemImageWithItemId", std::make_tuple(itemId, image));
    }
    void onItemImageWithId(int32_t assetId, sys::Data image) override {
        record("onItemImageWithId", std::make_tuple(assetId, image));
    }
    void onCategoryInfo(Categories categories) override { record("onCategoryInfo", categories); }
    void onItemsOfCategoryInfo(std::shared_ptr<ItemsOfCategory> page) override {
        record("onItemsOfCategoryInfo", page);
    }
    void onUserItemsOfCategoryInfo(std::shared_ptr<UserItemsOfCategory> page) override {
        record("onUserItemsOfCategoryInfo", page);
    }
    void onAvatarDetail(std::shared_ptr<AvatarDetail> detail) override { record("onAvatarDetail", detail); }
    void onUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) override {
        record("onUserAvatarDetail", detail);
    }
    void onBuyAvatarSuccess(int32_t totalPayment) override { record("onBuyAvatarSuccess", totalPayment); }
    void onBuyAvatarFail(Text reason) override { record("onBuyAvatarFail", reason); }
    void onGiveGiftWithItem(int32_t itemId, int32_t fromUser, int32_t toUser) override {
        record("onGiveGiftWithItem", std::make_tuple(itemId, fromUser, toUser));
    }
    void onUpdateDeleteItem(int32_t userItemId) override { record("onUpdateDeleteItem", userItemId); }
    void onDeleteItemFail(Text reason) override { record("onDeleteItemFail", reason); }
    void onUpdateSetUsing() override { record("onUpdateSetUsing", {}); }
    void onListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override {
        record("onListUsingAvatar", items);
    }
    void onListGift(Categories categories) override { record("onListGift", categories); }
    void onItemsOfGiftInfo(std::shared_ptr<ItemsOfCategory> page) override { record("onItemsOfGiftInfo", page); }
    void onOpenGift(int8_t status, Text message, int32_t money) override {
        record("onOpenGift", std::make_tuple(status, message, money));
    }

private:
    void record(const std::string& name, std::any arguments) {
        std::function<void()> after;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            calls_.push_back(name);
            last_[name] = std::move(arguments);
            auto it = then.find(name);
            if (it != then.end()) after = it->second;
        }
        if (after) after();
    }

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::map<std::string, std::any> last_;
};

}  // namespace zuno::testing
