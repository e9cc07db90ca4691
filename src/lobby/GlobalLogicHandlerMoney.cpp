// The session logic of the server's information, money, purchases, presents, gifts, pictures and the
// shop's replies.
#include <algorithm>
#include <string>

#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalLogicHandlerSupport.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyUi.h"
#include "lobby/ScreenEvents.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/ShopView.h"
#include "platform/core/Bundle.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/Http.h"
#include "platform/net/UrlEncoding.h"
#include "screens/BoardView.h"
#include "screens/EventView.h"
#include "screens/ProfileView.h"
#include "screens/TellFriendView.h"
#include "shell/ProgressHUD.h"
#include "shell/Resources.h"
#include "shell/URLParser.h"
#include "shell/UIController.h"
#include "table/GameCardView.h"

namespace zuno {

using namespace session;

namespace {
enum InfoSub : int8_t {
    kInfoTellFriend = 1,
    kInfoHotline = 2,
    kInfoAppStore = 3,
    kInfoEvent = 6,
    kInfoSMSPermission = 8,
};

// Providers whose build sells money through the store.
bool sellsThroughStore(int8_t provider) { return provider == 64 || provider == 121; }

bool credited(int8_t status) { return status == 1 || status == 2; }

void setMyMoney(int64_t money) {
    if (auto me = UIController::myInfo()) me->setMoney(money);
}

// The one of the profile's information and wardrobe tabs that is shown.
std::shared_ptr<ZunoViewController> visibleProfileTab(ProfileView& profile) {
    auto userData = profile.userDataView();
    if (userData && !userData->view()->isHidden()) return userData;
    auto store = profile.storeView();
    if (store && !store->view()->isHidden()) return store;
    return nullptr;
}

template <typename Work>
void onTopTable(Work work) {
    if (auto table = std::dynamic_pointer_cast<TableScreenEvents>(topScreen())) work(*table);
}
}  // namespace

// --- Server information and notices ---

void GlobalLogicHandler::onGetInfoWithSubId(int8_t subId, Text info) {
    const std::string text = info.value_or(std::string());
    switch (subId) {
        case kInfoTellFriend:
            onMainThread([info] {
                if (auto screen = topScreenAs<TellFriendView>()) screen->updateWithInfo(info);
            });
            break;
        case kInfoHotline:
            onMainThread([text] { UIController::callHotlineFromServer(text); });
            break;
        case kInfoAppStore:
            onMainThread(&GlobalLogicHandler::showInfo);
            break;
        case kInfoEvent:
            onMainThread([text] { showEvent(sys::format("%@", text)); });
            break;
        case kInfoSMSPermission:
            onMainThread([text] { applySMSPermissionList(text); });
            break;
        default:
            break;
    }
}

void GlobalLogicHandler::showInfo() {
    UIController::setOkValue(UIController::okOpenInfoUrl);
    UIController::setObject(Resources::getInstance().configValue("AppStoreUrl"));
    showConfirmation(session::text("ZUNO_notice"), "ZUNO_OK");
}

void GlobalLogicHandler::showEvent(const std::string& text) {
    if (auto screen = topScreenAs<EventView>()) screen->showEventWithInfo(text);
}

void GlobalLogicHandler::applySMSPermissionList(const std::string& list) {
    const std::string version = sys::Bundle::main().objectForInfoDictionaryKey("CFBundleVersion").asText();
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        const std::string entry = list.substr(start, end - start);
        if (entry.rfind("1-", 0) == 0) lobbyUi()->setSwitchOnSMS(entry.substr(2) == version);
        start = end + 1;
    }
}

void GlobalLogicHandler::onVersionWithInfo(Text info, Text url) {
    onMainThread([info = info.value_or(std::string()), url = url.value_or(std::string())] { showVersion(info, url); });
}

void GlobalLogicHandler::showVersion(const std::string& info, const std::string& url) {
    UIController::setOkValue(UIController::okOpenVersionUrl);
    UIController::setObject(sys::Value(url));
    showConfirmation(info, "ZUNO_download");
}

void GlobalLogicHandler::onSetMoneyErrorWithError(Text error) {
    onMainThread([error = error.value_or(std::string())] {
        if (topScreenAs<BoardView>()) BoardView::setnumOfTouchUp(0);
        showInformation(error);
    });
}

// --- Money and top-up ---

void GlobalLogicHandler::onTransferMoneyWithNewMoney(int64_t newMoney, Text info) {
    setMyMoney(newMoney);
    onMainThread([info = info.value_or(std::string())] { onTransferMoneyWithInfo(info); });
}

void GlobalLogicHandler::onTransferMoneyWithInfo(const std::string& info) {
    auto screen = topScreen();
    auto me = UIController::myInfo();
    if (me && isOneOf<GameCardView, PhomView, BlocksView, CaroView, CoTuongView, CoVuaView, PhomNewView>(screen)) {
        if (auto table = std::dynamic_pointer_cast<TableScreenEvents>(screen))
            table->updateMoneyWithUserId(me->IDDB(), me->money());
    }
    showInformation(info);
}

void GlobalLogicHandler::onMoneyInfo(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) {
    onMainThread([options = std::move(options)] { showListMoney(options); });
}

namespace {
void giveMoneyOptions(MoneyView& screen, std::vector<std::shared_ptr<ChargeMoneyInfo>> options) {
    screen.setListMoney(std::move(options));
    if (auto table = screen.tableView()) table->reloadData();
    screen.hideLoadingScreen();
}
}  // namespace

void GlobalLogicHandler::showListMoney(const std::vector<std::shared_ptr<ChargeMoneyInfo>>& options) {
    auto screen = topScreenAs<MoneyView>();
    if (!screen) return;
    if (!sellsThroughStore(GlobalService::PROVIDER())) {
        giveMoneyOptions(*screen, options);
        return;
    }
    // The store's options come over HTTP, off the main thread; the list is shown once they are in,
    // to the same screen if it is still on top.
    sys::HttpRequest request = sys::HttpRequest::get(paymentOptionsUrl());
    request.timeoutSeconds = kPaymentOptionsTimeout;
    std::weak_ptr<MoneyView> waiting = screen;
    sys::Http::start(std::move(request), [waiting, options](const sys::HttpOutcome& outcome) {
        auto all = options;
        if (outcome.succeeded()) {
            auto store = parseChargeMoneyForAppStore(outcome.response.body);
            all.insert(all.end(), store.begin(), store.end());
        } else {
            sys::Log::line("payment options: " + outcome.error);
        }
        auto screen = waiting.lock();
        if (screen && topScreen() == screen) giveMoneyOptions(*screen, std::move(all));
    });
}

std::string GlobalLogicHandler::paymentOptionsUrl() {
    auto me = UIController::myInfo();
    const std::string format = Resources::getInstance().configValue("PaymentUrl").asText();
    if (format.empty()) return std::string();
    return sys::formatUrl(format, me ? me->name() : std::string(), int64_t(GlobalService::PROVIDER()),
                          Resources::getInstance().currentLanguage());
}

std::vector<std::shared_ptr<ChargeMoneyInfo>> GlobalLogicHandler::parseChargeMoneyForAppStore(const std::string& reply) {
    std::vector<std::shared_ptr<ChargeMoneyInfo>> options;
    const std::string bundleId = sys::Bundle::main().objectForInfoDictionaryKey("CFBundleIdentifier").asText();
    size_t start = 0;
    while (start < reply.size()) {
        size_t end = reply.find(';', start);
        if (end == std::string::npos) end = reply.size();
        const std::string entry = reply.substr(start, end - start);
        start = end + 1;
        if (entry.empty()) continue;
        URLParser query("?" + entry);
        auto option = ChargeMoneyInfo::initWithType(5);
        option->setSmsContent(sys::format("%@.%@", bundleId, query.valueForVariable("id")));
        option->setInfo(query.valueForVariable("messenge").value_or(std::string()));
        options.push_back(std::move(option));
    }
    return options;
}

std::vector<std::shared_ptr<ChargeMoneyInfo>> GlobalLogicHandler::getChargeMoneyForAppStore() {
    const std::string url = paymentOptionsUrl();
    if (url.empty()) return {};
    sys::HttpFetchResult reply = sys::Http::get(url, kPaymentOptionsTimeout);
    if (!reply.ok()) return {};
    return parseChargeMoneyForAppStore(*reply.body);
}

void GlobalLogicHandler::onPurchaseInfo(PurchaseInfo info) {
    onMainThread([info = std::move(info)] { showAlertInAppPurchase(info); });
}

void GlobalLogicHandler::showAlertInAppPurchase(const PurchaseInfo& info) {
    const std::string message = info.message.value_or(std::string());
    auto screen = topScreen();
    if (auto topUp = std::dynamic_pointer_cast<MoneyView>(screen)) {
        topUp->setReceiptStringFromServer(info.receiptString);
        if (credited(info.status)) {
            if (info.money) setMyMoney(*info.money);
            UIController::setOkValue(UIController::okCompleteRecharge);
            UIController::startOKDlg(message);
        } else {
            UIController::startCancelDlg(message);
        }
        topUp->hideLoadingScreen();
    } else if (auto profile = std::dynamic_pointer_cast<ProfileView>(screen)) {
        auto transactions = profile->transactionView();
        if (transactions) transactions->setReceiptStringFromServer(info.receiptString);
        if (credited(info.status)) {
            if (info.money) setMyMoney(*info.money);
            UIController::setOkValue(UIController::okCompleteTransaction);
            UIController::startOKDlg(message);
        } else {
            UIController::setOkValue(UIController::okResendTransactionReceipt);
            showConfirmation(message, "ZUNO_OK");
        }
        if (transactions) ProgressHUD::hideHUDForView(transactions->view(), true);
    }
}

void GlobalLogicHandler::onBuyAvatarSuccessWithId(int16_t avatarId) {
    onMainThread([avatarId] {
        if (auto me = UIController::myInfo()) {
            me->setAvatar(avatarId);
            // Only a price the avatar shop on top lists is known to be what was paid.
            auto shop = topScreenAs<AvatarView>();
            if (shop) {
                auto avatars = shop->listAvatars();
                bool listed = std::any_of(avatars.begin(), avatars.end(),
                                          [&](const auto& a) { return a && a->avatarId() == avatarId; });
                if (listed) me->setMoney(me->money() - shop->priceFromID(avatarId));
            }
        }
        showInformation(session::text("ZUNO_buyAvatarOK"));
    });
}

// --- Presents and gifts ---

void GlobalLogicHandler::onPresentReceived(Assets presents) {
    for (auto& present : presents)
        onMainThread([present] { performShowPresend(present); });
}

void GlobalLogicHandler::performShowPresend(const std::shared_ptr<Asset>&) {
    showInformation(session::text("ZUNO_getPresent"));
}

void GlobalLogicHandler::onOpenGift(int8_t status, Text message, int32_t money) {
    onMainThread([status, message = message.value_or(std::string()), money] { openGift(status, message, money); });
}

void GlobalLogicHandler::openGift(int8_t status, const std::string& text, int32_t money) {
    sys::Log::line(sys::format("%d; %@, %d", status, text, money));
    showInformation(text);
    if (status != 0) return;
    if (auto me = UIController::myInfo()) me->addMoney(money);
    if (auto profile = topScreenAs<ProfileView>()) profile->deleteAsset();
}

void GlobalLogicHandler::onGiveGiftWithItem(int32_t itemId, int32_t fromUser, int32_t toUser) {
    onMainThread([=] { giveGift(itemId, fromUser, toUser); });
}

namespace {
// Waits on a timer for the item's picture, then shows the gift (without the picture once the tries
// are used up).
void showGiftWhenPictured(int32_t itemId, int32_t fromUser, int32_t toUser, int triesLeft) {
    if (!Resources::getInstance().getItemImageWithKey(itemId) && triesLeft > 0) {
        sys::RunLoop::main().postDelayed(GlobalLogicHandler::kGiftImageRetrySeconds, [=] {
            showGiftWhenPictured(itemId, fromUser, toUser, triesLeft - 1);
        });
        return;
    }
    onTopTable([&](TableScreenEvents& table) { table.onShowGift(itemId, fromUser, toUser); });
}
}  // namespace

void GlobalLogicHandler::giveGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    showGiftWhenPictured(itemId, fromUser, toUser, kGiftImageTries);
}

void GlobalLogicHandler::onListGift(Categories categories) {
    onMainThread([categories = std::move(categories)] {
        onTopTable([&](TableScreenEvents& table) { table.onShowListGift(categories); });
    });
}

void GlobalLogicHandler::onItemsOfGiftInfo(std::shared_ptr<ItemsOfCategory> page) {
    onMainThread([page = std::move(page)] {
        onTopTable([&](TableScreenEvents& table) { table.onShowItemsWithGift(page); });
    });
}

// --- Pictures and avatars ---

void GlobalLogicHandler::onItemImageWithItemId(int32_t itemId, ImagePtr image) {
    if (image) Resources::getInstance().setAssetWithImage(std::move(image), itemId);
}

void GlobalLogicHandler::onItemImageWithId(int32_t assetId, sys::Data image) {
    if (!image.empty()) Resources::getInstance().setItemWithImage(image, assetId);
}

void GlobalLogicHandler::onAvatar(std::shared_ptr<Avatar> avatar) {
    if (avatar && avatar->img()) Resources::getInstance().setAvatarWithImage(avatar->img(), avatar->avatarId());
}

void GlobalLogicHandler::onAvatarList(std::vector<std::shared_ptr<Avatar>> avatars) {
    onMainThread([avatars = std::move(avatars)] { loadListAvatars(avatars); });
}

void GlobalLogicHandler::loadListAvatars(const std::vector<std::shared_ptr<Avatar>>& avatars) {
    auto shop = topScreenAs<AvatarView>();
    if (!shop) return;
    shop->setListAvatars(avatars);
    if (auto table = shop->tableView()) table->reloadData();
    // The first avatar is the one the application carries. Asking the cache for a missing picture
    // requests it from the server.
    for (size_t i = 1; i < avatars.size(); ++i)
        if (avatars[i]) Resources::getInstance().getAvatarWithKey(avatars[i]->avatarId());
    shop->updateAvatarImage();
}

// --- The shop's replies ---

void GlobalLogicHandler::onCategoryInfo(Categories categories) {
    onMainThread([categories = std::move(categories)] {
        auto screen = topScreen();
        if (auto shop = std::dynamic_pointer_cast<ShopView>(screen)) {
            shop->onMyCategoriesWithListCategories(categories);
        } else if (auto profile = std::dynamic_pointer_cast<ProfileView>(screen)) {
            if (auto store = profile->storeView()) store->onMyCategoriesWithListCategories(categories);
        }
    });
}

void GlobalLogicHandler::onItemsOfCategoryInfo(std::shared_ptr<ItemsOfCategory> page) {
    onMainThread([page = std::move(page)] {
        if (auto shop = topScreenAs<ShopView>()) shop->onMyItemsWithCategory(page);
    });
}

void GlobalLogicHandler::onUserItemsOfCategoryInfo(std::shared_ptr<UserItemsOfCategory> page) {
    onMainThread([page = std::move(page)] {
        if (auto profile = topScreenAs<ProfileView>())
            if (auto store = profile->storeView()) store->onMyUserItemsWithCategory(page);
    });
}

void GlobalLogicHandler::onAvatarDetail(std::shared_ptr<AvatarDetail> detail) {
    onMainThread([detail = std::move(detail)] {
        auto screen = topScreen();
        if (auto shop = std::dynamic_pointer_cast<ShopView>(screen)) {
            shop->onMyAvatarDetail(detail);
        } else if (auto profile = std::dynamic_pointer_cast<ProfileView>(screen)) {
            auto tab = visibleProfileTab(*profile);
            if (auto userData = std::dynamic_pointer_cast<UserDataView>(tab)) userData->onMyUsingAvatarDetail(detail);
            else if (auto store = std::dynamic_pointer_cast<StoreView>(tab)) store->onMyUsingAvatarDetail(detail);
        }
    });
}

void GlobalLogicHandler::onUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) {
    onMainThread([detail = std::move(detail)] {
        if (auto profile = topScreenAs<ProfileView>())
            if (auto store = profile->storeView()) store->onMyUserAvatarDetail(detail);
    });
}

void GlobalLogicHandler::onListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {
    onMainThread([items = std::move(items)] {
        auto screen = topScreen();
        if (auto profile = std::dynamic_pointer_cast<ProfileView>(screen)) {
            auto tab = visibleProfileTab(*profile);
            if (auto userData = std::dynamic_pointer_cast<UserDataView>(tab)) userData->onMyListUsingAvatar(items);
            else if (auto store = std::dynamic_pointer_cast<StoreView>(tab)) store->onMyListUsingAvatar(items);
        } else if (auto shop = std::dynamic_pointer_cast<ShopView>(screen)) {
            shop->onMyListUsingAvatar(items);
        }
    });
}

void GlobalLogicHandler::onBuyAvatarSuccess(int32_t totalPayment) {
    onMainThread([totalPayment] {
        if (auto shop = topScreenAs<ShopView>()) shop->onMyBuyAvatarSuccess(totalPayment);
    });
}

void GlobalLogicHandler::onBuyAvatarFail(Text reason) {
    onMainThread([reason = reason.value_or(std::string())] { UIController::startCancelDlg(reason); });
}

void GlobalLogicHandler::onDeleteItemFail(Text reason) {
    onMainThread([reason = reason.value_or(std::string())] { UIController::startCancelDlg(reason); });
}

void GlobalLogicHandler::onUpdateDeleteItem(int32_t userItemId) {
    onMainThread([userItemId] {
        if (auto profile = topScreenAs<ProfileView>())
            if (auto store = profile->storeView()) store->onMyUpdateDeleteItem(userItemId);
    });
}

void GlobalLogicHandler::onUpdateSetUsing() {
    onMainThread([] {
        auto profile = topScreenAs<ProfileView>();
        if (!profile) return;
        if (auto store = profile->storeView()) store->onMyUpdateSetUsing();
        if (auto userData = profile->userDataView()) userData->updateLoadUsing();
    });
}

}  // namespace zuno
