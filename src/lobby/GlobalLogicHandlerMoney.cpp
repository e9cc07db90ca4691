// The session logic of the server's information, money, purchases, presents, gifts, pictures and the
// shop's replies.
#include <algorithm>
#include <string>

#include "lobby/DialogActions.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalLogicHandlerSupport.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyShell.h"
#include "lobby/ILobbyUi.h"
#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/ShopScreenEvents.h"
#include "lobby/StoredPurchases.h"
#include "lobby/URLParser.h"
#include "platform/core/Bundle.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/Http.h"
#include "platform/net/UrlEncoding.h"
#include "platform/ui/TableView.h"

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
    if (auto me = shell()->myInfo()) me->setMoney(money);
}

// The profile on top shows the balance just changed.
void showMyMoneyOnProfile() {
    if (auto profile = topScreenAs<ProfileScreen>()) profile->showMyMoney();
}

bool shown(const std::shared_ptr<ui::ViewController>& tab) { return tab && !tab->view()->isHidden(); }

// Hands the event to whichever of the profile's information and wardrobe tabs is shown.
template <typename ToUserData, typename ToStore>
void toVisibleProfileTab(ProfileScreen& profile, ToUserData toUserData, ToStore toStore) {
    if (auto userData = profile.userDataView(); shown(controllerOf(userData))) {
        toUserData(*userData);
    } else if (auto store = profile.storeView(); shown(controllerOf(store))) {
        toStore(*store);
    }
}

// What the wardrobe changed of what is worn reaches the profile's worn figure, the one record of it.
void wornChanged(ProfileScreen& profile, const std::optional<WornChange>& change) {
    if (!change || !change->item) return;
    if (auto userData = profile.userDataView()) userData->wornItemChanged(*change->item, change->worn);
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
                if (auto screen = topScreenAs<TellFriendScreen>()) screen->updateWithInfo(info);
            });
            break;
        case kInfoHotline:
            onMainThread([text] { shell()->callHotlineFromServer(text); });
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
    shell()->setOkValue(okOpenInfoUrl);
    shell()->setObject(shell()->configValue("AppStoreUrl"));
    showConfirmation(session::text("ZUNO_notice"), "ZUNO_OK");
}

void GlobalLogicHandler::showEvent(const std::string& text) {
    if (auto screen = topScreenAs<EventScreen>()) screen->showEventWithInfo(text);
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
    shell()->setOkValue(okOpenVersionUrl);
    shell()->setObject(sys::Value(url));
    showConfirmation(info, "ZUNO_download");
}

void GlobalLogicHandler::onSetMoneyErrorWithError(Text error) {
    onMainThread([error = error.value_or(std::string())] {
        if (auto tables = topScreenAs<TableListScreen>()) tables->resetNumOfTouchUp();
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
    auto me = shell()->myInfo();
    // Every table screen but Poker's.
    auto table = std::dynamic_pointer_cast<TableScreenEvents>(screen);
    if (me && table && !isOneOf<PokerTableScreen>(screen)) table->updateMoneyWithUserId(me->IDDB(), me->money());
    showMyMoneyOnProfile();
    showInformation(info);
}

void GlobalLogicHandler::onMoneyInfo(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) {
    onMainThread([options = std::move(options)] { showListMoney(options); });
}

namespace {
void giveMoneyOptions(const std::shared_ptr<TopUpScreen>& screen, std::vector<std::shared_ptr<ChargeMoneyInfo>> options) {
    screen->setListMoney(std::move(options));
    if (auto table = screen->tableView()) table->reloadData();
    hideLoadingScreen(screen);
}
}  // namespace

void GlobalLogicHandler::showListMoney(const std::vector<std::shared_ptr<ChargeMoneyInfo>>& options) {
    auto screen = topScreen();
    auto topUp = std::dynamic_pointer_cast<TopUpScreen>(screen);
    if (!topUp) return;
    if (!sellsThroughStore(GlobalService::PROVIDER())) {
        giveMoneyOptions(topUp, options);
        return;
    }
    // The store's options come over HTTP, off the main thread; the list is shown once they are in,
    // to the same screen if it is still on top.
    sys::HttpRequest request = sys::HttpRequest::get(paymentOptionsUrl());
    request.timeoutSeconds = kPaymentOptionsTimeout;
    std::weak_ptr<TopUpScreen> waiting = topUp;
    sys::Http::start(std::move(request), [waiting, options](const sys::HttpOutcome& outcome) {
        auto all = options;
        if (outcome.succeeded()) {
            auto store = parseChargeMoneyForAppStore(outcome.response.body);
            all.insert(all.end(), store.begin(), store.end());
        } else {
            sys::Log::line("payment options: " + outcome.error);
        }
        auto screen = waiting.lock();
        if (screen && topScreen() == controllerOf(screen)) giveMoneyOptions(screen, std::move(all));
    });
}

std::string GlobalLogicHandler::paymentOptionsUrl() {
    auto me = shell()->myInfo();
    const std::string format = shell()->configValue("PaymentUrl").asText();
    if (format.empty()) return std::string();
    return sys::formatUrl(format, me ? me->name() : std::string(), int64_t(GlobalService::PROVIDER()),
                          shell()->currentLanguage());
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
    // A credited receipt is settled now, whatever screen is on top: a copy left for the OK of a
    // dialog could be sent and credited again.
    if (credited(info.status)) {
        if (info.money) setMyMoney(*info.money);
        if (info.receiptString) StoredPurchases::removeReceipt(StoredPurchases::savedUserName(), *info.receiptString);
        showMyMoneyOnProfile();
    }
    auto screen = topScreen();
    auto dialogs = shell();
    if (auto topUp = std::dynamic_pointer_cast<TopUpScreen>(screen)) {
        topUp->setReceiptStringFromServer(info.receiptString);
        if (credited(info.status)) {
            dialogs->setOkValue(okCompleteRecharge);
            dialogs->startOKDlg(message);
        } else {
            dialogs->startCancelDlg(message);
        }
        hideLoadingScreen(screen);
    } else if (auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen)) {
        auto transactions = profile->transactionView();
        if (transactions) transactions->setReceiptStringFromServer(info.receiptString);
        if (credited(info.status)) {
            dialogs->setOkValue(okCompleteTransaction);
            dialogs->startOKDlg(message);
        } else {
            dialogs->setOkValue(okResendTransactionReceipt);
            showConfirmation(message, "ZUNO_OK");
        }
        if (auto tab = controllerOf(transactions)) dialogs->hideHUDForView(tab->view(), true);
    } else if (credited(info.status)) {
        showInformation(message);
    }
}

void GlobalLogicHandler::onBuyAvatarSuccessWithId(int16_t avatarId) {
    onMainThread([avatarId] {
        if (auto me = shell()->myInfo()) {
            me->setAvatar(avatarId);
            // Only a price the avatar shop on top lists is known to be what was paid.
            auto shop = topScreenAs<AvatarShopScreen>();
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
    if (auto me = shell()->myInfo()) me->addMoney(money);
    if (auto profile = topScreenAs<ProfileScreen>()) {
        profile->deleteAsset();
        profile->showMyMoney();
    }
}

void GlobalLogicHandler::onGiveGiftWithItem(int32_t itemId, int32_t fromUser, int32_t toUser) {
    onMainThread([=] { giveGift(itemId, fromUser, toUser); });
}

namespace {
// Waits on a timer for the item's picture, then shows the gift (without the picture once the tries
// are used up).
void showGiftWhenPictured(int32_t itemId, int32_t fromUser, int32_t toUser, int triesLeft) {
    if (!shell()->getItemImageWithKey(itemId) && triesLeft > 0) {
        sys::RunLoop::main().postDelayed(GlobalLogicHandler::kGiftImageRetrySeconds, [=] {
            showGiftWhenPictured(itemId, fromUser, toUser, triesLeft - 1);
        });
        return;
    }
    onTopTable([&](TableScreenEvents& table) { table.onShowGift(itemId, fromUser, toUser); });
}

// The server's notice of a gift carries no money: a gift of mine costs the price its sheet showed, taken
// from my balance and from my seat (every table's but Poker's, whose seats show the chips in play).
void payForMyGift(int32_t itemId, int32_t fromUser) {
    auto me = shell()->myInfo();
    if (!me || fromUser != me->IDDB()) return;
    const std::optional<int32_t> price = GlobalService::getInstance().takePaidGiftPrice(itemId);
    if (!price) return;
    me->setMoney(me->money() - *price);
    if (isOneOf<PokerTableScreen>(topScreen())) return;
    onTopTable([&](TableScreenEvents& table) { table.updateMoneyWithUserId(me->IDDB(), me->money()); });
}
}  // namespace

void GlobalLogicHandler::giveGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    payForMyGift(itemId, fromUser);
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
    if (image) shell()->setAssetWithImage(std::move(image), itemId);
}

void GlobalLogicHandler::onItemImageWithId(int32_t assetId, sys::Data image) {
    if (!image.empty()) shell()->setItemWithImage(image, assetId);
}

void GlobalLogicHandler::onAvatar(std::shared_ptr<Avatar> avatar) {
    if (avatar && avatar->img()) shell()->setAvatarWithImage(avatar->img(), avatar->avatarId());
}

void GlobalLogicHandler::onAvatarList(std::vector<std::shared_ptr<Avatar>> avatars) {
    onMainThread([avatars = std::move(avatars)] { loadListAvatars(avatars); });
}

void GlobalLogicHandler::loadListAvatars(const std::vector<std::shared_ptr<Avatar>>& avatars) {
    auto shop = topScreenAs<AvatarShopScreen>();
    if (!shop) return;
    shop->setListAvatars(avatars);
    if (auto table = shop->tableView()) table->reloadData();
    // The first avatar is the one the application carries. Asking the cache for a missing picture
    // requests it from the server.
    for (size_t i = 1; i < avatars.size(); ++i)
        if (avatars[i]) shell()->getAvatarWithKey(avatars[i]->avatarId());
    shop->updateAvatarImage();
}

// --- The shop's replies ---

void GlobalLogicHandler::onCategoryInfo(Categories categories) {
    onMainThread([categories = std::move(categories)] {
        auto screen = topScreen();
        if (auto shop = std::dynamic_pointer_cast<ItemShopScreen>(screen)) {
            shop->onMyCategoriesWithListCategories(categories);
        } else if (auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen)) {
            if (auto store = profile->storeView()) store->onMyCategoriesWithListCategories(categories);
        }
    });
}

void GlobalLogicHandler::onItemsOfCategoryInfo(std::shared_ptr<ItemsOfCategory> page) {
    onMainThread([page = std::move(page)] {
        if (auto shop = topScreenAs<ItemShopScreen>()) shop->onMyItemsWithCategory(page);
    });
}

void GlobalLogicHandler::onUserItemsOfCategoryInfo(std::shared_ptr<UserItemsOfCategory> page) {
    onMainThread([page = std::move(page)] {
        if (auto profile = topScreenAs<ProfileScreen>())
            if (auto store = profile->storeView()) store->onMyUserItemsWithCategory(page);
    });
}

void GlobalLogicHandler::onAvatarDetail(std::shared_ptr<AvatarDetail> detail) {
    onMainThread([detail = std::move(detail)] {
        auto screen = topScreen();
        if (auto shop = std::dynamic_pointer_cast<ItemShopScreen>(screen)) {
            shop->onMyAvatarDetail(detail);
        } else if (auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen)) {
            toVisibleProfileTab(
                *profile, [&](ProfileDataTab& userData) { userData.onMyUsingAvatarDetail(detail); },
                [&](WardrobeTab& store) { store.onMyUsingAvatarDetail(detail); });
        }
    });
}

void GlobalLogicHandler::onUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) {
    onMainThread([detail = std::move(detail)] {
        if (auto profile = topScreenAs<ProfileScreen>())
            if (auto store = profile->storeView()) store->onMyUserAvatarDetail(detail);
    });
}

void GlobalLogicHandler::onListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {
    onMainThread([items = std::move(items)] {
        auto screen = topScreen();
        if (auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen)) {
            toVisibleProfileTab(
                *profile, [&](ProfileDataTab& userData) { userData.onMyListUsingAvatar(items); },
                [&](WardrobeTab& store) { store.onMyListUsingAvatar(items); });
        } else if (auto shop = std::dynamic_pointer_cast<ItemShopScreen>(screen)) {
            shop->onMyListUsingAvatar(items);
        }
    });
}

void GlobalLogicHandler::onBuyAvatarSuccess(int32_t totalPayment) {
    onMainThread([totalPayment] {
        if (auto shop = topScreenAs<ItemShopScreen>()) shop->onMyBuyAvatarSuccess(totalPayment);
    });
}

void GlobalLogicHandler::onBuyAvatarFail(Text reason) {
    onMainThread([reason = reason.value_or(std::string())] {
        if (auto shop = topScreenAs<ItemShopScreen>()) shop->onMyBuyAvatarFail();
        shell()->startCancelDlg(reason);
    });
}

void GlobalLogicHandler::onDeleteItemFail(Text reason) {
    onMainThread([reason = reason.value_or(std::string())] { shell()->startCancelDlg(reason); });
}

void GlobalLogicHandler::onUpdateDeleteItem(int32_t userItemId) {
    onMainThread([userItemId] {
        auto profile = topScreenAs<ProfileScreen>();
        auto store = profile ? profile->storeView() : nullptr;
        if (!store) return;
        wornChanged(*profile, store->onMyUpdateDeleteItem(userItemId));
    });
}

void GlobalLogicHandler::onUpdateSetUsing() {
    onMainThread([] {
        auto profile = topScreenAs<ProfileScreen>();
        if (!profile) return;
        std::optional<WornChange> change;
        if (auto store = profile->storeView()) change = store->onMyUpdateSetUsing();
        if (auto userData = profile->userDataView()) userData->updateLoadUsing();
        wornChanged(*profile, change);
    });
}

}  // namespace zuno
