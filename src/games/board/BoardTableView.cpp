#include "games/board/BoardTableView.h"

#include <cmath>

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "table/ShowsPlay.h"

namespace zuno {

namespace {
constexpr double kCaptionHeight = 18;  // a right-hand entry's caption under its icon
constexpr double kStartTitleMargin = 6;  // the start button's rounded ends, left free of its title

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

std::string moneyText(int64_t money) { return sys::format("%@ %@", Util::formatNumber(money), text("ZUNO_win")); }

std::string titleOf(const std::shared_ptr<ui::Button>& button) {
    return button ? button->titleForState(ui::ControlState::Normal).value_or("") : std::string();
}

// A seat's gifts lie two by two by its picture, a pair either side of it over its lower part, the next
// pair above that one: they read as the player's, clear of the mark at the picture's top corner, of the
// name under it and of the stake further down the column.
constexpr double kGiftSide = 14;
constexpr double kGiftGap = 1;
constexpr double kGiftFromPicture = 2;

void placeGiftsBeside(TableDecorationGeometry& g, int seat, const ui::Rect& picture) {
    const auto s = static_cast<size_t>(seat);
    for (auto* places : {&g.giftFirst, &g.giftStep, &g.giftRowStep}) places->resize(4);
    g.giftRowLength.resize(4);
    const double half = kGiftSide / 2;
    g.giftFirst[s] = {picture.minX() - kGiftFromPicture - half, picture.maxY() + kGiftGap - half};
    g.giftStep[s] = {picture.width() + 2 * kGiftFromPicture + kGiftSide, 0};
    g.giftRowLength[s] = 2;
    g.giftRowStep[s] = {0, -(kGiftSide + kGiftGap)};
}

}  // namespace

// The landscape board tables: the board fills the middle, the seats the left column. A player's bubble
// lies over the middle rows on his side of the board, which a game begins with empty, the notices
// (who moves first, results) in the middle.
TableDecorationGeometry BoardTableLook::landscapeDecorations() {
    TableDecorationGeometry g;
    g.bubbleCentres = {ui::Point{200, 217}, {400, 160}, {200, 103}, {80, 160}, {240, 160}};
    g.flyTextPoints = {ui::Point{90, 230}, {400, 160}, {90, 50}, {80, 160}};
    g.tableCentre = {240, 160};
    // The gifts lie by the seats' pictures, placed when the screen loads; a new one flies in from the
    // giver's side.
    g.giftSide = kGiftSide;
    g.giftStarts = {ui::Point{40, 260}, {400, 160}, {40, 60}, {80, 160}};
    g.unseatedPoint = std::nullopt;  // a gift to somebody not seated is not shown
    return g;
}

#define O(name) B::outlet(#name, &BoardTableView::name)

const ui::BindingTable& BoardTableView::bindings() {
    using B = ui::Bind<BoardTableView>;
    static const ui::BindingTable table(
        &ZunoViewController::bindings(),
        {O(lblName0), O(lblName2), O(lblMoney0), O(lblMoney2), O(lblExit),
         O(lblChat), O(ava0), O(ava2), O(ok0), O(ok2), O(imgTimer0), O(imgTimer2), O(iconMoney), O(chat0),
         O(chat2), O(chat4), O(btnSeat0), O(btnSeat2), O(btnStart), O(btnCuoc), O(viewRight), O(mnuCuoc),
         O(mnuPassword), O(mnuInviting), O(chatDialog), O(optionView),
         // Caro and Blocks keep no whole-game time.
         B::optionalOutlet("lblQuotaTime0", &BoardTableView::lblQuotaTime0),
         B::optionalOutlet("lblQuotaTime2", &BoardTableView::lblQuotaTime2),
         B::optionalOutlet("playerDetail", &BoardTableView::playerDetail),
         B::optionalOutlet("viewGift", &BoardTableView::viewGift),
         B::action("clickStartGame:", &BoardTableView::clickStartGame),
         B::action("doLeaveBoard:", &BoardTableView::doLeaveBoard),
         B::action("clickDraw", &BoardTableView::clickDraw), B::action("clickLose", &BoardTableView::clickLose),
         B::action("clickInvite", &BoardTableView::clickInvite),
         B::action("clickSetPass", &BoardTableView::clickSetPass),
         B::action("clickSetMoney", &BoardTableView::clickSetMoney),
         B::action("clickChatBoardOfMe:", &BoardTableView::clickChatBoardOfMe),
         B::action("clickViewPlayer:", &BoardTableView::clickViewPlayer),
         B::action("clickGiftDetail:", &BoardTableView::clickGiftDetail)});
    return table;
}

#undef O

BoardTableView::BoardTableView(std::string nibName, BoardTableLook look)
    : ZunoViewController(std::move(nibName)), look_(std::move(look)),
      blink_(look_.blink),
      decorations_(look_.decorationGeometry.value_or(BoardTableLook::landscapeDecorations())) {
    decorations_.attach({[this] { return view(); },
                         [this](int seat) -> std::shared_ptr<ui::ImageView> {
                             if (seat == 0) return chat0;
                             if (seat == 2) return chat2;
                             if (seat == 4) return chat4;
                             return nullptr;
                         },
                         [this](int32_t userId) {
                             for (const auto& p : model_.players)
                                 if (p && p->IDDB() == userId) return model_.seatOf(userId);
                             return -1;
                         },
                         [this](int seat) -> PlayerPtr {
                             return seat == 0 ? model_.me() : seat == 2 ? model_.opponent() : nullptr;
                         },
                         this,
                         [this] { return playShownIn(*view()); }});
}

BoardTableView::~BoardTableView() = default;

// ---- life

void BoardTableView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    if (look_.giftsBesidePictures && ava0 && ava2) {
        TableDecorationGeometry geometry = decorations_.geometry();
        placeGiftsBeside(geometry, 0, ava0->convertRectToView(ava0->bounds(), view().get()));
        placeGiftsBeside(geometry, 2, ava2->convertRectToView(ava2->bounds(), view().get()));
        decorations_.setGeometry(std::move(geometry));
    }
    // "CONTINUE" and the Vietnamese titles shrink to the button rather than being cut, clear of its
    // rounded ends.
    if (btnStart) {
        btnStart->setContentEdgeInsets({0, kStartTitleMargin, 0, kStartTitleMargin});
        btnStart->titleLabel()->setAdjustsFontSizeToFitWidth(true);
        btnStart->titleLabel()->setMinimumFontSize(9);
    }
    // A large stake shrinks to its button.
    if (btnCuoc) {
        btnCuoc->titleLabel()->setAdjustsFontSizeToFitWidth(true);
        btnCuoc->titleLabel()->setMinimumFontSize(8);
    }
    // A long name or amount shrinks to its seat's column; a name that still does not fit ends in "...".
    for (const auto& label : {lblName0, lblName2, lblMoney0, lblMoney2}) {
        if (!label) continue;
        label->setAdjustsFontSizeToFitWidth(true);
        label->setMinimumFontSize(8);
    }
    for (const auto& name : {lblName0, lblName2}) {
        if (!name) continue;
        name->setLineBreakMode(ui::LineBreakMode::TailTruncation);
        name->setTruncatesOnPurpose(true);
    }
}

void BoardTableView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    if (lblExit) lblExit->setText(text("ZUNO_exitBoard"));
    if (lblChat) lblChat->setText(text("ZUNO_chat"));
    if (btnCuoc) {
        btnCuoc->setFrame(look_.stakeFrame);
        btnCuoc->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(look_.stakeFontSize));
        btnCuoc->setContentEdgeInsets({0, look_.stakeIconRoom, 0, 0});
    }
    // The bubbles go where they lie between games with the stake (a table left during a game left
    // them in the game's places).
    placeBubbles(false);
    // A screen that covered the table (a top-up, a purchase) may have changed my balance unseen: my seat
    // takes my record's, so that the next game's money moves the latest figure.
    if (PlayerPtr me = UIController::myInfo(); me && model_.me()) updateMoneyWithUserId(me->IDDB(), me->money());
}

void BoardTableView::viewWillDisappear(bool animated) {
    if (chatDialog) chatDialog->historyChat().clear();
    blink_.cancel();
    clock_.stop();
    // The move timers stand still with the count (a table left runs none).
    for (auto* timer : {imgTimer0.get(), imgTimer2.get()})
        if (timer) timer->stopAnimating();
    decorations_.stop();
    std::vector<PlayerPtr> seated(model_.players.begin(), model_.players.end());
    decorations_.removeGiftSprites(seated);
    for (const auto& p : model_.players)
        if (p) p->gifts().clear();
    ZunoViewController::viewWillDisappear(animated);
}

// ---- seating

void BoardTableView::setPlayersWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                          std::vector<PlayerPtr> players) {
    BoardTableSeating::setPlayersWithRoomId(roomId, boardId, ownerId, money, players);
    view();
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    ChessPlayers seats;
    for (const auto& p : players) {
        auto chess = std::dynamic_pointer_cast<ChessPlayer>(p);
        if (!chess) {
            // A record of another kind keeps its id, name and money.
            chess = std::make_shared<ChessPlayer>();
            if (p) {
                chess->setIDDB(p->IDDB());
                chess->setName(p->name());
                chess->setShowName(p->showName());
                chess->setMoney(p->money());
                chess->setIsReady(p->isReady());
            }
        }
        decorations_.removeGiftSprites({chess});
        chess->gifts().clear();
        seats.push_back(chess);
    }
    clock_.stop();
    model_.setPlayers(roomId, boardId, ownerId, money, std::move(seats), UIController::myId());
    setMoney(money);
    model_.setOwnerWithNewOwner(ownerId);
    for (auto* quota : {lblQuotaTime0.get(), lblQuotaTime2.get()})
        if (quota) quota->setHidden(true);
    redrawSeats();
    decorations_.clearWaitingChat();  // another table's lines
    resetView(false);
    unSetInvatingOnChair();
}

void BoardTableView::syncSeating() {
    BoardTableSeating::setPlayersWithRoomId(model_.roomID, model_.boardID, model_.ownerID, model_.dmoney,
                                            std::vector<PlayerPtr>(model_.players.begin(), model_.players.end()));
}

void BoardTableView::redrawSeats() {
    if (auto mine = model_.me()) setSeatInfoWithSeat(0, mine);
    auto other = model_.opponent();
    if (other && other->IDDB() != -1)
        setSeatInfoWithSeat(2, other);
    else
        unsetSeatInfoWithSeat(2);
}

void BoardTableView::setSeatInfoWithSeat(int seat, const std::shared_ptr<ChessPlayer>& player) {
    if ((seat != 0 && seat != 2) || !player) return;
    unsetSeatInfoWithSeat(seat);
    const bool bottom = seat == 0;
    auto ava = bottom ? ava0 : ava2;
    if (ava) {
        Resources::getInstance().assignAvatarId(player->avatar(), ava);
        ava->setHidden(false);
    }
    // The seat button keeps the player apart from its caption: the caption is only ever the invite.
    if (auto name = bottom ? lblName0 : lblName2) {
        name->setText(BoardTableModel::shownName(*player));
        name->setHidden(false);
    }
    if (auto money = bottom ? lblMoney0 : lblMoney2) {
        money->setText(moneyText(player->money()));
        money->setHidden(false);
    }
    if (auto badge = bottom ? ok0 : ok2) {
        const bool owner = player->IDDB() == model_.ownerID;
        if (owner || player->isReady()) {
            badge->setImage(ui::Image::imageNamed(owner ? "boss.png" : "ready.png"));
            badge->setHidden(false);
        }
    }
}

void BoardTableView::unsetSeatInfoWithSeat(int seat) {
    if (seat != 0 && seat != 2) return;
    const bool bottom = seat == 0;
    for (auto& label : {bottom ? lblName0 : lblName2, bottom ? lblMoney0 : lblMoney2}) {
        if (!label) continue;
        label->setText("");
        label->setHidden(true);
    }
    if (auto badge = bottom ? ok0 : ok2) {
        badge->setImage(nullptr);
        badge->setHidden(true);
    }
    if (auto ava = bottom ? ava0 : ava2) {
        ava->setHidden(true);
        if (!bottom) ava->setImage(nullptr);
    }
}

void BoardTableView::setAtSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) {
    model_.setAtSeat(seat, player);
    syncSeating();  // a gift or a kick finds the newcomer
    setSeatInfoWithSeat(2, player);
    if (model_.isInBoard) setInvatingOnChair();
    else unSetInvatingOnChair();
}

void BoardTableView::setOwnerWithNewOwner(int32_t ownerId) {
    model_.setOwnerWithNewOwner(ownerId);
    syncSeating();
    blink_.restart(btnStart);
}

void BoardTableView::setMoney(int32_t money) {
    Util::callRung();
    PlaySound::playSoundWithSource(Resources::getInstance().com_dat_tien());
    model_.setMoney(money);
    syncSeating();
    if (btnCuoc) btnCuoc->setTitle(moneyText(money));
    if (!model_.amOwner()) setKindOfStart(1);
}

void BoardTableView::setReadyWithId(int32_t playerId, bool isReady) {
    Util::callRung();
    auto& sounds = Resources::getInstance();
    PlaySound::playSoundWithSource(isReady ? sounds.com_ready() : sounds.com_no_ready());
    model_.setReadyWithId(playerId, isReady);
    if (playerId != model_.myId) {
        if (auto p = model_.getPlayerWithID(playerId)) setSeatInfoWithSeat(2, p);
        return;
    }
    if (auto myInfo = UIController::myInfo()) myInfo->setIsReady(isReady);
    auto mine = model_.me();
    if (mine) setSeatInfoWithSeat(0, mine);
    setKindOfStart(mine && mine->isReady() ? 2 : 1);
}

void BoardTableView::resetReady() {
    model_.resetReady();
    redrawSeats();
}

void BoardTableView::playerLeaveWithId(int32_t playerId) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_leave_board());
    if (auto leaving = model_.getPlayerWithID(playerId)) decorations_.removeGiftSprites({leaving});
    model_.playerLeaveWithId(playerId);
    syncSeating();
    if (auto mine = model_.me(); mine && mine->IDDB() == model_.myId) setSeatInfoWithSeat(0, mine);
    unsetSeatInfoWithSeat(2);
    createRightButtonsWithKindOf(model_.isInBoard ? model_.rightColumnKind() : (model_.amOwner() ? 0 : 2));
    resetView(true);
    if (model_.isInBoard) setInvatingOnChair();
    else unSetInvatingOnChair();
}

// ---- start button and right-hand column

void BoardTableView::setKindOfStart(int kind) {
    if (!btnStart) return;
    const auto look = BoardTableModel::startKind(kind, model_.dmoney);
    btnStart->setTitle(look.title);
    btnStart->setEnabled(look.enabled);
    btnStart->titleLabel()->setFont(look.bold ? ui::Font::boldSystemFontOfSize(look.fontSize)
                                              : ui::Font::systemFontOfSize(look.fontSize));
    blink_.restart(btnStart);
}

void BoardTableView::createRightButtonsWithKindOf(int kind) {
    if (!viewRight) return;
    btnLose = nullptr;
    btnDraw = nullptr;
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(viewRight->subviews())) sub->removeFromSuperview();
    const double width = viewRight->bounds().width();
    const ui::Color captionColour = lblExit ? lblExit->textColor() : ui::Color::white();
    for (const auto& entry : rightEntries(kind)) {
        auto icon = std::make_shared<ui::ImageView>(ui::Image::imageNamed(entry.icon));
        icon->setFrame({std::floor(width / 2) - 15, entry.y, 35, 35});
        viewRight->addSubview(icon);
        // The entry's caption is its button's title, under the icon: a title the game puts on the
        // resign or draw button ("Please wait") takes the caption's place instead of lying on the icon.
        const double captionTop = entry.labelY - entry.y;
        auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom,
                                                   ui::Rect(0, entry.y, width, captionTop + kCaptionHeight));
        button->setContentEdgeInsets({captionTop, 0, 0, 0});
        button->setTitleColor(captionColour);
        setCaption(*button, text(entry.labelKey));
        button->setShowsTouchWhenHighlighted(true);
        button->addTarget(this, entry.action, ui::ControlEvent::TouchUpInside);
        viewRight->addSubview(button);
        if (std::string(entry.action) == "clickLose") btnLose = button;
        if (std::string(entry.action) == "clickDraw") btnDraw = button;
    }
}

std::vector<BoardRightEntry> BoardTableView::rightEntries(int kind) const {
    std::vector<BoardRightEntry> entries{{"ZUNO_napWin", 37, look_.topUpIcon, 0, "napWin:"}};
    if (kind == 0) {
        entries.push_back({"ZUNO_dat_pass", 98, look_.passwordIcon, 65, "clickSetPass"});
        entries.push_back({"ZUNO_invite", 163, look_.inviteIcon, 130, "clickInvite"});
    } else if ((kind == 1 || kind == 3) && look_.resignAndDraw) {
        entries.push_back({"ZUNO_pleaseLose", 105, "button-xin-thua.png", 65, "clickLose"});
        entries.push_back({"ZUNO_pleaseDraw", 166, "button-xin-hoa.png", 130, "clickDraw"});
    }
    return entries;
}

void BoardTableView::setDrawTitle(const std::string& title) {
    if (btnDraw) setCaption(*btnDraw, title);
}

void BoardTableView::setLoseTitle(const std::string& title) {
    if (btnLose) setCaption(*btnLose, title);
}

void BoardTableView::setCaption(ui::Button& button, const std::string& caption) {
    // On one line, smaller where it must be; a caption too long even so takes two lines.
    constexpr double kSize = 12, kLeast = 10, kTwoLinesSize = 11;
    auto label = button.titleLabel();
    const double width = button.bounds().width();
    const bool twoLines = ui::Font::systemFontOfSize(kLeast).widthOfText(caption) > width;
    label->setNumberOfLines(twoLines ? 2 : 1);
    label->setLineBreakMode(twoLines ? ui::LineBreakMode::WordWrap : ui::LineBreakMode::Clip);
    label->setAdjustsFontSizeToFitWidth(!twoLines);
    label->setMinimumFontSize(kLeast);
    label->setFont(ui::Font::systemFontOfSize(twoLines ? kTwoLinesSize : kSize));
    ui::Rect frame = button.frame();
    const double band = twoLines ? 2 * kCaptionHeight - 8 : kCaptionHeight;
    button.setFrame(ui::Rect(frame.x(), frame.y(), frame.width(), button.contentEdgeInsets().top + band));
    button.setTitle(caption);
}

void BoardTableView::placeBubbles(bool inGame) {
    const TableDecorationGeometry base = look_.decorationGeometry.value_or(BoardTableLook::landscapeDecorations());
    TableDecorationGeometry geometry = decorations_.geometry();
    bool moved = false;
    for (size_t bubble = 0; bubble < look_.bubbleAreasInGame.size(); ++bubble) {
        const auto& gameArea = look_.bubbleAreasInGame[bubble];
        if (!gameArea) continue;
        const std::optional<ui::Rect> area = inGame ? gameArea : base.bubbleAreas[bubble];
        if (geometry.bubbleAreas[bubble] == area) continue;
        geometry.bubbleAreas[bubble] = area;
        geometry.bubbleCentres[bubble] = inGame ? gameArea->center() : base.bubbleCentres[bubble];
        moved = true;
    }
    if (moved) decorations_.setGeometry(std::move(geometry));
}

void BoardTableView::animationForButtonCuoc() {
    if (!btnCuoc) return;
    const bool inGame = model_.isInBoard;
    ui::Rect target = look_.stakeFrame;
    if (inGame) target = look_.stakeFrameInGame.value_or(btnStart ? btnStart->frame() : look_.stakeFrame);
    ui::View::animate(look_.stakeSlideSeconds, [this, target] { btnCuoc->setFrame(target); });
    placeBubbles(inGame);
    btnCuoc->titleLabel()->setFont(inGame ? ui::Font::systemFontOfSize(look_.stakeFontSizeInGame)
                                          : ui::Font::boldSystemFontOfSize(look_.stakeFontSize));
    btnCuoc->setContentEdgeInsets({0, inGame ? 0 : look_.stakeIconRoom, 0, 0});
}

// ---- the game cycle

void BoardTableView::clickStartGame(ui::Object*) {
    const std::string title = titleOf(btnStart);
    if (title == BoardTableModel::startKind(0, 0).title) {
        if (model_.amOwner()) doStartGame();
    } else if (title == BoardTableModel::startKind(1, 0).title || title == BoardTableModel::startKind(2, 0).title) {
        doReady();
    } else if (title == BoardTableModel::startKind(3, 0).title) {
        resetView(false);
    }
}

void BoardTableView::doReady() {
    PlayerPtr myInfo = UIController::myInfo();
    switch (model_.readyAnswer(myInfo ? myInfo->money() : 0)) {
        case BoardTableModel::ReadyAnswer::InGame: UIController::startOKDlg(text("ZUNO_boardPlayingNoReady")); return;
        case BoardTableModel::ReadyAnswer::NotEnoughMoney:
            UIController::startOKDlg(text("ZUNO_youCantReadyLessMoney"));
            return;
        case BoardTableModel::ReadyAnswer::SendReady:
        case BoardTableModel::ReadyAnswer::SendNotReady:
            GlobalService::getInstance().readyWithRoomId(
                model_.roomID, model_.boardID, model_.readyAnswer(myInfo ? myInfo->money() : 0) ==
                                                   BoardTableModel::ReadyAnswer::SendReady);
            setKindOfStart(5);
            return;
    }
}

void BoardTableView::doStartGame() {
    PlayerPtr myInfo = UIController::myInfo();
    switch (model_.startAnswer(myInfo ? myInfo->money() : 0)) {
        case BoardTableModel::StartAnswer::Nothing: return;
        case BoardTableModel::StartAnswer::NotEnoughMoney:
            UIController::startOKDlg(text("ZUNO_youCantStartLessMoney"));
            return;
        case BoardTableModel::StartAnswer::Send:
            sendStart();
            setKindOfStart(5);
            return;
    }
}

void BoardTableView::sendStart() { GlobalService::getInstance().startGameWithRoomId(model_.roomID, model_.boardID); }

void BoardTableView::startGameWithMoveFirst(int32_t whoMoveFirst, int32_t intervalMs) {
    Util::callRung();
    model_.startWithMoveFirst(whoMoveFirst, intervalMs);
    setTimerWithSeat(model_.seatOf(whoMoveFirst));
    createRightButtonsWithKindOf(model_.rightColumnKind());
    if (iconMoney) iconMoney->setHidden(true);
    for (auto* badge : {ok0.get(), ok2.get()})
        if (badge) badge->setHidden(true);
    for (auto* quota : {lblQuotaTime0.get(), lblQuotaTime2.get()})
        if (quota) quota->setHidden(false);
    setQuotaForPlayers();
    blink_.cancel();
    clock_.start(model_.interval, [this](int64_t left, bool beep) {
        if (beep) PlaySound::playSoundWithSource(Resources::getInstance().com_onebeep());
        if (btnStart) btnStart->setTitle(moveClockTitle(left));
    });
    animationForButtonCuoc();
    playMoved();  // the game's screen sets its pieces out next
}

void BoardTableView::moveMadeWithNext(int32_t next) {
    model_.moveWithNext(next);
    clock_.restartCount();
    setQuotaForPlayers();
    setTimerWithSeat(model_.seatOf(next));
    playMoved();  // the game's screen shows the move next
}

void BoardTableView::setQuotaForPlayers() {
    for (const auto& p : model_.players) {
        if (!p || p->IDDB() == -1) continue;
        auto label = p->IDDB() == model_.myId ? lblQuotaTime0 : lblQuotaTime2;
        if (label) label->setText(Util::convertIntToQuotaTime(quotaMilliseconds(p->quotaTime())));
    }
}

void BoardTableView::setTimerWithSeat(int seat) {
    hideMoveTimers();
    auto timer = seat == 0 ? imgTimer0 : seat == 2 ? imgTimer2 : nullptr;
    if (!timer || !model_.isInBoard) return;
    timer->setHidden(false);
    timer->startAnimating();
}

void BoardTableView::closeBoardWithInfo(const std::string& info) {
    clock_.stop();
    model_.closeBoard();
    setKindOfStart(3);
    for (auto* quota : {lblQuotaTime0.get(), lblQuotaTime2.get()})
        if (quota) quota->setHidden(true);
    hideMoveTimers();
    if (auto myInfo = UIController::myInfo()) myInfo->setIsReady(false);
    redrawSeats();
    createRightButtonsWithKindOf(model_.rightColumnKind());
    decorations_.showChatWithSeat(BoardTableModel::kCentreBubble, info);
    if (!look_.stakeStaysUntilContinue) stakeBackToTheMiddle();
    playMoved();  // the game's screen ends its play next (the Blocks well empties)
}

void BoardTableView::stakeBackToTheMiddle() {
    if (iconMoney) iconMoney->setHidden(false);
    if (btnCuoc && btnCuoc->frame() != look_.stakeFrame) animationForButtonCuoc();
}

void BoardTableView::resetView(bool keepButtons) {
    // The players' lines still to show wait on through a game's start or a leave.
    clearBoard();
    if (keepButtons) return;
    // Continue clears the last game: its result goes, and the stake comes back to the middle.
    decorations_.clearWaitingChat(BoardTableModel::kCentreBubble);
    decorations_.hideChat(BoardTableModel::kCentreBubble);
    if (!model_.isInBoard) stakeBackToTheMiddle();
    setKindOfStart(model_.waitingStartKind());
    createRightButtonsWithKindOf(model_.amOwner() ? 0 : 2);
    hideMoveTimers();
}

void BoardTableView::hideMoveTimers() {
    for (auto* timer : {imgTimer0.get(), imgTimer2.get()}) {
        if (!timer) continue;
        timer->stopAnimating();
        timer->setHidden(true);
    }
}

// ---- draw, resignation, leaving

void BoardTableView::clickDraw() {
    if (model_.turn != model_.myId) {
        UIController::startOKDlg(text("ZUNO_not_allow_click_draw"));
        return;
    }
    if (model_.isDrawing) return;
    model_.isDrawing = true;
    requestDraw();
    setDrawTitle(text("ZUNO_pleaseWait"));
}

void BoardTableView::clickLose() {
    if (model_.isLosing) return;
    UIController::setOkValue(UIController::okResign);
    UIController::startCancelOkDlg(text("ZUNO_confirm_lose"), text("ZUNO_cancel"), text("ZUNO_OK"));
}

void BoardTableView::doLeaveBoard(ui::Object*) {
    if (model_.leaveNeedsConfirmation()) {
        UIController::setOkValue(UIController::okLeaveBoard);
        UIController::startCancelOkDlg(text("ZUNO_doYouWantExit"), text("ZUNO_cancel"), text("ZUNO_OK"));
        return;
    }
    UIController::leaveTableNow();
}

// ---- chat, gifts, sheets, seats

void BoardTableView::onChatFromWithId(int32_t playerId, const std::string& line) {
    decorations_.showChatWithSeat(model_.bubbleOfSender(playerId), line);
    if (playerId < 1 || !chatDialog) return;
    auto chat = std::make_shared<Chat>();
    chat->setName(model_.getPlayerNameFromID(playerId));
    chat->setContent(line);
    chatDialog->addChatLine(chat);
}

void BoardTableView::onChatFromMeWithText(const std::string& line) {
    const std::string trimmed = tabletext::trimmed(line);
    if (trimmed.empty()) return;
    GlobalService::getInstance().chatToBoardWithRoom(model_.roomID, model_.boardID, trimmed);
    onChatFromWithId(model_.myId, trimmed);
}

void BoardTableView::showNotice(const std::string& notice) {
    decorations_.showChatWithSeat(BoardTableModel::kCentreBubble, notice);
}

void BoardTableView::onBuzzWithContent(const std::string& content) {
    Util::callRung();
    decorations_.showChatWithSeat(BoardTableModel::kCentreBubble, content);
}

void BoardTableView::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    if (!model_.getPlayerWithID(toUser)) return;  // nobody seated receives it
    decorations_.onShowGift(itemId, fromUser, toUser);
}

void BoardTableView::clickGiftDetail(ui::Object* sender) {
    auto* view = dynamic_cast<ui::View*>(sender);
    giftsheet::showGiftDetail(model_.getPlayerNameFromID(view ? view->tag() : -1));
}

void BoardTableView::showGiftView() { presentSheet(viewGift); }

void BoardTableView::onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {
    giftsheet::showListGift(viewGift, categories);
}

void BoardTableView::onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) {
    giftsheet::showItemsWithGift(viewGift, page);
}

void BoardTableView::onRequestDetail(const PlayerDetail& detail) {
    tablesheet::showPlayerDetail(*view(), playerDetail, detail);
}

void BoardTableView::updateMoneyWithUserId(int32_t userId, int64_t money) {
    // The seat keeps it too, so that the next change at the table starts from it.
    for (const auto& player : model_.players)
        if (player && player->IDDB() == userId) player->setMoney(money);
    if (lblMoney0) lblMoney0->setText(moneyText(money));
}

void BoardTableView::presentSheet(const std::shared_ptr<ui::ViewController>& sheet) {
    tablesheet::present(*view(), sheet);
}

void BoardTableView::clickInvite() { presentSheet(mnuInviting); }
void BoardTableView::clickSetPass() { presentSheet(mnuPassword); }
void BoardTableView::clickChatBoardOfMe(ui::Object*) { presentSheet(chatDialog); }

void BoardTableView::clickSetMoney() {
    if (model_.amOwner() && !model_.isInBoard) presentSheet(mnuCuoc);
}

std::shared_ptr<ui::Button> BoardTableView::seatButton(int seat) const {
    return seat == 0 ? btnSeat0 : seat == 2 ? btnSeat2 : nullptr;
}

void BoardTableView::clickViewPlayer(ui::Object* sender) {
    auto* button = dynamic_cast<ui::Button*>(sender);
    if (!button) return;
    const bool caption = !titleOf(seatButton(button->tag())).empty();
    const auto tap = model_.tapSeat(button->tag(), caption, UIController::myInfo());
    switch (tap.action) {
        case BoardTableModel::SeatTap::Action::Nothing: return;
        case BoardTableModel::SeatTap::Action::InviteSheet: presentSheet(mnuInviting); return;
        case BoardTableModel::SeatTap::Action::PlayerMenu:
            CurrentControlPlayer = tap.player;
            presentSheet(optionView);
            return;
    }
}

void BoardTableView::setInvatingOnChair() {
    if (!btnSeat2) return;
    auto other = model_.opponent();
    btnSeat2->setTitle(other && other->IDDB() != -1 ? std::string() : text("ZUNO_invite"));
}

void BoardTableView::unSetInvatingOnChair() {
    for (const auto& button : {btnSeat0, btnSeat2})
        if (button) button->setTitle(std::string());
}

}  // namespace zuno
