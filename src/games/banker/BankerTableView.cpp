#include "games/banker/BankerTableView.h"

#include <algorithm>

#include "games/banker/BaiCaoPlayer.h"
#include "games/banker/BankerTableLayout.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

constexpr double kDealSlide = 0.1;
constexpr ui::Point kDeckCentre{240, 127};
constexpr size_t kFirstStakeIndex = 21;
}  // namespace

const ui::BindingTable& BankerTableView::bindings() {
    using B = ui::Bind<BankerTableView>;
    static const ui::BindingTable table(
        &GameCardView::bindings(),
        {B::action("clickStartGame", &BankerTableView::clickStartGame),
         B::action("clickAutomaticSelectedCards", &BankerTableView::clickAutomaticSelectedCards)});
    return table;
}

BankerTableView::BankerTableView(std::string nibName)
    : GameCardView(std::move(nibName), bankerlayout::decorations()) {}

BankerTableView::~BankerTableView() {
    auto& loop = sys::RunLoop::main();
    loop.cancel(dealTimer_);
}

std::weak_ptr<BankerTableView> BankerTableView::weakSelf() {
    return std::static_pointer_cast<BankerTableView>(shared_from_this());
}

int BankerTableView::myId() const { return UIController::myId(); }

std::string BankerTableView::titleOf(const std::shared_ptr<ui::Button>& button) const {
    return button ? button->titleForState(ui::ControlState::Normal).value_or("") : "";
}

// ---- seats

std::shared_ptr<TienLenPlayer> BankerTableView::playerAt(int seat) const {
    if (seat < 0 || seat >= kSeats || table().isSeatEmpty(seat)) return nullptr;
    return std::dynamic_pointer_cast<TienLenPlayer>(table().playerAtSeat(seat));
}

int BankerTableView::seatOf(int32_t playerId) const {
    for (int seat = 0; seat < kSeats; ++seat)
        if (auto player = playerAt(seat); player && player->IDDB() == playerId) return seat;
    return -1;
}

std::shared_ptr<ui::Label> BankerTableView::stakeLabel(int seat) const {
    return seat >= 0 && seat < kSeats ? stakeLabels_[static_cast<size_t>(seat)] : nullptr;
}

ui::Point BankerTableView::turnBarCentre(int seat) const {
    return seat == 0 ? bankerlayout::kMyTurnBarCentre : GameCardView::turnBarCentre(seat);
}

void BankerTableView::setSeatInfoWithSeat(int seat, const PlayerPtr& player) {
    if (seat < 0 || seat >= kSeats || !player) return;
    unsetSeatInfoWithSeat(seat);
    showSeatPlayer(seat, player);
    auto stake = stakeLabel(seat);
    if (player->IDDB() == ownerID()) {
        // The owner is the banker: no stake of his own.
        showMark(seat, "boss.png");
    } else {
        if (player->isReady()) showMark(seat, "ready.png");
        if (stake) stake->setHidden(false);
    }
}

void BankerTableView::unsetSeatInfoWithSeat(int seat) {
    if (seat < 0 || seat >= kSeats) return;
    clearSeatPlayer(seat);
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    if (names[seat]) names[seat]->setHidden(true);
    if (auto stake = stakeLabel(seat)) stake->setHidden(true);
}

// The table keeps its own seat records, which hold the hands.
PlayerPtr BankerTableView::asSeatPlayer(const PlayerPtr& player) const {
    if (std::dynamic_pointer_cast<BaiCaoPlayer>(player)) return player;
    auto seated = std::make_shared<BaiCaoPlayer>();
    if (player) static_cast<Player&>(*seated) = *player;
    else seated->setIDDB(-1);
    return seated;
}

int BankerTableView::kindAfterReadyReset() const { return ownerID() == myId() ? kStart : kReady; }

void BankerTableView::playerLeaveWithId(int32_t playerId) {
    GameCardView::playerLeaveWithId(playerId);
    // Between deals the last deal's cards go; during one they stay until the stop.
    if (isGameEnd()) removeCardSprites();
}

void BankerTableView::setMoneyOnBoardWithWho(int32_t stake, int32_t who) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_dat_tien());
    for (int seat = 0; seat < kSeats; ++seat) {
        auto player = playerAt(seat);
        if (!player || player->IDDB() != who || who == ownerID()) continue;
        if (auto label = stakeLabel(seat)) label->setText(Util::formatNumber(stake) + " " + text("ZUNO_win"));
        setSeatInfoWithSeat(seat, player);
    }
}

void BankerTableView::showFlyTextWirhFromId(int32_t playerId, int32_t money) {
    if (seatOf(playerId) < 0) return;  // nobody seated to fly from
    GameCardView::showFlyTextWirhFromId(playerId, money);
}

void BankerTableView::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    if (seatOf(fromUser) < 0 || seatOf(toUser) < 0) return;  // a gift needs a seated giver and receiver
    GameCardView::onShowGift(itemId, fromUser, toUser);
}

// ---- buttons

void BankerTableView::setKindOfStart(int kind) {
    const char* key = nullptr;
    switch (kind) {
        case kStart: key = "ZUNO_start"; break;
        case kReady: key = "ZUNO_ready"; break;
        case kNotReady: key = "ZUNO_noReady"; break;
        case kMove: key = moveTitleKey(); break;
        case kContinue: key = "ZUNO_continuee"; break;
        default: break;
    }
    if (key && btnStart) {
        tablebar::showRole(*btnStart, key);
        if (lblStart) lblStart->setText(text(key));
    }
    GameCardView::setKindOfStart(kind);
}

void BankerTableView::createBottomMenu(int menu) {
    if (btnStart) btnStart->setHidden(false);
    const char* autoKey = nullptr;
    bool autoEnabled = true;
    switch (menu) {
        case 1: setKindOfStart(kStart); autoKey = "ZUNO_option"; break;
        case 2: setKindOfStart(kReady); autoKey = "ZUNO_dat_cuoc"; break;
        case 3: setKindOfStart(kMove); autoKey = moveAutoTitleKey(); break;
        case 4: setKindOfStart(kContinue); break;
        case 0:
            // Another's turn: the move's second button stays in its place in the bar, dimmed.
            if (btnStart) btnStart->setHidden(true);
            autoKey = moveAutoTitleKey();
            autoEnabled = false;
            break;
        default:
            if (btnStart) btnStart->setHidden(true);
            break;
    }
    if (autoKey) setAutoSelectedRole(autoKey);
    if (btnAutoSelected) {
        btnAutoSelected->setHidden(autoKey == nullptr);
        tablebar::setUsable(*btnAutoSelected, autoEnabled);
    }
}

void BankerTableView::clickStartGame() {
    const std::string title = titleOf(btnStart);
    GameCardView::clickStartGame();
    if (title == text("ZUNO_ready") || title == text("ZUNO_noReady")) removeCardSprites();
    else if (title == text(moveTitleKey())) onMoveButton();
}

void BankerTableView::clickAutomaticSelectedCards() {
    GameCardView::clickAutomaticSelectedCards();
    const std::string title = titleOf(btnAutoSelected);
    if (title == text(moveAutoTitleKey())) onMoveAutoButton();
    else if (title == text("ZUNO_option")) clickConfig();
    else showCuoc();
}

void BankerTableView::doStartGame() {
    std::vector<banker::OtherPlayer> others;
    for (const auto& player : players()) {
        if (!player || player->IDDB() == myId()) continue;
        others.push_back({player->IDDB() != -1, player->isReady()});
    }
    PlayerPtr me = UIController::myInfo();
    switch (banker::checkStart(others, me ? me->money() : 0, money())) {
        case banker::StartCheck::Send: GlobalService::getInstance().startGameWithRoomId(roomId(), boardId()); break;
        case banker::StartCheck::ShortBalance: UIController::startOKDlg(text("ZUNO_koDuTienCuoc")); break;
        case banker::StartCheck::Nothing: break;
    }
}

void BankerTableView::resetCard(int mode) {
    showOKImageWithMode(true);
    createBottomMenu(ownerID() == myId() ? 1 : 2);
    if (mode == 1) removeCardSprites();
    if (auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me())) me->setCards({});
}

// ---- deals

void BankerTableView::dealHands(const CardIds& myCards, int otherCards, bool isBaiCao) {
    sys::RunLoop::main().cancel(dealTimer_);
    dealTimer_ = 0;
    removeCardSprites();
    for (const auto& record : players()) {
        if (!record) continue;
        record->setFinishPosition(-1);
        if (auto banker = std::dynamic_pointer_cast<BaiCaoPlayer>(record)) banker->setIsDaXet(false);
        auto seatPlayer = std::dynamic_pointer_cast<TienLenPlayer>(record);
        if (!seatPlayer || record->IDDB() == -1) continue;
        Cards hand;
        if (record->IDDB() == myId()) {
            for (int8_t id : myCards) hand.push_back(BCCardView::initWithCardID(id, true, myId(), isBaiCao));
        } else {
            for (int i = 0; i < otherCards; ++i) {
                hand.push_back(BCCardView::initWithCardID(-1, true, record->IDDB(), isBaiCao));
                hand.back()->resize(bankerlayout::otherCardSize());
            }
        }
        seatPlayer->setCards(std::move(hand));
    }
    resetSeat();
}

void BankerTableView::runDeal(std::vector<banker::DealStep> steps) {
    sys::RunLoop::main().cancel(dealTimer_);
    dealTimer_ = 0;
    dealStep(std::move(steps), 0);
}

void BankerTableView::dealStep(std::vector<banker::DealStep> steps, size_t next) {
    if (next >= steps.size()) return;
    const banker::DealStep step = steps[next];
    auto player = playerAt(step.seat);
    if (player && static_cast<size_t>(step.position) < player->cards().size()) {
        PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());
        const auto& card = player->cards()[static_cast<size_t>(step.position)];
        card->setCenter(kDeckCentre);
        // The hand's cards lie in its order, each over the one before, so that every corner shows.
        for (const auto& held : player->cards()) {
            if (held != card && !held->superview()) continue;
            if (chat4) view()->insertSubviewBelow(held, chat4.get());
            else view()->addSubview(held);
        }
        ui::View::beginAnimations(std::string("chiabai"));
        ui::View::setAnimationDuration(kDealSlide);
        card->setCenter(dealTarget(step.seat, step.position, static_cast<int>(player->cards().size())));
        ui::View::commitAnimations();
        bringBubblesToFront();
    }
    if (next + 1 >= steps.size()) return;
    auto weak = weakSelf();
    dealTimer_ = sys::RunLoop::main().postDelayed(banker::kDealStepSeconds, [weak, steps = std::move(steps), next] {
        auto self = weak.lock();
        if (!self) return;
        self->dealTimer_ = 0;
        self->dealStep(steps, next + 1);
    });
}

void BankerTableView::removeCardSprites() {
    if (!isViewLoaded()) return;
    std::vector<std::shared_ptr<ui::View>> doomed;
    for (const auto& subview : view()->subviews())
        if (std::dynamic_pointer_cast<BCCardView>(subview)) doomed.push_back(subview);
    for (const auto& card : doomed) card->removeFromSuperview();
}

std::vector<banker::MyCard> BankerTableView::myCardStates() const {
    std::vector<banker::MyCard> states;
    if (auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me()))
        for (const auto& card : me->cards()) states.push_back({card->cardID, card->isSelected});
    return states;
}

void BankerTableView::setCurrentCardsWithCardIDs(const CardIds& ids, int seat) {
    auto player = playerAt(seat);
    if (!player) return;
    PlaySound::playSoundWithSource(Resources::getInstance().bai_lat_bai());
    std::vector<bool> shown;
    for (const auto& card : player->cards()) {
        auto banker = std::dynamic_pointer_cast<BCCardView>(card);
        shown.push_back(!banker || banker->isChecked);
    }
    for (int position : banker::positionsToOpen(ids, shown)) {
        auto card = std::dynamic_pointer_cast<BCCardView>(player->cards()[static_cast<size_t>(position)]);
        card->cardID = ids[static_cast<size_t>(position)];
        card->showFace();
    }
}

// ---- the end of a deal

void BankerTableView::stopGame() {
    Util::callRung();
    createBottomMenu(4);
    stopTurnClock();
    setIsStartGame(false);
    setIsGameEnd(true);
    if (PlayerPtr me = UIController::myInfo()) me->setIsReady(ownerID() == myId());
    if (progressTimer) progressTimer->setHidden(true);
    setAutoSelectedRole("ZUNO_option");
    animationBoard();
    onStop();
    setHiddenButtonSeat(false);
    if (btnNapWin) btnNapWin->setHidden(false);
}

void BankerTableView::showCardsWithPlayers(const std::vector<BankerHand>& hands) {
    for (const auto& hand : hands) moveWithPlayerId(hand.playerId, hand.cards);
    if (btnStart) btnStart->setHidden(false);
}

void BankerTableView::playingWithInterval(int8_t, const std::vector<BankerHand>&) {
    setIsGameEnd(false);
    UIController::startOKDlg(text("ZUNO_playingBoard"));
    createBottomMenu(5);
}

// ---- life

void BankerTableView::viewDidLoad() {
    GameCardView::viewDidLoad();
    bankerlayout::placeSeats(*this);
    for (int seat = 0; seat < kSeats; ++seat) {
        auto label = std::make_shared<ui::Label>(stakeFrame(seat));
        label->setBackgroundColor(ui::Color::clear());
        if (lblMoney0) label->setTextColor(lblMoney0->textColor());
        label->setFont(ui::Font::boldSystemFontOfSize(15));
        // Mine lines up under my name and money.
        label->setTextAlignment(seat == 0 ? ui::TextAlignment::Left : ui::TextAlignment::Center);
        label->setHidden(true);
        stakeLabels_[static_cast<size_t>(seat)] = label;
    }
}

void BankerTableView::viewWillAppear(bool animated) {
    GameCardView::viewWillAppear(animated);
    for (size_t seat = 0; seat < stakeLabels_.size(); ++seat) {
        const auto& label = stakeLabels_[seat];
        if (!label || label->superview()) continue;
        view()->insertSubview(label, std::min(kFirstStakeIndex + seat, view()->subviews().size()));
    }
    if (progressTimer) view()->bringSubviewToFront(progressTimer.get());
}

void BankerTableView::viewWillDisappear(bool animated) {
    GameCardView::viewWillDisappear(animated);
    sys::RunLoop::main().cancel(dealTimer_);
    dealTimer_ = 0;
    for (const auto& label : stakeLabels_)
        if (label) label->removeFromSuperview();
}

void BankerTableView::resetView() {
    GameCardView::resetView();
    removeCardSprites();
    for (const auto& label : stakeLabels_)
        if (label) label->setText("");
}

}  // namespace zuno
