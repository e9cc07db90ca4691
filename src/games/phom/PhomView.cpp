#include "games/phom/PhomView.h"

#include <algorithm>

#include "games/phom/PhomService.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

const char* const kEndMarkImages[] = {"p_phomtext_05.png", "p_phomtext_02.png", "p_phomtext_03.png",
                                      "p_phomtext_06.png"};
}  // namespace

const ui::BindingTable& PhomView::bindings() {
    using B = ui::Bind<PhomView>;
    static const ui::BindingTable table(
        &GameCardView::bindings(),
        {B::optionalOutlet("btnSkip", &PhomView::btnSkip), B::optionalOutlet("imgBaiTi", &PhomView::imgBaiTi),
         B::optionalOutlet("viewStake", &PhomView::viewStake), B::optionalOutlet("imgEnd0", &PhomView::imgEnd0),
         B::optionalOutlet("imgEnd1", &PhomView::imgEnd1), B::optionalOutlet("imgEnd2", &PhomView::imgEnd2),
         B::optionalOutlet("imgEnd3", &PhomView::imgEnd3),
         B::action("clickStartGame", &PhomView::clickStartGame), B::action("clickConfig", &PhomView::clickConfig),
         B::action("clickAnBai", &PhomView::doEat), B::action("clickNhan:", &PhomView::clickNhan),
         B::action("doSkipToDownPhom:", &PhomView::doSkipToDownPhom),
         B::action("showSetupMenu", &PhomView::showSetupMenu)});
    return table;
}

PhomView::PhomView(std::string nibName) : PhomView(std::move(nibName), TableBottomMenu::phomRules()) {}

PhomView::PhomView(std::string nibName, TableBottomMenu::Rules rules)
    : GameCardView(std::move(nibName), PhomTableLayout::decorations(PhomTableLayout::Stage::Idle)),
      bottom_(std::move(rules)) {}

PhomView::~PhomView() { cancelOwnTimers(); }

std::weak_ptr<PhomView> PhomView::weakSelf() { return std::static_pointer_cast<PhomView>(shared_from_this()); }

void PhomView::cancelOwnTimers() {
    auto& loop = sys::RunLoop::main();
    for (auto* id : {&dealTimer_, &layoutTimer_}) {
        loop.cancel(*id);
        *id = 0;
    }
    waitingChiaBai = false;
}

// ---- life

void PhomView::viewDidLoad() {
    GameCardView::viewDidLoad();
    bottom_.setButtons(btnStart, btnConfig, btnSkip);
    // The turn bar lies under the card-back pile.
    if (imgBaiTi) imgBaiTi->setFrame(PhomTableLayout::kPile);
    if (progressTimer) progressTimer->setFrame(PhomTableLayout::kTurnBar);
}

void PhomView::viewWillAppear(bool animated) {
    GameCardView::viewWillAppear(animated);
    // The second button keeps its role (options or draw): each seating gives the first one.
    if (btnStart) btnStart->setBackgroundImage(ui::Image::imageNamed("button_chuc_nang.png"));
}

void PhomView::viewWillDisappear(bool animated) {
    GameCardView::viewWillDisappear(animated);
    cancelOwnTimers();
}

void PhomView::resetView() {
    GameCardView::resetView();
    cancelOwnTimers();
    phom_.reset();
    // Nobody is to act at a table just joined (the table left may have been left during a turn).
    phom_.currentPlayers = phom_.firstPlayer = -1;
    announcedSeat_ = -1;
    if (isZoom) zoomOut();
    isGameBegin = false;
    removeAllCardSprites();
    for (int seat = 0; seat < kSeats; ++seat) setShowImageEnd(seat, static_cast<PhomEndMark>(-1));
    if (imgBaiTi) imgBaiTi->setHidden(true);
    if (btnConfig) tablebar::showRole(*btnConfig, "ZUNO_option");
    toMove = nullptr;
    isCardMove = isEatTouch = false;
    indexOfCard = indexOfCard2 = -1;
}

void PhomView::setupPlayersWithRoom(int8_t room, int8_t board, int32_t ownerId, int32_t stake,
                                    std::vector<PlayerPtr> seated) {
    GameCardView::setupPlayersWithRoom(room, board, ownerId, stake, std::move(seated));
    phom_.seating.indexOfMe = 0;
    for (size_t i = 0; i < players().size(); ++i)
        if (players()[i] && isMe(players()[i]->IDDB())) phom_.seating.indexOfMe = static_cast<int>(i);
}

// ---- seats

void PhomView::playerLeaveWithId(int32_t playerId) {
    const int seat = getSeatFromID(playerId);
    GameCardView::playerLeaveWithId(playerId);
    if (seat < 0) return;
    const auto s = static_cast<size_t>(seat);
    phom_.cardShow[s].fill(-1);
    phom_.showCardEat[s].fill(-1);
    phom_.ShowHaPhom[s].fill(-1);
    phom_.cardRac[s].fill(-1);
}

void PhomView::onChatFromWithId(int32_t playerId, const std::optional<std::string>& name, const std::string& line) {
    if (GameCardView::onChatFromWithId(playerId, name, line)) return;
    showChatWithSeat(kCentre, line);
    if (playerId >= 1 && chatDialog) {
        auto chat = std::make_shared<Chat>();
        chat->setName(name.value_or(""));
        chat->setContent(line);
        chatDialog->addChatLine(chat);
    }
}

bool PhomView::leaveNeedsConfirmation() const {
    PlayerPtr me = UIController::myInfo();
    return !isGameEnd() || (me && me->isReady() && phom_.iAmOwner());
}

void PhomView::setMoneyOnBoard(int32_t stake) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_dat_tien());
    GameCardView::setMoneyOnBoard(stake);
}

void PhomView::setShowImageEnd(int seat, PhomEndMark mark) {
    const std::shared_ptr<ui::ImageView> marks[] = {imgEnd0, imgEnd1, imgEnd2, imgEnd3};
    if (seat < 0 || seat >= kSeats || !marks[seat]) return;
    const int index = static_cast<int>(mark);
    const bool shown = index >= 0 && index < 4;
    marks[seat]->setImage(shown ? ui::Image::imageNamed(kEndMarkImages[index]) : nullptr);
    marks[seat]->setHidden(!shown);
    if (shown) view()->bringSubviewToFront(marks[seat].get());
}

void PhomView::showMyBubble(const std::string& key) { showChatWithSeat(kCentre, text(key.c_str())); }

void PhomView::applyShown(const PhomTable::Shown& shown) {
    if (shown.stopped) stopGame();
    if (shown.myBubble) showMyBubble(*shown.myBubble);
    for (int seat = 0; seat < kSeats; ++seat)
        if (const auto& mark = shown.endMarks[static_cast<size_t>(seat)]) setShowImageEnd(seat, *mark);
    if (shown.seatBubble) showChatWithSeat(shown.seatBubble->first, shown.seatBubble->second);
}

// ---- buttons

void PhomView::setKindOfStart(int kind) {
    bottom_.setKindOfStart(kind);
    if (lblStart && btnStart) lblStart->setText(btnStart->titleForState(ui::ControlState::Normal).value_or(""));
}

void PhomView::createBottomMenu(int menu) {
    phom_.menu = static_cast<PhomMenu>(menu);
    bottom_.createBottomMenu(menu);
    if (lblStart && btnStart) lblStart->setText(btnStart->titleForState(ui::ControlState::Normal).value_or(""));
}

void PhomView::clickStartGame() {
    if (bottom_.startTitled("ZUNO_start")) {
        if (isMe(ownerID())) doStartGame();
    } else if (bottom_.startTitled("ZUNO_ready") || bottom_.startTitled("ZUNO_noReady")) {
        switch (table().readyAnswer(UIController::myInfo() ? UIController::myInfo()->money() : 0)) {
            case CardTableModel::ReadyAnswer::Refused: showMyBubble("ZUNO_boardPlayingNoReady"); break;
            case CardTableModel::ReadyAnswer::NotEnoughMoney: showMyBubble("ZUNO_koDuTienCuoc"); break;
            case CardTableModel::ReadyAnswer::SendReady:
                GlobalService::getInstance().readyWithRoomId(roomId(), boardId(), true);
                break;
            case CardTableModel::ReadyAnswer::SendNotReady:
                GlobalService::getInstance().readyWithRoomId(roomId(), boardId(), false);
                break;
        }
        if (btnStart) btnStart->setHidden(true);
    } else if (bottom_.startTitled("ZUNO_haPhom")) {
        doHaPhom();
    } else if (bottom_.startTitled("ZUNO_guiPhom")) {
        doAddCard();
    } else if (bottom_.startTitled("ZUNO_eat")) {
        doEat();
    } else if (bottom_.startTitled("ZUNO_fire") || bottom_.startTitled("ZUNO_discard")) {
        doFire();
    } else if (bottom_.startTitled("ZUNO_continuee")) {
        doContinue();
        resetCard(1);
    }
}

void PhomView::clickConfig() {
    if (bottom_.configTitled("ZUNO_get")) doNhan();
    else GameCardView::clickConfig();
}

void PhomView::doStartGame() {
    PlayerPtr me = UIController::myInfo();
    switch (phom_.doStartGame(me ? me->money() : 0)) {
        case PhomTable::Start::Send: GlobalService::getInstance().startGameWithRoomId(roomId(), boardId()); break;
        case PhomTable::Start::NotEnoughMoney: showMyBubble("ZUNO_koDuTienCuoc"); break;
        case PhomTable::Start::Nothing: break;
    }
}

void PhomView::doNhan() {
    if (!phom_.isEatCard) {
        showMyBubble("ZUNO_ChoDenLuot");
        return;
    }
    phom_.isEatCard = false;
    showPhomMenu(PhomMenu::Cleared);
    sendDraw();
}

void PhomView::sendDraw() { PhomService::getInstance().getCard(roomId(), boardId()); }

void PhomView::sendLayDown() { PhomService::getInstance().haPhom(roomId(), boardId(), handCards()); }

void PhomView::doEat() {
    readSelection();
    PhomEatRequest request = phom_.hand.doEat();
    if (!request.accepted()) {
        showMyBubble(request.refusal);
        clearSelection();
        return;
    }
    showPhomMenu(PhomMenu::Cleared);
    PhomService::getInstance().eatCard(roomId(), boardId(), request.cards, request.kind);
}

void PhomView::doFire() {
    readSelection();
    PhomFireRequest request = phom_.hand.doFire();
    if (!request.accepted()) {
        showMyBubble(request.refusal);
        if (request.refusal == "ZUNO_canYouOnceOnly") clearSelection();
        return;
    }
    phom_.isDoFire = false;
    showPhomMenu(PhomMenu::Cleared);
    PhomService::getInstance().fire(roomId(), boardId(), request.cardId);
}

void PhomView::doHaPhom() {
    if (!isMe(phom_.currentPlayers)) {
        showMyBubble("ZUNO_waitToCurrent");
        return;
    }
    showPhomMenu(PhomMenu::Cleared);
    sendLayDown();
}

void PhomView::doContinue() {
    phom_.continueToNextDeal();
    if (isZoom) zoomOut();
}

void PhomView::resetCard(int mode) {
    showOKImageWithMode(true);
    removeAllCardSprites();
    for (int seat = 0; seat < kSeats; ++seat) setShowImageEnd(seat, static_cast<PhomEndMark>(-1));
    if (mode == 1) createBottomMenu(static_cast<int>(phom_.idleMenu()));
    if (auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me())) me->setCards({});
}

void PhomView::stopGame() {
    Util::callRung();
    // Whose turn it was stays for the end marks (a U is marked at that player's seat).
    const int32_t whoseTurn = currentPlayer();
    stopTurnClock();
    setCurrentPlayer(whoseTurn);
    if (btnStart) btnStart->setHidden(false);
    // Nothing is sent onto the melds once the deal has ended.
    if (btnSkip) btnSkip->setHidden(true);
    if (imgTimer) imgTimer->setHidden(true);
    resetCard(2);
    if (isZoom) setDecorationGeometry(PhomTableLayout::decorations(PhomTableLayout::Stage::Ended));
    if (btnNapWin) btnNapWin->setHidden(false);
    refreshInviteMarks();
}

// ---- the deal

void PhomView::startTurnAt(int64_t now) {
    const int seat = getSeatFromID(phom_.currentPlayers);
    if (phom_.currentPlayers != -1) {
        setTimerWithSeat(seat < 0 ? kCentre : seat);
        if (progressTimer) progressTimer->setFrame(PhomTableLayout::kTurnBar);
    }
    table().dieTime = now + interval();
    announcedSeat_ = -1;
    startTimer(1);
}

void PhomView::start(int8_t seconds, const CardIds& dealt, int32_t firstMove, int32_t firstHa) {
    view();
    cancelOwnTimers();
    removeAllCardSprites();
    for (int seat = 0; seat < kSeats; ++seat) setShowImageEnd(seat, static_cast<PhomEndMark>(-1));
    const int64_t now = clockSeconds();
    phom_.start(seconds, dealt, firstMove, firstHa, now);
    this->dealt(dealt);
    if (PlayerPtr me = table().me()) setSeatInfoWithSeat(0, me);
    zoomIn();
    unSetInvatingOnChair();
    isGameBegin = true;
    waitingChiaBai = true;
    indexCard = 0;
    posXCard = offsetLeft;
    showModelMenu();
    paintMyCards();
    showOKImageWithMode(false);
    startTurnAt(now);
    if (btnNapWin) btnNapWin->setHidden(true);
}

void PhomView::onGetCard(uint8_t card) {
    if (!isMe(phom_.currentPlayers)) return;
    phom_.onGetCard(card);
    clearSelection();
    paintMyCards();
    showModelMenu();
}

void PhomView::onFire(int32_t next, int32_t firer, int8_t card, int8_t numC) {
    const int s = getSeatFromID(firer);
    std::optional<ui::Point> from;
    if (s == 0) {
        for (const auto& sprite : hand_)
            if (sprite->cardID == card) from = sprite->center();
    }
    const bool mine = isMe(firer);
    phom_.onFire(next, firer, card, numC, clockSeconds());
    if (s < 0) return;
    if (from) baiPost = *from;
    if (mine) paintMyCards();
    if (mine || isMe(next)) showModelMenu();
    paintFiredCards(s, from);
    startTurnAt(clockSeconds());
}

void PhomView::onSkipPlayer(int32_t player, int32_t firHa) {
    if (getSeatFromID(player) < 0) return;
    phom_.onSkipPlayer(player, firHa, clockSeconds());
    if (isMe(player)) showModelMenu();
    startTurnAt(clockSeconds());
}

void PhomView::onEatCard(bool isEat, int32_t, int32_t firHa, int8_t nCard) {
    const int e = getSeatFromID(phom_.currentPlayers);
    const int f = getSeatFromID(phom_.firstPlayer);
    const int h = getSeatFromID(phom_.firstHa);
    const bool mine = isMe(phom_.currentPlayers);
    applyShown(phom_.onEatCard(isEat, firHa, nCard));
    if (e < 0) return;
    clearSelection();
    if (mine) {
        paintMyCards();
        showModelMenu();
    }
    if (!isEat) return;
    if (f >= 0) paintFiredCards(f);
    if (h >= 0 && h != f) paintFiredCards(h);
    if (e != 0) paintXXXCards(e);
}

void PhomView::onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts&, int32_t curID) {
    const PhomTable::Shown shown = phom_.onHaPhom(isHa, cards, isU, curID);
    applyShown(shown);
    const int s = getSeatFromID(curID);
    if (!isHa || s < 0) return;
    paintPhomCards(s);
    if (isMe(curID)) paintMyCards();
    if (isMe(curID) || shown.stopped) showModelMenu();
}

void PhomView::onOnceWin(int32_t) {
    if (isZoom) zoomOut();
    applyShown(phom_.onOnceWin());
    showModelMenu();
}

void PhomView::onDenBai(int32_t winId, const PhomSeatInts&) {
    applyShown(phom_.onDenBai(winId));
    showModelMenu();
}

void PhomView::setScore(const PhomSeatInts&) {}

void PhomView::onFinish(const PhomSeatInts& score, const PhomLeftoverCards& cardR, const PhomSeatInts&) {
    applyShown(phom_.onFinish(score, cardR));
    for (int seat = 0; seat < kSeats; ++seat) {
        if (table().isSeatEmpty(seat)) continue;
        const auto& row = phom_.cardRac[static_cast<size_t>(table().seats[static_cast<size_t>(seat)])];
        paintLeftovers(seat, {row.begin(), row.end()});
    }
    showModelMenu();
}

void PhomView::onPlaying(int32_t seconds, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                         const PhomEatenCards& cardEat, int32_t firHa) {
    view();
    cancelOwnTimers();
    removeAllCardSprites();
    phom_.onPlaying(seconds, curPlayer, firPlayer, cardShow, cardEat, firHa);
    zoomIn();
    showMyBubble("ZUNO_PlayingNoReady");
    if (viewStart) viewStart->setHidden(true);
    // A row is drawn up to its first gap: a full row draws nothing.
    for (int seat = 0; seat < kSeats; ++seat) {
        auto& row = phom_.cardShow[static_cast<size_t>(seat)];
        if (std::find(row.begin(), row.end(), -1) == row.end()) continue;
        paintFiredCards(seat);
    }
    showModelMenu();
}

void PhomView::moveErrorWithInfo(const std::string& info) {
    Util::callRung();
    showChatWithSeat(0, info);
}

// ---- the turn clock

bool PhomView::turnClockStep(int64_t now) {
    blinkCurrentName();
    if (table().dieTime > 0 && now >= table().dieTime - 2 && bottom_.startTitled("ZUNO_haPhom")) {
        doHaPhom();
        return true;
    }
    return false;
}

void PhomView::blinkCurrentName() {
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    // The player who must act (a skip passes the turn on without a fire).
    const int current = getSeatFromID(phom_.currentPlayers);
    // A new turn shows its player's name at once; the blink starts a second later.
    const bool newTurn = current != announcedSeat_;
    announcedSeat_ = current;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (!names[seat]) continue;
        if (seat == current) {
            names[seat]->setTextColor(ui::Color::green());
            names[seat]->setHidden(!newTurn && !names[seat]->isHidden());
        } else {
            names[seat]->setTextColor(ui::Color::white());
            names[seat]->setHidden(false);
        }
    }
}

ZUNO_REGISTER_SCREEN(PhomView)

}  // namespace zuno
