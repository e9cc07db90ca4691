#include "games/banker/XiZachView.h"

#include <algorithm>

#include "games/banker/BaiCaoPlayer.h"
#include "games/banker/BankerTableLayout.h"
#include "games/banker/XiZachService.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "table/CardTableModel.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

constexpr ui::Point kDeckCentre{240, 127};
constexpr double kBlinkSeconds = 0.6;
constexpr double kDrawSlide = 0.3;
constexpr int8_t kDraw = 0, kStand = 1;
}  // namespace

const ui::BindingTable& XiZachView::bindings() {
    using B = ui::Bind<XiZachView>;
    static const ui::BindingTable table(&BankerTableView::bindings(),
                                        {B::action("clickRutBai:", &XiZachView::clickRutBai),
                                         B::action("clickViewPlayerInfo:", &XiZachView::clickViewPlayerInfo)});
    return table;
}

XiZachView::XiZachView(std::string nibName) : BankerTableView(std::move(nibName)) {}

XiZachView::~XiZachView() { sys::RunLoop::main().cancel(blinkTimer_); }

std::weak_ptr<XiZachView> XiZachView::weakXi() { return std::static_pointer_cast<XiZachView>(shared_from_this()); }

std::array<std::shared_ptr<ui::Label>, XiZachView::kSeats> XiZachView::nameLabels() const {
    return {lblName0, lblName1, lblName2, lblName3};
}

// The punters' stakes between their seats and the middle, the top seat's under its bubble; mine by my
// seat.
ui::Rect XiZachView::stakeFrame(int seat) const {
    if (seat == 0) return bankerlayout::myStakeFrame();
    static constexpr ui::Point kCentres[] = {{240, 200}, {345, 150}, {240, 104}, {135, 150}};
    return {kCentres[seat].x - 60, kCentres[seat].y - 10, 120, 20};
}

// Two cards lie 40 points apart; each card drawn moves the earlier ones 20 points back and lies 40
// past the last. The side seats' smaller cards share their strip.
ui::Point XiZachView::dealTarget(int seat, int position, int handSize) const {
    const double step = 40.0 * position - 20.0 * std::max(0, handSize - banker::kXiZachDealt);
    switch (seat) {
        case 0: return {230 + step, bankerlayout::kMyHandY};
        case 2: return {230 + step, bankerlayout::kTopHandY};
        default: return bankerlayout::sideRowCentre(seat, position, handSize);
    }
}

// ---- the deal and the turns

void XiZachView::startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& myCards) {
    view();
    Util::callRung();
    setIsStartGame(true);
    setIsGameEnd(false);
    nextPlayer = whoMove.value_or(-1);
    createBottomMenu(nextPlayer == myId() || ownerID() == myId() ? 3 : 0);
    dealHands(myCards, banker::kXiZachDealt, false);
    std::array<bool, kSeats> seated{};
    for (int seat = 0; seat < kSeats; ++seat) seated[static_cast<size_t>(seat)] = playerAt(seat) != nullptr;
    runDeal(banker::xiZachDeal(seated));
    showOKImageWithMode(true);
    setInterval(static_cast<uint8_t>(interval));
    startTurnOfPlayer(nextPlayer);
    noteCurrentPlayerWithPlayer(nextPlayer);
    animationBoard();
    if (btnBaiBot) btnBaiBot->setHidden(false);
    setHiddenButtonSeat(true);
    if (btnNapWin) btnNapWin->setHidden(true);
}

void XiZachView::getRemainTimeWithPlayerId(int32_t playerId, int8_t remainTime) {
    if (isGameEnd()) return;
    nextPlayer = playerId;
    setInterval(static_cast<uint8_t>(remainTime));
    startTurnOfPlayer(playerId);
    createBottomMenu(playerId == myId() ? 3 : 0);
    if (playerId == ownerID()) {
        announce(kCentre, text("ZUNO_nextPlayer") + " " + text("ZUNO_owner") + "!");
    } else if (seatOf(playerId) >= 0) {
        // The dealer calls the next player.
        const int ownerSeat = seatOf(ownerID());
        if (ownerSeat >= 0) announce(ownerSeat, text("ZUNO_nextPlayer") + " " + getPlayerNameFromID(playerId) + "!");
    }
    noteCurrentPlayerWithPlayer(playerId);
}

// Only the player to act is called: the call replaces the last one, wherever that showed.
void XiZachView::announce(int bubble, const std::string& call) {
    if (announcement_ >= 0 && announcement_ != bubble) hideChat(announcement_);
    announcement_ = bubble;
    replaceChatWithSeat(bubble, call);
}

void XiZachView::noteCurrentPlayerWithPlayer(int32_t playerId) {
    stopBlink();
    const int seat = seatOf(playerId);
    lblCurrentName = seat >= 0 ? nameLabels()[static_cast<size_t>(seat)] : nullptr;
    if (!showCurrentPlayerName()) return;
    auto weak = weakXi();
    blinkTimer_ = sys::RunLoop::main().scheduleRepeating(kBlinkSeconds, [weak] {
        if (auto self = weak.lock()) self->showCurrentPlayerName();
    });
}

bool XiZachView::showCurrentPlayerName() {
    if (isGameEnd() || !lblCurrentName) {
        sys::RunLoop::main().cancel(blinkTimer_);
        blinkTimer_ = 0;
        return false;
    }
    const bool white = lblCurrentName->textColor() == ui::Color::white();
    lblCurrentName->setTextColor(white ? ui::Color::green() : ui::Color::white());
    return true;
}

void XiZachView::stopBlink() {
    sys::RunLoop::main().cancel(blinkTimer_);
    blinkTimer_ = 0;
    showNamesOffTurn();
}

void XiZachView::doRutBai() {
    if (!banker::mayDraw(isGameEnd(), nextPlayer, myId())) return;
    XiZachService::getInstance().moveWithRoomId(roomId(), boardId(), kDraw);
}

void XiZachView::doDangBai() { XiZachService::getInstance().moveWithRoomId(roomId(), boardId(), kStand); }

void XiZachView::clickRutBai(ui::Button*) { doRutBai(); }

void XiZachView::rutBaiWithCardId(int8_t cardId, int32_t playerId) {
    auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me());
    if (!me || me->cards().empty()) return;
    const int seat = seatOf(playerId);
    if (seat < 0) return;
    auto player = playerAt(seat);
    auto& hand = player->cards();
    if (!banker::takesDrawnCard(static_cast<int>(hand.size()))) return;
    PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());
    auto card = BCCardView::initWithCardID(cardId, true, playerId, false);
    if (playerId != myId()) card->resize(bankerlayout::otherCardSize());
    card->setCenter(kDeckCentre);
    if (chat4) view()->insertSubviewBelow(card, chat4.get());
    else view()->addSubview(card);
    hand.push_back(card);
    ui::View::beginAnimations(std::string("rutbai"));
    ui::View::setAnimationDuration(kDrawSlide);
    const int count = static_cast<int>(hand.size());
    for (int i = 0; i < count; ++i) hand[static_cast<size_t>(i)]->setCenter(dealTarget(seat, i, count));
    ui::View::commitAnimations();
    bringBubblesToFront();
}

void XiZachView::moveWithPlayerId(int32_t playerId, const CardIds& movedCards) {
    const int seat = seatOf(playerId);
    if (seat < 0) return;
    if (playerId == ownerID()) {
        const int held = static_cast<int>(playerAt(seat)->cards().size());
        switch (banker::ownerShow(static_cast<int>(movedCards.size()), held)) {
            case banker::OwnerShow::Open: break;
            case banker::OwnerShow::Draw: rutBaiWithCardId(movedCards.back(), playerId); return;
            case banker::OwnerShow::Nothing: return;
        }
    }
    setCurrentCardsWithCardIDs(movedCards, seat);
}

// My cards are open from the deal: a tap only marks the card.
void XiZachView::doFireWithCardId(int8_t cardId) {
    auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me());
    if (!me) return;
    auto states = myCardStates();
    if (!banker::showRequest(states, cardId)) return;
    for (size_t i = 0; i < states.size() && i < me->cards().size(); ++i) me->cards()[i]->isSelected = states[i].asked;
}

void XiZachView::xetBaiWithPlayer(int32_t playerId) {
    if (!banker::mayExamine(isGameEnd(), nextPlayer, myId(), ownerID())) return;
    for (const auto& record : players()) {
        auto banker = std::dynamic_pointer_cast<BaiCaoPlayer>(record);
        if (!banker || banker->IDDB() != playerId || banker->isDaXet()) continue;
        banker->setIsDaXet(true);
        XiZachService::getInstance().xetBaiWithRoomId(roomId(), boardId(), playerId);
        return;
    }
}

void XiZachView::clickViewPlayerInfo(ui::Button* button) {
    if (!button) return;
    const std::string title = button->titleForState(ui::ControlState::Normal).value_or("");
    if (title.empty()) return;
    if (!isGameEnd()) {
        // During a deal the dealer's info button examines, under the same conditions as a card tap.
        xetBaiWithPlayer(static_cast<int32_t>(tabletext::readAmount(title)));
        return;
    }
    GameCardView::clickViewPlayerInfo(button);
}

void XiZachView::updateMoneyForPlayer(int32_t playerId, int32_t money) {
    if (moneySound_.open(sys::RunLoop::main().now()))
        PlaySound::playSoundWithSource(Resources::getInstance().com_trung_tien());
    BankerTableView::updateMoneyForPlayer(playerId, money);
}

// The deck lies over the middle of the table, where the start button stands between deals.
void XiZachView::onStop() {
    if (btnBaiBot) btnBaiBot->setHidden(true);
    stopBlink();
    // Nobody is to act any more: the last call gives way to the results.
    if (announcement_ >= 0) hideChat(announcement_);
    announcement_ = -1;
}

// ---- life

void XiZachView::viewDidLoad() {
    BankerTableView::viewDidLoad();
    btnBaiBot = std::make_shared<ui::Button>(ui::Button::Type::Custom, ui::Rect(200, 118, 80, 54));
    btnBaiBot->setBackgroundImage(ui::Image::imageNamed("52.png"));
    btnBaiBot->addTarget(this, "clickRutBai:", ui::ControlEvent::TouchUpInside);
    btnBaiBot->setHidden(isGameEnd());
}

void XiZachView::viewWillAppear(bool animated) {
    BankerTableView::viewWillAppear(animated);
    if (btnBaiBot && !btnBaiBot->superview()) view()->addSubview(btnBaiBot);
    if (progressTimer) view()->bringSubviewToFront(progressTimer.get());
}

void XiZachView::resetView() {
    BankerTableView::resetView();
    // The table left may have been left during a turn: here nobody is to draw yet.
    nextPlayer = -1;
    lblCurrentName = nullptr;
    onStop();
}

void XiZachView::viewWillDisappear(bool animated) {
    BankerTableView::viewWillDisappear(animated);
    stopBlink();
    if (btnBaiBot) btnBaiBot->removeFromSuperview();
}

ZUNO_REGISTER_SCREEN(XiZachView)

}  // namespace zuno
