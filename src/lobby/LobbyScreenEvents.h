#pragma once

// What the session logic asks of the sign-in, lobby and account screens when one of them is on top.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/LobbyEventRecords.h"
#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"
#include "lobby/model/Province.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

namespace ui {
class TableView;
}

class WardrobeTab;
class PurchasesTab;

// The registration screen: a failed connect is its own to handle (it tries the next server).
class RegistrationScreen {
public:
    virtual ~RegistrationScreen() = default;
};

// The tell-a-friend screen; a failed connect leaves it alone.
class TellFriendScreen {
public:
    virtual ~TellFriendScreen() = default;
    // The server's text for the SMS to a friend.
    virtual void updateWithInfo(const std::optional<std::string>& info) = 0;
};

// The guide, terms and event pages.
class EventScreen {
public:
    virtual ~EventScreen() = default;
    virtual void showEventWithInfo(const std::string& info) = 0;
};

// The room list.
class RoomListScreen {
public:
    using Rooms = std::vector<std::shared_ptr<RoomInfo>>;
    virtual ~RoomListScreen() = default;
    virtual void setRoomList(Rooms rooms) = 0;
    // The rooms of each level 0, 1 and 2, one table section per level.
    virtual void setNames(std::map<int, Rooms> names) = 0;
    virtual void setKeys(std::vector<int> keys) = 0;
    virtual std::shared_ptr<ui::TableView> tableView() const = 0;
    // A pull-to-refresh is running.
    virtual bool isReloading() const = 0;
    virtual void dataSourceDidFinishLoadingNewData() = 0;
};

// The table list of a room.
class TableListScreen {
public:
    virtual ~TableListScreen() = default;
    virtual void setListBoard(std::vector<std::shared_ptr<Board>> boards) = 0;
    // Redraws the grid of tables.
    virtual void reloadData() = 0;
    // A pull-to-refresh is running.
    virtual bool isReloading() const = 0;
    virtual void dataSourceDidFinishLoadingNewData() = 0;
    // No table button counts as held down any more (the count is the class's: numOfTouchUp).
    virtual void resetNumOfTouchUp() = 0;
};

// The friend list and its chat tabs.
class FriendListScreen {
public:
    virtual ~FriendListScreen() = default;
    virtual void setFriendList(std::vector<PlayerPtr> friends) = 0;
    // 0: the friend was deleted.
    virtual void onDelFriendResult(int result) = 0;
    virtual void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) = 0;
};

// The list of players to invite to the table.
class InviteListScreen {
public:
    virtual ~InviteListScreen() = default;
    virtual void setOnlineList(std::vector<PlayerPtr> players) = 0;
};

// The list of rankings.
class RankingListScreen {
public:
    virtual ~RankingListScreen() = default;
    virtual void setListRanking(std::vector<std::shared_ptr<Ranking>> rankings) = 0;
};

// One ranking: the richest players, or the strongest of a game.
class SubRankingScreen {
public:
    virtual ~SubRankingScreen() = default;
    virtual void setListSubRanking(std::vector<PlayerPtr> players) = 0;
    virtual void onRequestDetail(const PlayerDetail& detail) = 0;
};

// The mailbox.
class MailboxScreen {
public:
    virtual ~MailboxScreen() = default;
    // A private message that arrived while the mailbox is shown.
    virtual void onNewMessage(std::shared_ptr<ZunoMessage> message) = 0;
};

// The personal-data tab of the own profile.
class ProfileDataTab {
public:
    virtual ~ProfileDataTab() = default;
    virtual void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) = 0;
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) = 0;
    virtual void updateLoadUsing() = 0;
    // A put-on, take-off or deletion the server confirmed in the wardrobe: the worn figure, whose
    // layers the wardrobe copies, follows at once.
    virtual void wornItemChanged(const UserAvatarDetail& item, bool worn) = 0;
};

// The province picker of the personal data.
class ProvincePicker {
public:
    virtual ~ProvincePicker() = default;
    virtual void setListProvinces(Province::List provinces) = 0;
    virtual std::shared_ptr<ui::TableView> tableView() const = 0;
};

// The own profile with its tabs.
class ProfileScreen {
public:
    virtual ~ProfileScreen() = default;
    virtual void onMyUserDataWithUser(UserPtr user) = 0;
    // The game id, then the numbers of that game.
    virtual void onMyAchievementWithGameId(int gameId, std::vector<int32_t> achievement) = 0;
    virtual void onMyAssetsWithAssets(std::vector<std::shared_ptr<Asset>> assets) = 0;
    // Removes the row of the gift just opened.
    virtual void deleteAsset() = 0;
    // The signed-in player's balance changed: the tab that shows it draws it again.
    virtual void showMyMoney() = 0;

    // The tabs and sheets the session logic reaches; none until made.
    virtual std::shared_ptr<ProfileDataTab> userDataView() const = 0;
    virtual std::shared_ptr<WardrobeTab> storeView() const = 0;
    virtual std::shared_ptr<PurchasesTab> transactionView() const = 0;
    virtual std::shared_ptr<ProvincePicker> proView() const = 0;
    // The gender of the user whose items the wardrobe shows, once known.
    virtual std::optional<int8_t> profileUserGender() const { return std::nullopt; }
};

}  // namespace zuno
