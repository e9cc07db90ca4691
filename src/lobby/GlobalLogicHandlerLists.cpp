// The session logic of the lobby lists, the player's own data and the social events.
#include <map>
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
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"

namespace zuno {

using namespace session;

namespace {
constexpr int8_t kAddFriendOK = 0;
constexpr int8_t kTooManyFriends = 2;

// Fills the list of the top screen when it takes the events of Screen, then redraws it on the main
// thread.
template <typename Screen, typename Fill>
void fillTopList(Fill fill) {
    auto screen = topScreen();
    auto list = std::dynamic_pointer_cast<Screen>(screen);
    if (!list) return;
    fill(*list);
    GlobalLogicHandler::onReloadTableView(screen);
}
}  // namespace

void GlobalLogicHandler::onRoomList(std::vector<std::shared_ptr<RoomInfo>> rooms) {
    onMainThread([rooms = std::move(rooms)] { showListRoom(rooms); });
}

void GlobalLogicHandler::showListRoom(const std::vector<std::shared_ptr<RoomInfo>>& rooms) {
    auto screen = topScreenAs<RoomListScreen>();
    if (!screen) return;
    screen->setRoomList(rooms);
    // One section per level 0, 1 and 2, every one present; rooms of other levels are not shown.
    std::map<int, RoomListScreen::Rooms> names{{0, {}}, {1, {}}, {2, {}}};
    for (const auto& room : rooms) {
        if (!room) continue;
        auto group = names.find(room->lv());
        if (group != names.end()) group->second.push_back(room);
    }
    std::vector<int> keys;
    for (const auto& [key, group] : names) keys.push_back(key);
    screen->setNames(std::move(names));
    screen->setKeys(std::move(keys));
    if (auto table = screen->tableView()) table->reloadData();
    hideLoadingScreen(screen);
    if (screen->isReloading()) screen->dataSourceDidFinishLoadingNewData();
}

void GlobalLogicHandler::onBoardListWithRoomId(int32_t, std::vector<std::shared_ptr<Board>> boards) {
    onMainThread([boards = std::move(boards)] { showListBoard(boards); });
}

void GlobalLogicHandler::showListBoard(const std::vector<std::shared_ptr<Board>>& boards) {
    try {
        if (auto screen = topScreenAs<TableListScreen>()) {
            screen->setListBoard(boards);
            screen->reloadData();
            hideLoadingScreen(screen);
            if (screen->isReloading()) screen->dataSourceDidFinishLoadingNewData();
        }
    } catch (const std::exception& e) {
        sys::Log::warning("exception " + sys::failureName(e));
    }
    sys::Log::line("show list board");
}

void GlobalLogicHandler::onReloadTableView(const std::shared_ptr<ui::ViewController>& screen) {
    if (auto force = std::dynamic_pointer_cast<ForceReloadTableView>(screen)) {
        force->forceReloadTableView();
    } else if (auto show = std::dynamic_pointer_cast<ShowDataTableView>(screen)) {
        show->showDataTableView();
    }
    hideLoadingScreen(screen);
}

void GlobalLogicHandler::onFriendList(Players friends) {
    onMainThread([friends = std::move(friends)] {
        if (topScreenAs<FriendListScreen>()) {
            fillTopList<FriendListScreen>([&](FriendListScreen& screen) { screen.setFriendList(friends); });
            return;
        }
        fillTopList<InviteListScreen>([&](InviteListScreen& screen) {
            Players online;
            for (const auto& player : friends)
                if (player && player->isReady()) online.push_back(player);
            screen.setOnlineList(std::move(online));
        });
    });
}

void GlobalLogicHandler::onWaitingList(Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<InviteListScreen>([&](InviteListScreen& screen) { screen.setOnlineList(players); });
    });
}

void GlobalLogicHandler::onStrongestListWithPage(int32_t, int8_t, Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<SubRankingScreen>([&](SubRankingScreen& screen) { screen.setListSubRanking(players); });
    });
}

void GlobalLogicHandler::onRichestListWithPage(int32_t, Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<SubRankingScreen>([&](SubRankingScreen& screen) { screen.setListSubRanking(players); });
    });
}

void GlobalLogicHandler::onGetTopLit(std::vector<std::shared_ptr<Ranking>> rankings) {
    onMainThread([rankings = std::move(rankings)] {
        fillTopList<RankingListScreen>([&](RankingListScreen& screen) { screen.setListRanking(rankings); });
    });
}

void GlobalLogicHandler::onSearchResult(Players players) {
    // Adding a friend is a search followed by the add request for the first player found.
    if (!players.empty() && players.front()) {
        // My own nick finds me: the server would call me a friend already.
        auto me = shell()->myInfo();
        if (me && me->IDDB() == players.front()->IDDB()) {
            onMainThread([] { showInformation(text("ZUNO_cannotAddSelf")); });
            return;
        }
        GlobalService::getInstance().addFriendWithId(players.front()->IDDB());
        return;
    }
    onMainThread([] { showInformation(text("ZUNO_notFoundNick")); });
}

void GlobalLogicHandler::onAddFriendWithResult(int8_t result) {
    onMainThread([result] { onGameControllerAddFriendResult(result); });
}

void GlobalLogicHandler::onGameControllerAddFriendResult(int8_t result) {
    const char* key = result == kAddFriendOK      ? "ZUNO_addFriendOK"
                      : result == kTooManyFriends ? "ZUNO_tooMuchFriend"
                                                  : "ZUNO_friendExist";
    showInformation(text(key));
}

void GlobalLogicHandler::onDelFriendResult(int8_t result) {
    onMainThread([result] { onGameControllerDelFriend(result); });
}

void GlobalLogicHandler::onGameControllerDelFriend(int8_t result) {
    if (auto screen = topScreenAs<FriendListScreen>()) screen->onDelFriendResult(result);
}

void GlobalLogicHandler::onPlayerDetail(PlayerDetail detail) {
    onMainThread([detail = std::move(detail)] { onViewPlayerDetail(detail); });
}

void GlobalLogicHandler::onViewPlayerDetail(const PlayerDetail& detail) {
    auto screen = topScreen();
    if (auto ranking = std::dynamic_pointer_cast<SubRankingScreen>(screen)) {
        ranking->onRequestDetail(detail);
        return;
    }
    // Every table screen.
    if (auto table = std::dynamic_pointer_cast<TableScreenEvents>(screen)) table->onRequestDetail(detail);
}

void GlobalLogicHandler::onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) {
    if (!message) return;
    onMainThread([message = std::move(message)] { onViewControllerChatFromWithMessage(message); });
}

void GlobalLogicHandler::onViewControllerChatFromWithMessage(const std::shared_ptr<ZunoMessage>& message) {
    auto screen = topScreen();
    if (auto friends = std::dynamic_pointer_cast<FriendListScreen>(screen)) {
        friends->onChatFromWithMessage(message);
        return;
    }
    if (auto mailbox = std::dynamic_pointer_cast<MailboxScreen>(screen)) {
        mailbox->onNewMessage(message);
        return;
    }
    keepInMailbox(message);
}

void GlobalLogicHandler::keepInMailbox(const std::shared_ptr<ZunoMessage>& message) {
    auto screen = topScreen();
    auto inbox = shell();
    inbox->addMessage(message);
    if (auto old = inbox->btnAlertMessage()) old->removeFromSuperview();
    inbox->setBtnAlertMessage(nullptr);

    // The same button, at the same place, as a screen shows for mail that waits when it appears: the
    // corner every screen keeps free for it (a wider one here lay over a table's Leave).
    auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
    button->setFrame(ui::Rect(435, 30, 44, 32));
    button->setBackgroundImage(ui::Image::imageNamed("new_mail.png"));
    button->setTitle(sys::format("%d", int64_t(inbox->unreadMessageCount())));
    button->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(15));
    button->addHandler([](ui::Control&) { lobbyUi()->onOpenMessage(); }, ui::ControlEvent::TouchUpInside);
    inbox->setBtnAlertMessage(button);
    if (screen) {
        screen->view()->addSubview(button);
        screen->view()->bringSubviewToFront(button.get());
    }
}

void GlobalLogicHandler::onInvitedJoinBoardWithGameId(int8_t gameId, int8_t roomId, int8_t boardId, Text password,
                                                      Text message) {
    sys::Dictionary invitation;
    invitation["gameid"] = sys::Value(int(gameId));
    invitation["roomid"] = sys::Value(int(roomId));
    invitation["boardid"] = sys::Value(int(boardId));
    invitation["password"] = sys::Value(password.value_or(std::string()));
    invitation["message"] = sys::Value(message.value_or(std::string()));
    onMainThread([invitation = std::move(invitation)] { onInvitedJoinBoard(invitation); });
}

void GlobalLogicHandler::onInvitedJoinBoard(const sys::Dictionary& invitation) {
    const sys::Value* found = invitation.find("message");
    const std::string message = found ? found->asText() : std::string();
    sys::Log::line(sys::format("*********%@", message));
    shell()->setObject(sys::Value(invitation));
    shell()->setOkValue(okAcceptInvite);
    showConfirmation(message, "ZUNO_OK");
}

void GlobalLogicHandler::onProvinceList(Province::List provinces) {
    onMainThread([provinces = std::move(provinces)] { loadProvinceList(provinces); });
}

void GlobalLogicHandler::loadProvinceList(const Province::List& provinces) {
    Province::setList(provinces);
    auto screen = topScreen();
    auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen);
    if (!profile) return;
    auto picker = profile->proView();
    auto pickerScreen = controllerOf(picker);
    if (!pickerScreen) return;
    picker->setListProvinces(Province::list());
    if (auto table = picker->tableView()) table->reloadData();
    screen->view()->addSubview(pickerScreen->view());
    pickerScreen->viewWillAppear(false);
}

void GlobalLogicHandler::onMyUserDataWithUser(UserPtr user) {
    onMainThread([user = std::move(user)] {
        auto screen = topScreen();
        if (auto profile = std::dynamic_pointer_cast<ProfileScreen>(screen)) {
            profile->onMyUserDataWithUser(user);
        } else if (auto shop = std::dynamic_pointer_cast<ItemShopScreen>(screen)) {
            shop->onMyUserDataWithUser(user);
        }
    });
}

void GlobalLogicHandler::onMyAchievement(std::vector<int32_t> achievement) {
    if (achievement.empty()) return;
    onMainThread([achievement = std::move(achievement)] {
        if (auto profile = topScreenAs<ProfileScreen>()) profile->onMyAchievementWithGameId(achievement.front(), achievement);
    });
}

void GlobalLogicHandler::onMyAssets(Assets assets) {
    onMainThread([assets = std::move(assets)] {
        if (auto profile = topScreenAs<ProfileScreen>()) profile->onMyAssetsWithAssets(assets);
    });
}

void GlobalLogicHandler::onGetListItemsEvent(Assets items) {
    onMainThread([items = std::move(items)] {
        if (auto profile = topScreenAs<ProfileScreen>()) profile->onMyAssetsWithAssets(items);
    });
}

}  // namespace zuno
