#include "table/GameCardView.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/MessageView.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/CardView.h"
#include "table/CurrentTable.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

const ui::Color kBarGreen = ui::Color::rgb255(27, 175, 57);

ui::Color barColour(TurnBar::Colour colour) {
    switch (colour) {
        case TurnBar::Colour::Green: return kBarGreen;
        case TurnBar::Colour::Orange: return ui::Color::orange();
        case TurnBar::Colour::Red: return ui::Color::red();
    }
    return kBarGreen;
}
}  // namespace

#define O(name) B::outlet(#name, &GameCardView::name)

const ui::BindingTable& GameCardView::bindings() {
    using B = ui::Bind<GameCardView>;
    static const ui::BindingTable table(
        &ZunoViewController::bindings(),
        {O(lblPhong), O(btnCuoc), O(ava0), O(ava1), O(ava2), O(ava3), O(ok0), O(ok1), O(ok2), O(ok3),
         O(lblName0), O(lblName1), O(lblName2), O(lblName3), O(lblMoney0), O(lblMoney1), O(lblMoney2),
         O(lblMoney3), O(btnInfo0), O(btnInfo1), O(btnInfo2), O(btnInfo3), O(chat0), O(chat1), O(chat2),
         O(chat3), O(chat4), O(btnStart), O(btnConfig), O(btnInvite), O(btnKick), O(btnAutoSelected),
         O(btnExit), O(btnThinking), O(btnChat), O(btnMail), O(btnNapWin), O(lblConfig), O(lblInvite), O(lblKick),
         O(lblChat),
         // the action and pick buttons show their role themselves: a file may add a caption or picture
         B::optionalOutlet("lblStart", &GameCardView::lblStart), B::optionalOutlet("imgStart", &GameCardView::imgStart),
         B::optionalOutlet("lblAutoSelected", &GameCardView::lblAutoSelected), O(imgChain0), O(imgChain1), O(imgChain2),
         O(imgChain3), O(btnSeat0), O(btnSeat1), O(btnSeat2), O(btnSeat3), O(bottomMenuView), O(mnuSetup),
         O(mnuCuoc), O(mnuSoNguoi), O(mnuPassword), O(mnuAuto), O(playerInfoDialog),
         B::optionalOutlet("playerDetail", &GameCardView::playerDetail), O(mnuInviting), O(chatDialog),
         O(optionView), B::optionalOutlet("viewGift", &GameCardView::viewGift), O(imgBoard), O(imgPosition1),
         O(imgPosition2), O(imgPosition3), O(imgPosition4), O(viewStart), O(viewConfig), O(viewKick),
         O(viewInviting), O(viewThinking), O(viewChat), O(viewAutoSelect), O(imgTimer), O(imgMoney), O(viewMenuPlayer), O(lblHelp),
         B::action("clickStartGame", &GameCardView::clickStartGame),
         B::action("clickConfig", &GameCardView::clickConfig),
         B::action("clickInviting", &GameCardView::clickInviting),
         B::action("clickChatBoardOfMe", &GameCardView::clickChatBoardOfMe),
         B::action("clickLeaveBoard", &GameCardView::clickLeaveBoard),
         B::action("doSkip", &GameCardView::doSkip),
         B::action("doReady", &GameCardView::doReady),
         B::action("showSetupCuoc:", &GameCardView::showSetupCuoc),
         B::action("showPlayerDetail:", &GameCardView::showPlayerDetail),
         B::action("clickViewPlayerInfo:", &GameCardView::clickViewPlayerInfo),
         B::action("clickGiftDetail:", &GameCardView::clickGiftDetail),
         B::action("clickMailBox", &GameCardView::clickMailBox),
         B::action("clickAutomaticSelectedCards", &GameCardView::clickAutomaticSelectedCards),
         B::action("kickPlayer:", &GameCardView::kickPlayer)});
    return table;
}

#undef O

GameCardView::GameCardView(std::string nibName)
    : GameCardView(std::move(nibName), TableDecorationGeometry::cardTable()) {}

GameCardView::GameCardView(std::string nibName, TableDecorationGeometry geometry)
    : ZunoViewController(std::move(nibName)), decorations_(std::move(geometry)) {
    decorations_.attach({[this] { return view(); }, [this](int seat) { return bubble(seat); },
                         [this](int32_t userId) { return getSeatFromID(userId); },
                         [this](int seat) { return table().playerAtSeat(seat); }, this, nullptr});
}

GameCardView::~GameCardView() {
    auto& loop = sys::RunLoop::main();
    for (auto id : {limitTimer_, clockTimer_, readyTimer_, soundTimer_}) loop.cancel(id);
}

std::shared_ptr<ui::ImageView> GameCardView::readyMark(int seat) const {
    const std::shared_ptr<ui::ImageView> marks[] = {ok0, ok1, ok2, ok3};
    return seat >= 0 && seat < kSeats ? marks[seat] : nullptr;
}

std::shared_ptr<ui::Button> GameCardView::seatButton(int seat) const {
    const std::shared_ptr<ui::Button> buttons[] = {btnSeat0, btnSeat1, btnSeat2, btnSeat3};
    return seat >= 0 && seat < kSeats ? buttons[seat] : nullptr;
}

std::shared_ptr<ui::ImageView> GameCardView::bubble(int seat) const {
    const std::shared_ptr<ui::ImageView> bubbles[] = {chat0, chat1, chat2, chat3, chat4};
    return seat >= 0 && seat <= kCentre ? bubbles[seat] : nullptr;
}

// ---- lifecycle

void GameCardView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    for (int seat = 0; seat < kSeats; ++seat)
        if (names[seat]) namesOffTurn_[static_cast<size_t>(seat)] = names[seat]->textColor();
    // At my seat's place until a turn puts it at another's (a deal-wide turn leaves it there).
    progressTimer = std::make_shared<ColoredProgressView>(ui::ProgressView::Style::Default, ui::Rect(200, 179, 80, 6));
    progressTimer->setCenter(turnBarCentre(0));
    progressTimer->setTintColor(kBarGreen);
    progressTimer->setHidden(true);
    view()->addSubview(progressTimer);
    // The turn bar shows the rest of a turn whatever is said at its seat meanwhile.
    decorations_.keepOverBubbles(progressTimer);
}

void GameCardView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    const auto family = GameRegistry::currentFamily();
    const bool stakeShown = family == TableFamily::CardTable || family == TableFamily::Phom;
    if (imgMoney) imgMoney->setHidden(!stakeShown);
    if (btnCuoc) btnCuoc->setHidden(!stakeShown);
    if (btnExit) btnExit->setTitle(text("ZUNO_exitBoard"));
    // The pick / options button keeps its role: coming back from another screen changes nothing of the
    // table (each seating gives the first role).
    if (btnNapWin) btnNapWin->setTitle(text("ZUNO_napWin"));
    startImageName = "buton_chuc_nang.png";
    // A screen that covered the table (a top-up, a purchase) may have changed my balance unseen: my seat
    // takes my record's, so that the next deal's money moves the latest figure.
    if (PlayerPtr me = UIController::myInfo(); me && getSeatFromID(me->IDDB()) >= 0)
        updateMoneyWithUserId(me->IDDB(), me->money());
}

void GameCardView::resetView() {
    view();
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->lblWindowTitle && !delegate->lblWindowTitle->isHidden()) delegate->stopEvent();
    stopTurnClock();
    table().clear();
    decorations_.clearWaitingChat();
    for (int seat = 0; seat <= kCentre; ++seat) unsetSeatInfoWithSeat(seat);
    for (const auto& position : {imgPosition1, imgPosition2, imgPosition3, imgPosition4}) {
        if (position) position->setImage(nullptr);
    }
    if (progressTimer) progressTimer->setHidden(true);
    // A table just joined stands as between deals, whatever the table left was doing.
    if (imgBoard) imgBoard->setFrame(boardFrame(false));
    if (btnNapWin) btnNapWin->setHidden(false);
    if (btnCuoc) btnCuoc->setTitle(Util::formatNumber(money()) + " " + text("ZUNO_win"));
    setAutoSelectedRole("ZUNO_option");
    std::vector<std::shared_ptr<ui::View>> cards;
    for (const auto& subview : view()->subviews()) {
        if (std::dynamic_pointer_cast<CardView>(subview)) cards.push_back(subview);
    }
    for (const auto& card : cards) card->removeFromSuperview();
}

void GameCardView::setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                        std::vector<PlayerPtr> players) {
    for (auto& player : players) player = asSeatPlayer(player);
    CardTableSeating::setupPlayersWithRoom(roomId, boardId, ownerId, money, std::move(players));
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    setOwnerWithNewOwner(ownerId);
    refreshInviteMarks();
}

void GameCardView::viewWillDisappear(bool animated) {
    ZunoViewController::viewWillDisappear(animated);
    if (chatDialog) chatDialog->historyChat().clear();
    cancelStartBlink();
    // A table left must not time out a turn on it, nor offer ready on it.
    stopTurnClock();
    cancelSeatTimers();
    decorations_.removeGiftSprites(players());
}

// ---- turn bar and turn clock

int64_t GameCardView::clockSeconds() { return static_cast<int64_t>(std::floor(sys::RunLoop::main().now())); }

void GameCardView::setTimerWithSeat(int seat) {
    view();
    stopTurnBar();
    bar_ = TurnBar(interval());
    progressTimer->setTintColor(barColour(bar_.colour()));
    progressTimer->setProgress(bar_.progress());
    if (seat >= 0 && seat < kSeats) progressTimer->setCenter(turnBarCentre(seat));
    decorations_.raiseOverBubbles();
    progressTimer->setHidden(false);
    if (bar_.isEmpty()) return;
    std::weak_ptr<GameCardView> weak = std::static_pointer_cast<GameCardView>(shared_from_this());
    limitTimer_ = sys::RunLoop::main().scheduleRepeating(TurnBar::kTickSeconds, [weak] {
        if (auto self = weak.lock()) self->repeatTimer();
    });
}

ui::Point GameCardView::turnBarCentre(int seat) const {
    static const ui::Point centres[] = {{240, 182}, {432, 100}, {240, 84}, {46, 100}};
    return centres[std::clamp(seat, 0, kSeats - 1)];
}

void GameCardView::repeatTimer() {
    const bool running = bar_.tick();
    progressTimer->setTintColor(barColour(bar_.colour()));
    progressTimer->setProgress(bar_.progress());
    if (!running) stopTurnBar();
}

void GameCardView::stopTurnBar() {
    sys::RunLoop::main().cancel(limitTimer_);
    limitTimer_ = 0;
}

void GameCardView::startTimer(int value) {
    if (value != 1) return;
    sys::RunLoop::main().cancel(clockTimer_);
    clockTimer_ = 0;
    if (!showPlayerTime() || clockTimer_ != 0) return;
    std::weak_ptr<GameCardView> weak = std::static_pointer_cast<GameCardView>(shared_from_this());
    clockTimer_ = sys::RunLoop::main().scheduleRepeating(1.0, [weak] {
        if (auto self = weak.lock()) self->showPlayerTime();
    });
}

bool GameCardView::showPlayerTime() {
    if (turnClockStep(clockSeconds())) {
        sys::RunLoop::main().cancel(clockTimer_);
        clockTimer_ = 0;
        return false;
    }
    const GameDescriptor* game = GameRegistry::find(UIController::gameType());
    const bool passesForMe = game && game->passForMe;
    const CardTableModel::ClockTick tick = table().tickClock(clockSeconds(), passesForMe, UIController::myId());
    if (tick.beep) PlaySound::playSoundWithSource(Resources::getInstance().com_onebeep());
    if (tick.sendSkip) {
        game->passForMe(roomId(), boardId());
        closePassQuestion();
    }
    if (tick.turnOver && progressTimer) progressTimer->setHidden(true);
    return true;
}

void GameCardView::startTurnOfPlayer(int32_t userId) {
    table().newTurn();
    closePassQuestion();
    setCurrentPlayer(userId);
    // Nobody's in particular (a deal-wide turn): the bar stays where it is, not at an empty seat.
    const int seat = userId == -1 ? -1 : getSeatFromID(userId);
    setTimerWithSeat(seat < 0 ? kCentre : seat);
    // A turn of no length has no clock to run out: its bar stays empty and nothing is passed for me.
    table().dieTime = interval() > 0 ? clockSeconds() + interval() : 0;
    startTimer(1);
}

void GameCardView::stopTurnClock() {
    sys::RunLoop::main().cancel(clockTimer_);
    clockTimer_ = 0;
    stopTurnBar();
    if (progressTimer) progressTimer->setHidden(true);
    table().stopTurn();
    closePassQuestion();
    // A name the turn lit stays lit on no table: the screen is taken again by the next join.
    showNamesOffTurn();
}

void GameCardView::showNamesOffTurn() {
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    for (int seat = 0; seat < kSeats; ++seat) {
        if (!names[seat]) continue;
        names[seat]->setHidden(false);
        names[seat]->setTextColor(namesOffTurn_[static_cast<size_t>(seat)]);
    }
}

// ---- seats

void GameCardView::showOKImageWithMode(bool on) {
    for (int seat = 0; seat < kSeats; ++seat) {
        auto mark = readyMark(seat);
        if (!mark) continue;
        const CardTableModel::Mark state = on ? table().readyMarkAtSeat(seat) : CardTableModel::Mark::Hidden;
        mark->setHidden(state == CardTableModel::Mark::Hidden);
        if (state == CardTableModel::Mark::Owner) mark->setImage(ui::Image::imageNamed("boss.png"));
        if (state == CardTableModel::Mark::Ready) mark->setImage(ui::Image::imageNamed("ready.png"));
    }
}

void GameCardView::setHiddenButtonSeat(bool on) {
    for (int seat = 0; seat < kSeats; ++seat) {
        if (auto button = seatButton(seat)) button->setHidden(on && !table().isSeatEmpty(seat));
    }
}

void GameCardView::setInvatingOnChair() {
    for (int seat = 0; seat < kSeats; ++seat) {
        if (auto button = seatButton(seat)) button->setTitle(table().isSeatEmpty(seat) ? text("ZUNO_invite") : "");
    }
}

void GameCardView::unSetInvatingOnChair() {
    for (int seat = 0; seat < kSeats; ++seat) {
        if (auto button = seatButton(seat)) button->setTitle(std::string());
    }
}

void GameCardView::updateMoneyWithUserId(int32_t userId, int64_t money) {
    // The seat keeps it too, so that the next change at the table starts from it.
    if (const int seat = getSeatFromID(userId); seat >= 0) {
        if (PlayerPtr player = table().playerAtSeat(seat)) player->setMoney(money);
    }
    if (lblMoney0) lblMoney0->setText(Util::formatNumber(money) + " " + text("ZUNO_win"));
}

void GameCardView::onRequestDetail(const PlayerDetail& detail) {
    tablesheet::showPlayerDetail(*view(), playerDetail, detail);
}

void GameCardView::onBuzzWithContent(const std::string& content) {
    Util::callRung();
    showChatWithSeat(kCentre, content);
}

void GameCardView::showSeatPlayer(int seat, const PlayerPtr& player) {
    if (seat < 0 || seat >= kSeats || !player) return;
    const std::shared_ptr<ui::ImageView> avatars[] = {ava0, ava1, ava2, ava3};
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    const std::shared_ptr<ui::Label> moneys[] = {lblMoney0, lblMoney1, lblMoney2, lblMoney3};
    const std::shared_ptr<ui::Button> infos[] = {btnInfo0, btnInfo1, btnInfo2, btnInfo3};
    if (avatars[seat]) {
        // The plain figure until the player's own picture is at hand (none there would leave the seat
        // blank, or with the picture of whoever sat there before).
        avatars[seat]->setImage(ui::Image::imageNamed("av0.png"));
        Resources::getInstance().assignAvatarId(player->avatar(), avatars[seat]);
        avatars[seat]->setHidden(false);
    }
    if (infos[seat]) infos[seat]->setTitle(std::to_string(player->IDDB()));
    if (names[seat]) {
        names[seat]->setText(player->name());
        names[seat]->setHidden(false);
    }
    if (moneys[seat]) {
        moneys[seat]->setText(Util::formatNumber(player->money()) + " " + text("ZUNO_win"));
        moneys[seat]->setHidden(false);
    }
}

void GameCardView::clearSeatPlayer(int seat) {
    if (seat < 0 || seat >= kSeats) return;
    const std::shared_ptr<ui::ImageView> avatars[] = {ava0, ava1, ava2, ava3};
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    const std::shared_ptr<ui::Label> moneys[] = {lblMoney0, lblMoney1, lblMoney2, lblMoney3};
    const std::shared_ptr<ui::Button> infos[] = {btnInfo0, btnInfo1, btnInfo2, btnInfo3};
    if (infos[seat]) infos[seat]->setTitle(std::string());
    if (names[seat]) names[seat]->setText("");
    if (moneys[seat]) {
        moneys[seat]->setText("");
        moneys[seat]->setHidden(true);
    }
    if (auto mark = readyMark(seat)) {
        mark->setImage(nullptr);
        mark->setHidden(true);
    }
    if (avatars[seat]) avatars[seat]->setHidden(true);
}

void GameCardView::showMark(int seat, const std::string& image) {
    auto mark = readyMark(seat);
    if (!mark) return;
    mark->setImage(ui::Image::imageNamed(image));
    mark->setHidden(false);
}

void GameCardView::emptySeatRecord(Player& player) {
    player.setIDDB(-1);
    player.setName("");
    player.setExp(0);
    player.setIsReady(false);
    for (const auto& gift : player.gifts())
        if (gift) gift->removeFromSuperview();
    player.gifts().clear();
}

void GameCardView::setOwnerWithNewOwner(int32_t ownerId) {
    setOwnerID(ownerId);
    for (const auto& player : players()) {
        if (player && player->IDDB() == ownerId) {
            player->setIsReady(true);
            break;
        }
    }
    if (isGameEnd()) createBottomMenu(ownerId == UIController::myId() ? 1 : 2);
    cancelStartBlink();
    changeBackgroundOfStart();
}

void GameCardView::setAutoSelectedRole(const char* titleKey) {
    if (btnAutoSelected) tablebar::showRole(*btnAutoSelected, titleKey);
    if (lblAutoSelected) lblAutoSelected->setText(text(titleKey));
}

void GameCardView::setKindOfStart(int) {
    cancelStartBlink();
    changeBackgroundOfStart();
}

// ---- gifts

void GameCardView::showGiftView() { showSheetOrNothing(viewGift); }

void GameCardView::onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {
    giftsheet::showListGift(viewGift, categories);
}

void GameCardView::onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) {
    giftsheet::showItemsWithGift(viewGift, page);
}

// ---- sheets

void GameCardView::presentSheet(const std::shared_ptr<ui::ViewController>& sheet) {
    tablesheet::present(*view(), sheet);
}

void GameCardView::showSheetOrNothing(const std::shared_ptr<ui::ViewController>& sheet) { presentSheet(sheet); }

void GameCardView::clickConfig() { presentSheet(mnuSetup); }
void GameCardView::clickInviting() { presentSheet(mnuInviting); }
void GameCardView::clickChatBoardOfMe() { presentSheet(chatDialog); }
void GameCardView::showSetupPassword() { presentSheet(mnuPassword); }
void GameCardView::showSetupSoNguoi() { presentSheet(mnuSoNguoi); }
void GameCardView::showSetupCuoc(ui::Object*) { showCuoc(); }

void GameCardView::showCuoc() {
    const auto family = GameRegistry::currentFamily();
    if (family == TableFamily::CardTable || family == TableFamily::Phom) {
        if (ownerID() == UIController::myId() && isGameEnd()) presentSheet(mnuCuoc);
    } else if (family == TableFamily::Banker) {
        if (isGameEnd()) {
            presentSheet(mnuCuoc);
        } else {
            UIController::startOKDlg(text("ZUNO_playingBoard"));
        }
    }
}

void GameCardView::showPlayerDetail(ui::Button* button) {
    if (!button) return;
    const std::string title = button->titleForState(ui::ControlState::Normal).value_or("");
    if (title.empty()) {
        PlayerPtr player = table().playerAtSeat(button->tag());
        setCurrentControlPlayer(player);
        if (!player || player->IDDB() == -1) return;
        presentSheet(optionView);
    } else {
        presentSheet(mnuInviting);
    }
}

void GameCardView::clickViewPlayerInfo(ui::Button* button) {
    if (!button) return;
    const std::string title = button->titleForState(ui::ControlState::Normal).value_or("");
    if (title.empty()) return;
    const auto userId = static_cast<int32_t>(std::clamp<int64_t>(tabletext::readAmount(title), INT32_MIN, INT32_MAX));
    GlobalService::getInstance().requestInfoOfWithIDDB(userId);
    for (const auto& player : players()) {
        if (player && player->IDDB() == userId) {
            PlayerInfo::setAva(player->avatar());
            break;
        }
    }
}

void GameCardView::clickGiftDetail(ui::Button* button) {
    if (button) giftsheet::showGiftDetail(getPlayerNameFromID(button->tag()));
}

void GameCardView::clickMailBox() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController)
        delegate->navigationController->pushViewController(std::make_shared<MessageView>("MessageView"), true);
}

// ---- player actions

void GameCardView::clickStartGame() {
    if (!btnStart) return;
    const std::string title = btnStart->titleForState(ui::ControlState::Normal).value_or("");
    if (title == text("ZUNO_start")) {
        if (ownerID() == UIController::myId()) doStartGame();
    } else if (title == text("ZUNO_ready") || title == text("ZUNO_noReady")) {
        doReady();
        btnStart->setHidden(true);
    } else if (title == text("ZUNO_continuee")) {
        resetCard(1);
    }
}

void GameCardView::doReady() {
    PlayerPtr me = UIController::myInfo();
    switch (table().readyAnswer(me ? me->money() : 0)) {
        case CardTableModel::ReadyAnswer::Refused: UIController::startOKDlg(text("ZUNO_boardPlayingNoReady")); break;
        case CardTableModel::ReadyAnswer::SendNotReady:
            GlobalService::getInstance().readyWithRoomId(roomId(), boardId(), false);
            break;
        case CardTableModel::ReadyAnswer::SendReady:
            GlobalService::getInstance().readyWithRoomId(roomId(), boardId(), true);
            break;
        case CardTableModel::ReadyAnswer::NotEnoughMoney: UIController::startOKDlg(text("ZUNO_koDuTienCuoc")); break;
    }
}

bool GameCardView::leaveNeedsConfirmation() const {
    PlayerPtr me = UIController::myInfo();
    return table().leaveNeedsConfirmation(me && me->isReady());
}

void GameCardView::clickLeaveBoard() {
    if (leaveNeedsConfirmation()) {
        UIController::setOkValue(UIController::okLeaveBoard);
        UIController::startCancelOkDlg(text("ZUNO_doYouWantExit"), text("ZUNO_cancel"), text("ZUNO_OK"));
        return;
    }
    CurrentTable current = CurrentTable::find();
    if (current.isOneOf({TableFamily::CardTable, TableFamily::Phom, TableFamily::Banker}) && current.hasTable())
        GlobalService::getInstance().leaveBoardWithRoomId(*current.roomId, *current.boardId);
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate) return;
    if (delegate->lblServerInfo && delegate->lblServerInfo->isHidden() && delegate->lblWindowTitle)
        delegate->lblWindowTitle->setHidden(false);
    if (delegate->navigationController) delegate->navigationController->popViewControllerAnimated(true);
}

void GameCardView::doSkip() {
    // A press the turn's end met asks nothing: the turn is no longer mine to pass.
    if (currentPlayer() != UIController::myId()) return;
    table().askPass();
    UIController::setOkValue(UIController::okSkip);
    UIController::startCancelOkDlg(text("ZUNO_doYouWantSkip"), text("ZUNO_cancel"), text("ZUNO_OK"));
}

bool GameCardView::passStillWanted() const { return table().passStands(UIController::myId()); }

void GameCardView::closePassQuestion() {
    if (!table().isPassAsked()) return;
    table().forgetPass();
    UIController::closeDialogOf(UIController::okSkip);
}

void GameCardView::changeBackgroundOfStart() { startBlink().restart(btnStart); }

void GameCardView::cancelStartBlink() { startBlink().cancel(); }

ZUNO_REGISTER_SCREEN(GameCardView)

}  // namespace zuno
