// The session logic of the lobby lists, the player's own data and the social events.
#include <map>
#include <string>

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalLogicHandlerSupport.h"
#include "lobby/GlobalService.h"
#include "lobby/ILobbyUi.h"
#include "lobby/ScreenEvents.h"
#include "money/ShopView.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "screens/BoardView.h"
#include "screens/FriendListView.h"
#include "screens/InviteFriendView.h"
#include "screens/MessageView.h"
#include "screens/ProfileView.h"
#include "screens/RankingView.h"
#include "screens/RoomView.h"
#include "screens/SubRankingView.h"
#include "shell/UIController.h"

namespace zuno {

using namespace session;

namespace {
constexpr int8_t kAddFriendOK = 0;
constexpr int8_t kTooManyFriends = 2;

// Fills the list of the top screen when it is a Screen, then redraws it on the main thread.
template <typename Screen, typename Fill>
void fillTopList(Fill fill) {
    auto screen = topScreenAs<Screen>();
    if (!screen) return;
    fill(*screen);
    GlobalLogicHandler::onReloadTableView(screen);
}
}  // namespace

void GlobalLogicHandler::onRoomList(std::vector<std::shared_ptr<RoomInfo>> rooms) {
    onMainThread([rooms = std::move(rooms)] { showListRoom(rooms); });
}

void GlobalLogicHandler::showListRoom(const std::vector<std::shared_ptr<RoomInfo>>& rooms) {
    auto screen = topScreenAs<RoomView>();
    if (!screen) return;
    screen->setRoomList(rooms);
    // One section per level 0, 1 and 2, every one present; rooms of other levels are not shown.
    std::map<int, RoomView::Rooms> names{{0, {}}, {1, {}}, {2, {}}};
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
    screen->hideLoadingScreen();
    if (screen->isReloading()) screen->dataSourceDidFinishLoadingNewData();
}

void GlobalLogicHandler::onBoardListWithRoomId(int32_t, std::vector<std::shared_ptr<Board>> boards) {
    onMainThread([boards = std::move(boards)] { showListBoard(boards); });
}

void GlobalLogicHandler::showListBoard(const std::vector<std::shared_ptr<Board>>& boards) {
    try {
        if (auto screen = topScreenAs<BoardView>()) {
            screen->setListBoard(boards);
            screen->reloadData();
            screen->hideLoadingScreen();
            if (screen->isReloading()) screen->dataSourceDidFinishLoadingNewData();
        }
    } catch (const std::exception& e) {
        sys::Log::line("exception " + sys::failureName(e));
    }
    sys::Log::line("show list board");
}

void GlobalLogicHandler::onReloadTableView(const std::shared_ptr<ui::ViewController>& screen) {
    if (auto force = std::dynamic_pointer_cast<ForceReloadTableView>(screen)) {
        force->forceReloadTableView();
    } else if (auto show = std::dynamic_pointer_cast<ShowDataTableView>(screen)) {
        show->showDataTableView();
    }
    if (auto zuno = std::dynamic_pointer_cast<ZunoViewController>(screen)) zuno->hideLoadingScreen();
}

void GlobalLogicHandler::onFriendList(Players friends) {
    onMainThread([friends = std::move(friends)] {
        if (topScreenAs<FriendListView>()) {
            fillTopList<FriendListView>([&](FriendListView& screen) { screen.setFriendList(friends); });
            return;
        }
        fillTopList<InviteFriendView>([&](InviteFriendView& screen) {
            Players online;
            for (const auto& player : friends)
                if (player && player->isReady()) online.push_back(player);
            screen.setOnlineList(std::move(online));
        });
    });
}

void GlobalLogicHandler::onWaitingList(Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<InviteFriendView>([&](InviteFriendView& screen) { screen.setOnlineList(players); });
    });
}

void GlobalLogicHandler::onStrongestListWithPage(int32_t, int8_t, Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<SubRankingView>([&](SubRankingView& screen) { screen.setListSubRanking(players); });
    });
}

void GlobalLogicHandler::onRichestListWithPage(int32_t, Players players) {
    onMainThread([players = std::move(players)] {
        fillTopList<SubRankingView>([&](SubRankingView& screen) { screen.setListSubRanking(players); });
    });
}

void GlobalLogicHandler::onGetTopLit(std::vector<std::shared_ptr<Ranking>> rankings) {
    onMainThread([rankings = std::move(rankings)] {
        fillTopList<RankingView>([&](RankingView& screen) { screen.setListRanking(rankings); });
    });
}

void GlobalLogicHandler::onSearchResult(Players players) {
    // Adding a friend is a search followed by the add request for the first player found.
    if (!players.empty() && players.front()) {
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
    if (auto screen = topScreenAs<FriendListView>()) screen->onDelFriendResult(result);
}

void GlobalLogicHandler::onPlayerDetail(PlayerDetail detail) {
    onMainThread([detail = std::move(detail)] { onViewPlayerDetail(detail); });
}

void GlobalLogicHandler::onViewPlayerDetail(const PlayerDetail& detail) {
    auto screen = topScreen();
    if (auto ranking = std::dynamic_pointer_cast<SubRankingView>(screen)) {
        ranking->onRequestDetail(detail);
        return;
    }
    if (!isOneOf<TienLenView, PhomView, PhomNewView, CoTuongView, CoVuaView, BaiCaoView, XiZachView, CaroView,
                 TienLenMBView, BlocksView, PokerView>(screen))
        return;
    if (auto table = std::dynamic_pointer_cast<TableScreenEvents>(screen)) table->onRequestDetail(detail);
}

void GlobalLogicHandler::onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) {
    if (!message) return;
    onMainThread([message = std::move(message)] { onViewControllerChatFromWithMessage(message); });
}

void GlobalLogicHandler::onViewControllerChatFromWithMessage(const std::shared_ptr<ZunoMessage>& message) {
    auto screen = topScreen();
    if (auto friends = std::dynamic_pointer_cast<FriendListView>(screen)) {
        friends->onChatFromWithMessage(message);
        return;
    }
    if (auto mailbox = std::dynamic_pointer_cast<MessageView>(screen)) {
        mailbox->onNewMessage(message);
        return;
    }
    UIController::addMessage(message);
    if (auto old = UIController::btnAlertMessage()) old->removeFromSuperview();
    UIController::setBtnAlertMessage(nullptr);

    auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
    button->setFrame(ui::Rect(400, 20, 60, 45));
    button->setBackgroundImage(ui::Image::imageNamed("email.png"));
    auto count = std::make_shared<ui::Label>(ui::Rect(25, 0, 60, 45));
    count->setText(sys::format("%d", int64_t(UIController::unreadMessageCount())));
    count->setFont(ui::Font::systemFontOfSize(12));
    count->setBackgroundColor(ui::Color::clear());
    button->addSubview(count);
    button->addHandler([](ui::Control&) { lobbyUi()->onOpenMessage(); }, ui::ControlEvent::TouchUpInside);
    UIController::setBtnAlertMessage(button);
    if (screen) screen->view()->addSubview(button);
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
    UIController::setObject(sys::Value(invitation));
    UIController::setOkValue(UIController::okAcceptInvite);
    showConfirmation(message, "ZUNO_OK");
}

void GlobalLogicHandler::onProvinceList(Province::List provinces) {
    onMainThread([provinces = std::move(provinces)] { loadProvinceList(provinces); });
}

void GlobalLogicHandler::loadProvinceList(const Province::List& provinces) {
    Province::setList(provinces);
    auto profile = topScreenAs<ProfileView>();
    if (!profile) return;
    auto picker = profile->proView();
    if (!picker) return;
    picker->setListProvinces(Province::list());
    if (auto table = picker->tableView()) table->reloadData();
    profile->view()->addSubview(picker->view());
    picker->viewWillAppear(false);
}

void GlobalLogicHandler::onMyUserDataWithUser(UserPtr user) {
    onMainThread([user = std::move(user)] {
        auto screen = topScreen();
        if (auto profile = std::dynamic_pointer_cast<ProfileView>(screen)) {
            profile->onMyUserDataWithUser(user);
        } else if (auto shop = std::dynamic_pointer_cast<ShopView>(screen)) {
            shop->onMyUserDataWithUser(user);
        }
    });
}

void GlobalLogicHandler::onMyAchievement(std::vector<int32_t> achievement) {
    if (achievement.empty()) return;
    onMainThread([achievement = std::move(achievement)] {
        if (auto profile = topScreenAs<ProfileView>()) profile->onMyAchievementWithGameId(achievement.front(), achievement);
    });
}

void GlobalLogicHandler::onMyAssets(Assets assets) {
    onMainThread([assets = std::move(assets)] {
        if (auto profile = topScreenAs<ProfileView>()) profile->onMyAssetsWithAssets(assets);
    });
}

void GlobalLogicHandler::onGetListItemsEvent(Assets items) {
    onMainThread([items = std::move(items)] {
        if (auto profile = topScreenAs<ProfileView>()) profile->onMyAssetsWithAssets(items);
    });
}

}  // namespace zuno
