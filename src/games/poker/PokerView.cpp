// The Poker table screen: its interface file, seats and watchers, the table's buttons and sheets, chat,
// gifts and zoom. The hand itself (deal, betting, streets, showdown, turn clock) is PokerViewHand.cpp.
#include "games/poker/PokerView.h"

#include <algorithm>

#include "games/poker/PokerService.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Animation.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/BoardView.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

constexpr double kChatRowHeight = 15;
constexpr ui::Point kChatShown{390, 145};
constexpr ui::Point kChatHidden{535, 145};  // off the right edge

TableDecorationGeometry pokerDecorations() {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    // The bubbles keep off the cards, names, stacks, bets, pots and my slider: mine (a refused move)
    // left of my cards, under the bottom left seat's name; the table's own (a buzz) at the top, between
    // the stake and the edge, where the other seats' bubbles take turns with it or lie beside it.
    const ui::Rect top(162, 0, 156, 30);
    g.bubbleFontSize = 12;
    g.bubblePadding = 20;
    g.bubbleAreas = {ui::Rect(2, 265, 206, 25), top, top, top, top};
    for (size_t bubble = 0; bubble < g.bubbleAreas.size(); ++bubble) g.bubbleCentres[bubble] = g.bubbleAreas[bubble]->center();
    g.flyTextPoints = {ui::Point{240, 238}, {100, 230}, {36, 148}, {62, 84}, {180, 52},
                       {300, 52},          {418, 84},  {444, 148}, {380, 230}};
    g.tableCentre = PokerView::kCentre;
    // A seat's gifts lie on its side away from the middle, where its cards, bets and markers lie: mine
    // and the bottom seats' under their cards, the upper seats' above or beside their avatars.
    g.giftSide = 18;
    g.giftFirst = {ui::Point{201, 277}, {93, 273}, {11, 219}, {19, 61}, {173, 17},
                   {309, 19},          {459, 59}, {469, 123}, {385, 277}};
    g.giftStep = {ui::Point{-20, 0}, {20, 0}, {20, 0}, {0, -20}, {20, 0}, {-20, 0}, {0, -20}, {-20, 0}, {-20, 0}};
    g.giftRowLength.clear();
    g.giftRowStep.clear();
    g.giftStarts = {ui::Point{240, 260}, {90, 250}, {30, 160}, {55, 70}, {170, 50},
                    {290, 70},          {420, 70}, {440, 160}, {360, 250}};
    g.maxGifts = 3;
    g.unseatedPoint = std::nullopt;  // a gift from or to someone without a seat shows nothing
    return g;
}

std::shared_ptr<TienLenPlayer> seatPlayerOf(const PlayerPtr& player) {
    if (auto seated = std::dynamic_pointer_cast<TienLenPlayer>(player)) return seated;
    auto copy = std::make_shared<TienLenPlayer>();
    if (!player) {
        copy->setIDDB(-1);
        return copy;
    }
    copy->setIDDB(player->IDDB());
    copy->setName(player->name());
    copy->setMoney(player->money());
    copy->setAvatar(player->avatar());
    copy->setExp(player->exp());
    return copy;
}

template <class V>
void setHidden(const std::shared_ptr<V>& view, bool hidden) {
    if (view) view->setHidden(hidden);
}
}  // namespace

// An outlet that is one entry of an array of outlets (seat 0 .. seat 8, say).
template <class V, size_t N>
ui::BindingTable::Entry outletAt(std::string name, std::array<std::shared_ptr<V>, N> PokerView::*field, size_t index) {
    ui::BindingTable::Entry e;
    e.kind = ui::BindingTable::Entry::Kind::Outlet;
    e.outlet.name = std::move(name);
    e.outlet.set = [field, index](ui::Object& owner, const std::shared_ptr<ui::Object>& value) {
        auto* self = dynamic_cast<PokerView*>(&owner);
        auto typed = std::dynamic_pointer_cast<V>(value);
        if (!self || (value && !typed)) return false;
        (self->*field)[index] = std::move(typed);
        return true;
    };
    return e;
}

#define O(name) B::outlet(#name, &PokerView::name)

const ui::BindingTable& PokerView::bindings() {
    using B = ui::Bind<PokerView>;
    static const ui::BindingTable table = [] {
        std::vector<ui::BindingTable::Entry> entries = {
            O(imgBoard), O(imgBaiTi), O(imgDealer), O(imgSmallBind), O(imgBigBind), O(viewCuoc), O(viewSlider),
            O(bottomMenuView), O(viewChat), O(viewChatLines), O(btnCuoc), O(btnFold), O(btnCheck), O(btnCall),
            O(btnRaise), O(btnBet), O(btnAllIn), O(btnExit), O(btnConfig), O(btnChat), O(sldBet),
            O(lblSliderMoney), O(mnuSetup), O(mnuCuoc), O(mnuSoNguoi), O(mnuPassword),
            B::optionalOutlet("playerDetail", &PokerView::playerDetail), O(mnuInviting), O(chatDialog),
            O(optionView), B::optionalOutlet("viewGift", &PokerView::viewGift),
            B::action("doFold", &PokerView::doFold), B::action("doCheck", &PokerView::doCheck),
            B::action("doCall", &PokerView::doCall), B::action("doBet", &PokerView::doBet),
            B::action("doRaise", &PokerView::doRaise), B::action("doAllIn", &PokerView::doAllIn),
            B::action("sliderChange", &PokerView::sliderChange), B::action("clickSeat:", &PokerView::clickSeat),
            B::action("clickLeaveBoard", &PokerView::clickLeaveBoard),
            B::action("clickConfig", &PokerView::clickConfig), B::action("clickInviting", &PokerView::clickInviting),
            B::action("clickChatBoardOfMe", &PokerView::clickChatBoardOfMe),
            B::action("clickShowChatBoard:", &PokerView::clickShowChatBoard),
            B::action("showSetupCuoc:", &PokerView::showSetupCuoc),
            B::action("clickGiftDetail:", &PokerView::clickGiftDetail)};
        for (size_t i = 0; i < kSeats; ++i) {
            const std::string n = std::to_string(i);
            for (auto e : {outletAt("ava" + n, &PokerView::ava, i), outletAt("imgAnte" + n, &PokerView::imgAnte, i),
                           outletAt("lblName" + n, &PokerView::lblName, i),
                           outletAt("lblPlayerStack" + n, &PokerView::lblPlayerStack, i),
                           outletAt("lblStatus" + n, &PokerView::lblStatus, i),
                           outletAt("lblPokerHand" + n, &PokerView::lblPokerHand, i),
                           outletAt("lblPlayerMoney" + n, &PokerView::lblPlayerMoney, i),
                           outletAt("viePlayerMoney" + n, &PokerView::viePlayerMoney, i),
                           outletAt("btnSeat" + n, &PokerView::btnSeat, i)})
                entries.push_back(std::move(e));
        }
        for (size_t i = 0; i < kPots; ++i) {
            entries.push_back(outletAt("vieBot" + std::to_string(i + 1), &PokerView::vieBot, i));
            entries.push_back(outletAt("lblBot" + std::to_string(i + 1), &PokerView::lblBot, i));
        }
        for (size_t i = 0; i < 5; ++i) entries.push_back(outletAt("chat" + std::to_string(i), &PokerView::chat, i));
        return ui::BindingTable(&ZunoViewController::bindings(), std::move(entries));
    }();
    return table;
}

#undef O

PokerView::PokerView(std::string nibName) : ZunoViewController(std::move(nibName)), decorations_(pokerDecorations()) {
    decorations_.attach({[this] { return view(); },
                         [this](int bubble) { return bubble >= 0 && bubble < 5 ? chat[bubble] : nullptr; },
                         [this](int32_t userId) {
                             auto record = poker_.seatOf(userId);
                             return record ? record->playerNewSeat() : -1;
                         },
                         [this](int seat) -> PlayerPtr {
                             if (seat < 0 || static_cast<size_t>(seat) >= poker_.playingPlayers.size()) return nullptr;
                             const auto& record = poker_.playingPlayers[seat];
                             return record->playerId() == -1 ? nullptr : record->player();
                         },
                         this, nullptr});
}

PokerView::~PokerView() {
    auto& loop = sys::RunLoop::main();
    for (auto id : {gameTimer_, nameTimer_, winnerTimer_, dealTimer_}) loop.cancel(id);
}

std::weak_ptr<PokerView> PokerView::weakSelf() { return std::static_pointer_cast<PokerView>(shared_from_this()); }

std::shared_ptr<PokerSeatCards> PokerView::cardsOf(int32_t userId) {
    if (userId == -1) return nullptr;
    auto& cards = seatCards_[userId];
    if (!cards) cards = std::make_shared<PokerSeatCards>();
    return cards;
}

// ---- lifecycle

void PokerView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    pokerTime = std::make_shared<ColoredProgressView>(ui::ProgressView::Style::Default, ui::Rect(200, 100, 80, 10));
    bottomMenu_.setButtons(nullptr, btnConfig);
    for (int seat = 0; seat < kSeats; ++seat)
        if (viePlayerMoney[seat]) chipHomes_[seat] = viePlayerMoney[seat]->center();
    for (int i = 0; i < kPots; ++i)
        if (vieBot[i]) potHomes_[i] = vieBot[i]->center();
}

void PokerView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    if (btnExit) btnExit->setTitle(text("ZUNO_exitBoard"));
    if (btnConfig) btnConfig->setTitle(text("ZUNO_option"));
}

void PokerView::viewWillDisappear(bool animated) {
    ZunoViewController::viewWillDisappear(animated);
    if (chatDialog) chatDialog->historyChat().clear();
    redrawChatLines();
    bottomMenu_.blink().cancel();
    // The table's timers belong to the screen: a table left runs no clock, winner step or deal.
    stopTurnClock();
    cancelWinnerStep();
    cancelDeal();
    decorations_.stop();
    for (const auto& record : poker_.playingPlayers) removeGifts(record);
    if (viewChat) {
        viewChat->setCenter(kChatHidden);
        viewChat->setTag(0);
    }
}

void PokerView::resetView() {
    view();
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->lblWindowTitle && !delegate->lblWindowTitle->isHidden()) delegate->stopEvent();
    hideTimer();
    cancelWinnerStep();
    cancelDeal();
    if (isZoom) zoomOut();
    isZoom = false;
    poker_.isGameEnd = true;
    poker_.isPlaying = false;
    for (int seat = 0; seat < kSeats; ++seat) {
        setHidden(ava[seat], true);
        if (lblName[seat]) lblName[seat]->setText("");
    }
    decorations_.clearWaitingChat();
    for (int bubble = 0; bubble <= TableDecorations::kCentre; ++bubble) decorations_.hideChat(bubble);
    if (btnCuoc) btnCuoc->setTitle(Util::formatNumber(money()) + " " + text("ZUNO_win"));
    std::vector<std::shared_ptr<ui::View>> cards;
    for (const auto& subview : view()->subviews())
        if (std::dynamic_pointer_cast<CardView>(subview)) cards.push_back(subview);
    for (const auto& card : cards) card->removeFromSuperview();
    showCardViews_.clear();
    seatCards_.clear();
}

void PokerView::setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     std::vector<PlayerPtr> players) {
    view();
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    std::vector<std::shared_ptr<TienLenPlayer>> seated;
    for (const auto& player : players) seated.push_back(seatPlayerOf(player));
    CardTableSeating::setupPlayersWithRoom(roomId, boardId, ownerId, money, std::move(players));
    if (btnCuoc) btnCuoc->setTitle(Util::formatNumber(money) + " " + text("ZUNO_win"));
    poker_ = PokerTable(UIController::myId());
    poker_.setupPlayers(seated, ownerId);
    // The owner's setup is offered to the owner only, as when the table changes hands.
    bottomMenu_.createBottomMenu(poker_.isMe(ownerId) ? 1 : 2);
    if (pokerTime) pokerTime->removeFromSuperview();
    hideAllMenu();
    hideAllBot();
    resetLocalSeat();
    resetSeatPoker();
}

// ---- seats

void PokerView::seatsChanged() {
    // The sheets (invitation, player menu) read the table's players in server order.
    auto& players = table().players;
    players.clear();
    for (const auto& record : poker_.allPlayers)
        if (record->player()) players.push_back(record->player());
    drawAllPlayerInfo();
    drawMarkers();
}

void PokerView::hideAllInfo() {
    for (int seat = 0; seat < kSeats; ++seat) {
        setHidden(viePlayerMoney[seat], true);
        setHidden(lblPlayerStack[seat], true);
        setHidden(lblName[seat], true);
    }
    hideAllStatus();
}

void PokerView::hideAllAvatar() {
    for (const auto& avatar : ava) setHidden(avatar, true);
}

void PokerView::hideAllStatus() {
    for (int seat = 0; seat < kSeats; ++seat) setHidden(lblStatus[seat], true);
    for (const auto& record : poker_.playingPlayers) {
        const int seat = record->playerNewSeat();
        if (record->playerId() == -1 || seat < 0 || seat >= kSeats || !lblName[seat]) continue;
        lblName[seat]->setText(record->player()->name());
    }
}

void PokerView::clearPokerView() {
    hideAllInfo();
    hideAllAvatar();
    hideAllMenu();
}

void PokerView::drawMoneyOfPlayer(const PokerPlayer& p) {
    const int seat = p.playerNewSeat();
    if (p.playerId() == -1 || seat < 0 || seat >= kSeats) return;
    if (p.playerMoney() != -1) {
        setHidden(viePlayerMoney[seat], false);
        if (lblPlayerMoney[seat]) lblPlayerMoney[seat]->setText(formatPokerAmount(p.playerMoney()));
    }
    if (lblPlayerStack[seat]) {
        lblPlayerStack[seat]->setText(formatPokerAmount(p.playerStack()));
        lblPlayerStack[seat]->setHidden(false);
    }
    if (lblName[seat]) {
        lblName[seat]->setText(p.player()->name());
        lblName[seat]->setHidden(false);
    }
}

void PokerView::setSeatForPlayer(const PokerPlayer& p) {
    const int seat = p.playerNewSeat();
    if (p.playerId() == -1 || seat < 0 || seat >= kSeats) return;
    if (ava[seat]) {
        Resources::getInstance().assignAvatarId(p.player()->avatar(), ava[seat]);
        ava[seat]->setHidden(false);
    }
    if (lblName[seat]) lblName[seat]->setText(p.player()->name());
}

void PokerView::drawAllPlayerInfo() {
    for (const auto& record : poker_.playingPlayers) {
        if (record->playerId() == -1) continue;
        drawMoneyOfPlayer(*record);
        setSeatForPlayer(*record);
    }
}

void PokerView::resetLocalSeat() {
    hideAllInfo();
    hideAllAvatar();
    poker_.resetLocalSeat();
    seatsChanged();
}

void PokerView::drawSeatButtons() {
    for (int seat = 0; seat < kSeats; ++seat) {
        if (!btnSeat[seat]) continue;
        switch (poker_.seatOffers[seat]) {
            case PokerTable::SeatOffer::None: btnSeat[seat]->setTitle(std::string()); break;
            case PokerTable::SeatOffer::Sit: btnSeat[seat]->setTitle(text("ZUNO_sitdown")); break;
            case PokerTable::SeatOffer::Invite: btnSeat[seat]->setTitle(text("ZUNO_invite")); break;
        }
    }
}

void PokerView::resetSeatPoker() {
    poker_.resetSeatPoker();
    drawSeatButtons();
}

void PokerView::setAtSeat(int8_t seat, TienLenPlayerPtr joinPersonInfo) {
    if (!joinPersonInfo) return;
    hideAllInfo();
    hideAllAvatar();
    poker_.setAtSeat(seat, std::move(joinPersonInfo));
    seatsChanged();
    drawSeatButtons();
}

void PokerView::cardsLeaveTable(int32_t userId) {
    sys::Log::format("KickPoker: %d", userId);
    if (auto cards = seatCards_.find(userId); cards != seatCards_.end()) cards->second->flyAway(0.5);
}

void PokerView::removeGifts(const Record& record) {
    if (!record || !record->player()) return;
    for (const auto& gift : record->player()->gifts())
        if (gift) gift->removeFromSuperview();
    record->player()->gifts().clear();
}

void PokerView::onJoinBoard(const Ints& userID, const Ints& stack) {
    sys::Log::line("ON JOIN BOARD");
    hideAllMenu();
    hideAllInfo();
    hideAllBot();
    clearPokerView();
    poker_.onJoinBoard(userID, stack);
    seatsChanged();
    drawSeatButtons();
}

void PokerView::onStack(int32_t userID, int32_t stack) {
    poker_.onStack(userID, stack);
    drawAllPlayerInfo();
}

void PokerView::onSit(int32_t userID, int8_t seat) {
    sys::Log::line("SITDOWN");
    hideAllInfo();
    hideAllAvatar();
    poker_.onSit(userID, seat);
    seatsChanged();
    drawSeatButtons();
}

void PokerView::onStandUp(int32_t userID, int32_t nextID, int8_t, const Ints& action) {
    sys::Log::format("ON STAND UP : %d", nextID);
    if (auto record = poker_.seatOf(userID)) removeGifts(record);
    cardsLeaveTable(userID);
    const bool wasActing = poker_.nowPlaying == userID;
    if (wasActing) hideTimer();
    if (wasActing && nextID != -1) setStatus(0, userID);
    hideAllInfo();
    hideAllAvatar();
    poker_.onStandUp(userID, nextID, action);
    seatsChanged();
    if (wasActing && nextID != -1) {
        if (auto next = poker_.seatOf(nextID)) drawTimeForPlayer(*next);
        showButtons();
    }
    if (poker_.isMe(userID)) {
        hideAllMenu();
        removeAllPlayerCard();
    }
    drawSeatButtons();
}

void PokerView::onLeaveBoard(int32_t userId) {
    sys::Log::line("on leave board");
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_leave_board());
    if (poker_.isMe(userId)) {
        removeAllPlayerCard();
        hideAllInfo();
        resetAllSmallName();
        hideAllStatus();
        hideAllBot();
        return;
    }
    if (auto record = poker_.seatOf(userId)) removeGifts(record);
    cardsLeaveTable(userId);
    hideAllInfo();
    hideAllAvatar();
    poker_.onLeaveBoard(userId);
    seatCards_.erase(userId);
    seatsChanged();
    drawSeatButtons();
}

void PokerView::playerLeaveWithId(int32_t userId) {
    sys::Log::line("------LEAVE");
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_leave_board());
    if (poker_.isMe(userId)) {
        removeAllPlayerCard();
        hideAllInfo();
        hideAllMenu();
    }
    resetSeatPoker();
}

void PokerView::onOverMoney(int32_t userID) {
    cardsLeaveTable(userID);
    hideAllInfo();
    hideAllAvatar();
    poker_.onOverMoney(userID);
    seatsChanged();
    drawSeatButtons();
    if (poker_.isMe(userID)) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_pokerNoStackMoney"));
    }
}

void PokerView::onFullBoard() {
    sys::Log::line("FULL BOARD");
    UIController::setOkValue(UIController::okPokerObserve);
    UIController::startCancelOkDlg("Want to watch?", "NO", "YES");
    poker_.onFullBoard();
    drawSeatButtons();
}

void PokerView::onObserver(int32_t) { sys::Log::line("OBSERVER"); }

void PokerView::setOwnerWithNewOwner(int32_t ownerId) {
    poker_.ownerID = ownerId;
    table().ownerID = ownerId;
    if (poker_.isGameEnd) bottomMenu_.createBottomMenu(poker_.isMe(ownerId) ? 1 : 2);
    bottomMenu_.blink().restart(nullptr);
}

// ---- requests of the seats

void PokerView::doSit(int8_t seat) { PokerService::getInstance().doSit(roomId(), boardId(), seat); }

void PokerView::doObserver(int8_t choice) { PokerService::getInstance().doSendObserver(roomId(), boardId(), choice); }

void PokerView::doStandUp() {
    sys::Log::line("doStandUp");
    PokerService::getInstance().doStandUp(roomId(), boardId());
}

void PokerView::clickSeat(ui::Button* button) {
    if (!button) return;
    const int seat = button->tag();
    if (seat < 0 || static_cast<size_t>(seat) >= poker_.playingPlayers.size()) return;
    const auto& record = poker_.playingPlayers[seat];
    switch (poker_.seatOffers[seat]) {
        case PokerTable::SeatOffer::Sit: doSit(static_cast<int8_t>(record->playerSeat())); return;
        case PokerTable::SeatOffer::Invite: clickInviting(); return;
        case PokerTable::SeatOffer::None: break;
    }
    if (record->playerId() == -1) return;
    currentControlPlayer_ = record->player();
    presentSheet(optionView);
}

// ---- leaving, sheets, chat

void PokerView::clickLeaveBoard() {
    PlayerPtr me = UIController::myInfo();
    const bool readyOwner = me && me->isReady() && poker_.isMe(poker_.ownerID);
    if (!poker_.isGameEnd || readyOwner) {
        UIController::setOkValue(UIController::okLeaveBoard);
        UIController::startCancelOkDlg(text("ZUNO_doYouWantExit"), text("ZUNO_cancel"), text("ZUNO_OK"));
        return;
    }
    if (isZoom) {
        hideTimer();
        zoomOut();
    }
    GlobalService::getInstance().leaveBoardWithRoomId(roomId(), boardId());
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate) return;
    if (delegate->lblServerInfo && delegate->lblServerInfo->isHidden() && delegate->lblWindowTitle)
        delegate->lblWindowTitle->setHidden(false);
    if (!delegate->navigationController) return;
    delegate->navigationController->popViewControllerAnimated(true);
    if (auto list = std::dynamic_pointer_cast<BoardView>(delegate->navigationController->topViewController()))
        list->setRoomId(roomId());
}

void PokerView::presentSheet(const std::shared_ptr<ui::ViewController>& sheet) { tablesheet::present(*view(), sheet); }

void PokerView::clickConfig() { presentSheet(mnuSetup); }
void PokerView::clickInviting() { presentSheet(mnuInviting); }
void PokerView::clickChatBoardOfMe() { presentSheet(chatDialog); }
void PokerView::showSetupPassword() { presentSheet(mnuPassword); }
void PokerView::showSetupSoNguoi() { presentSheet(mnuSoNguoi); }
void PokerView::showSetupCuoc(ui::Object*) { showCuoc(); }

void PokerView::showCuoc() {
    if (poker_.isMe(poker_.ownerID) && poker_.isGameEnd) presentSheet(mnuCuoc);
}

void PokerView::showGiftView() { presentSheet(viewGift); }

void PokerView::onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {
    giftsheet::showListGift(viewGift, categories);
}

void PokerView::onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) {
    giftsheet::showItemsWithGift(viewGift, page);
}

void PokerView::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    decorations_.onShowGift(itemId, fromUser, toUser);
}

void PokerView::clickGiftDetail(ui::Button* button) {
    if (!button) return;
    auto giver = poker_.seatOf(button->tag());
    giftsheet::showGiftDetail(giver ? giver->player()->name() : std::string());
}

void PokerView::onRequestDetail(const PlayerDetail& detail) {
    tablesheet::showPlayerDetail(*view(), playerDetail, detail);
}

void PokerView::onChatFromMeWithText(const std::string& line) {
    const std::string trimmed = tabletext::trimmed(line);
    if (trimmed.empty()) return;
    GlobalService::getInstance().chatToBoardWithRoom(roomId(), boardId(), trimmed);
    PlayerPtr me = UIController::myInfo();
    onChatFromWithId(me ? me->IDDB() : -1, me ? std::optional<std::string>(me->name()) : std::nullopt, trimmed);
}

void PokerView::onChatFromWithId(int32_t userId, const std::optional<std::string>&, const std::string& line) {
    if (userId <= 0 || !chatDialog) return;
    // Table chat goes to the chat list; a sender without a seat is named as the table knows him.
    std::string name;
    for (const auto& record : poker_.allPlayers)
        if (record->playerId() == userId) name = record->player()->name();
    sys::Log::format("chat: %d: %s", userId, line.c_str());
    auto chatLine = std::make_shared<Chat>();
    chatLine->setName(name);
    chatLine->setContent(line);
    chatDialog->addChatLine(chatLine);
    redrawChatLines();
}

void PokerView::redrawChatLines() {
    if (!viewChatLines) return;
    for (auto subviews = viewChatLines->subviews(); const auto& row : subviews) row->removeFromSuperview();
    if (!chatDialog) return;
    const auto& history = chatDialog->historyChat();
    const double width = viewChatLines->bounds().size.width;
    const ui::Font font = ui::Font::systemFontOfSize(10);
    // The latest lines first, each on as many rows as it needs while the panel has rows left: only a
    // line that does not fit in the rows left is cut.
    int rowsLeft = static_cast<int>(viewChatLines->bounds().size.height / kChatRowHeight);
    double top = 0;
    for (auto line = history.rbegin(); line != history.rend() && rowsLeft > 0; ++line) {
        const std::string text = (*line)->name().value_or("") + ": " + (*line)->content().value_or("");
        const int rows = std::min(rowsLeft, std::max(1, static_cast<int>(font.wrap(text, width, 0).size())));
        auto label = std::make_shared<ui::Label>(ui::Rect(0, top, width, rows * kChatRowHeight));
        label->setNumberOfLines(rows);
        label->setText(text);
        label->setFont(font);
        label->setTextColor(ui::Color::white());
        label->setBackgroundColor(std::nullopt);
        viewChatLines->addSubview(label);
        top += rows * kChatRowHeight;
        rowsLeft -= rows;
    }
}

void PokerView::clickShowChatBoard(ui::Object*) {
    if (!viewChat) return;
    const bool shown = viewChat->tag() != 0;
    ui::View::beginAnimations(std::string("showChatBoard"));
    ui::View::setAnimationDuration(0.5);
    viewChat->setCenter(shown ? kChatHidden : kChatShown);
    ui::View::commitAnimations();
    viewChat->setTag(shown ? 0 : 1);
    if (shown) return;
    view()->bringSubviewToFront(viewChat.get());
    // The panel's right end lies over the right seat's button: the button stays whole and takes its taps
    // there, where the panel draws no lines.
    ui::Rect opened = viewChat->frame();
    opened.origin = {kChatShown.x - opened.width() / 2, kChatShown.y - opened.height() / 2};
    for (const auto& seat : btnSeat)
        if (seat && seat->frame().intersects(opened)) view()->bringSubviewToFront(seat.get());
}

void PokerView::showChatWithSeat(int seat, const std::string& line) { decorations_.showChatWithSeat(seat, line); }

void PokerView::onBuzzWithContent(const std::string& content) {
    Util::callRung();
    showChatWithSeat(TableDecorations::kCentre, content);
}

void PokerView::moveErrorWithInfo(const std::string& info) {
    Util::callRung();
    showChatWithSeat(0, info);
    poker_.onMoveError();
}

// ---- zoom

void PokerView::zoomIn() {
    resetSeatPoker();
    isZoom = true;
    ui::View::beginAnimations(std::string("animate"));
    ui::View::setAnimationCurve(ui::AnimationCurve::EaseIn);
    ui::View::setAnimationDuration(0.6);
    if (imgBoard) imgBoard->setFrame(ui::Rect(30, 20, 420, 240));
    if (viewCuoc) viewCuoc->setCenter(ui::Point{100, 20});
    ui::View::commitAnimations();
    std::weak_ptr<ui::ImageView> deck = imgBaiTi;
    ui::View::animate(0.6, [] {}, [deck](bool) {
        if (auto d = deck.lock()) d->setHidden(false);
    });
}

void PokerView::zoomOut() {
    hideSlider();
    resetSeatPoker();
    resetAllSmallName();
    sys::Log::line("ZOOM OUT");
    isZoom = false;
    for (const auto& button : btnSeat) setHidden(button, false);
    ui::View::beginAnimations(std::string("animate"));
    ui::View::setAnimationCurve(ui::AnimationCurve::EaseIn);
    ui::View::setAnimationDuration(0.6);
    if (imgBoard) imgBoard->setFrame(ui::Rect(66, 65, 350, 170));
    if (viewCuoc) viewCuoc->setCenter(ui::Point{240, 150});
    ui::View::commitAnimations();
    std::weak_ptr<ui::ImageView> deck = imgBaiTi;
    ui::View::animate(0.6, [] {}, [deck](bool) {
        if (auto d = deck.lock()) d->setHidden(true);
    });
}

ZUNO_REGISTER_SCREEN(PokerView)

}  // namespace zuno
