#include "games/tienlen/TienLenView.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "games/tienlen/CardUtils.h"
#include "games/tienlen/TienLenHandLayout.h"
#include "games/tienlen/TienLenService.h"
#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "table/CardView.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// Adapts my seat's card sprites to what the automatic selection reads and raises.
class SpriteHand : public SelectableHand {
public:
    explicit SpriteHand(TienLenPlayer& player) : player_(player) {}
    std::vector<int8_t> cardIds() const override {
        std::vector<int8_t> ids;
        for (const auto& card : player_.cards()) ids.push_back(card->cardID);
        return ids;
    }
    std::vector<int8_t> getSelectedCardsValue() const override { return player_.getSelectedCardsValue(); }
    void unSelectAllCards() override { player_.unSelectAllCards(); }
    void selectCardAt(int position) override {
        auto& cards = player_.cards();
        if (position < 0 || static_cast<size_t>(position) >= cards.size()) return;
        if (!cards[static_cast<size_t>(position)]->isSelected) cards[static_cast<size_t>(position)]->setSelected();
    }

private:
    TienLenPlayer& player_;
};

// The cards played lie across the table's middle, a hand shown at the end thirteen wide: my bubble shows
// below them, each side seat's between its avatar and them, and the top seat's under its names, where
// the table's notices show too (the two take turns there or lie side by side). No bubble reaches over
// another's place, a seat's name or money, the stake or the corner's buttons.
TableDecorationGeometry tienLenDecorations() {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    g.bubblePadding = 20;
    g.bubbleCentres[0] = {240, 172};  // between the cards played and a raised card of mine
    // The band between the row of cards played (to y 154) and a raised card of mine (from y 189).
    const ui::Rect belowCards(90, 155, 306, 34), belowTopSeat(130, 48, 226, 44);
    const ui::Rect rightOfLeftSeat(52, 94, 92, 56), leftOfRightSeat(336, 94, 92, 56);
    g.bubbleAreas = {belowCards, leftOfRightSeat, belowTopSeat, rightOfLeftSeat, belowTopSeat};
    g.bubbleCentres[1] = leftOfRightSeat.center();
    g.bubbleCentres[2] = g.bubbleCentres[TableDecorations::kCentre] = belowTopSeat.center();
    g.bubbleCentres[3] = rightOfLeftSeat.center();
    // My hand from the top of a raised card down to the window's bottom.
    using namespace tienlenhand;
    const double raisedTop = kRaisedY - CardView::kHeight / 2;
    g.myHand = ui::Rect(kHandLeft, raisedTop, 480 - kHandLeft - kHandRight, 320 - raisedTop);
    // A fly-text runs between the seat, where no text lies, and its own point in the middle: over my
    // avatar and the top seat's, beside a side seat's towards the middle (at the screen's edge it would
    // run off the screen, over the avatar it could not be read), above the bubbles.
    g.flyTextPoints = {ui::Point{48, 228}, {384, 96}, {192, 26}, {96, 96}};
    g.flyTextInner = {ui::Point{240, 190}, {330, 150}, {240, 110}, {150, 150}};
    return g;
}
}  // namespace

const ui::BindingTable& TienLenView::bindings() {
    using B = ui::Bind<TienLenView>;
    static const ui::BindingTable table(
        &GameCardView::bindings(),
        {B::action("clickStartGame", &TienLenView::clickStartGame),
         B::action("clickAutomaticSelectedCards", &TienLenView::clickAutomaticSelectedCards)});
    return table;
}

TienLenView::TienLenView(std::string nibName) : GameCardView(std::move(nibName), tienLenDecorations()) {}

TienLenView::~TienLenView() { cancelTimers(); }

void TienLenView::cancelTimers() {
    auto& loop = sys::RunLoop::main();
    loop.cancel(dealTimer_);
    dealTimer_ = 0;
    cancelSeatTimers();
}

void TienLenView::viewWillDisappear(bool animated) {
    GameCardView::viewWillDisappear(animated);
    cancelTimers();
}

std::weak_ptr<TienLenView> TienLenView::weakSelf() {
    return std::static_pointer_cast<TienLenView>(shared_from_this());
}

int TienLenView::myId() const { return UIController::myId(); }

TienLenPlayerPtr TienLenView::myPlayer() const {
    return std::dynamic_pointer_cast<TienLenPlayer>(table().me());
}

TienLenView::Cards TienLenView::myCards() const {
    auto me = myPlayer();
    return me ? me->cards() : Cards{};
}

TienLenView::CardIds TienLenView::myCardIds() const {
    CardIds ids;
    for (const auto& card : myCards()) ids.push_back(card->cardID);
    return ids;
}

// ---- the rules of the southern game

void TienLenView::sortIds(std::span<int8_t> ids) const { CardUtils::sort(ids); }
int8_t TienLenView::typeOf(std::span<const int8_t> ids) const { return CardUtils::getType(ids); }
bool TienLenView::beats(std::span<const int8_t> mine, int8_t myType, std::span<const int8_t> onTable,
                        int8_t tableType) const {
    return CardUtils::available(mine, myType, onTable, tableType);
}
void TienLenView::autoSelect(std::span<const int8_t> onTable, SelectableHand& hand) const {
    CardUtils::autoSelect(onTable, hand);
}
TienLenService& TienLenView::service() const { return TienLenService::getInstance(); }

// ---- the start button

void TienLenView::setKindOfStart(int kind) {
    static const char* const keys[] = {"ZUNO_start", "ZUNO_ready", "ZUNO_noReady",
                                       "ZUNO_fire",  "ZUNO_skip",  "ZUNO_continuee"};
    if (kind >= kStart && kind <= kContinue && btnStart) {
        tablebar::showRole(*btnStart, keys[kind]);
        if (lblStart) lblStart->setText(text(keys[kind]));
    }
    refreshTurnActions();
    GameCardView::setKindOfStart(kind);
}

void TienLenView::createBottomMenu(int menu) {
    if (btnStart) btnStart->setHidden(false);
    bool autoShown = true;
    switch (menu) {
        case 1: setKindOfStart(kStart); break;
        case 2: setKindOfStart(kReady); autoShown = false; break;
        case 3: setKindOfStart(kSkip); break;
        case 4: setKindOfStart(kContinue); autoShown = false; break;
        default: break;
    }
    if (btnAutoSelected) btnAutoSelected->setHidden(!autoShown);
}

void TienLenView::clickStartGame() {
    GameCardView::clickStartGame();
    if (!btnStart) return;
    const std::string title = btnStart->titleForState(ui::ControlState::Normal).value_or("");
    if (title == text("ZUNO_fire")) {
        fireMyCards();
    } else if (title == text("ZUNO_skip") && !leads()) {
        doSkip();
    }
}

void TienLenView::doStartGame() {
    int ready = 0, notReady = 0;
    for (const auto& player : players()) {
        if (!player || player->IDDB() == -1 || player->IDDB() == myId()) continue;
        (player->isReady() ? ready : notReady) += 1;
    }
    if (ready == 0 || notReady != 0) return;
    PlayerPtr me = UIController::myInfo();
    if (me && me->money() >= money()) {
        GlobalService::getInstance().startGameWithRoomId(roomId(), boardId());
    } else {
        char line[256];
        std::snprintf(line, sizeof line, "%s", text("ZUNO_koDuTienCuoc").c_str());
        UIController::startOKDlg(line);
    }
}

void TienLenView::clickAutomaticSelectedCards() {
    GameCardView::clickAutomaticSelectedCards();
    const std::string title = btnAutoSelected ? btnAutoSelected->titleForState(ui::ControlState::Normal).value_or("") : "";
    if (title == text("ZUNO_autoselect")) {
        if (auto me = myPlayer()) {
            SpriteHand hand(*me);
            autoSelect(tableSetAscending(), hand);
        }
    } else {
        clickConfig();
    }
}

// ---- my selection

bool TienLenView::checkValidSelectedCards() {
    auto me = myPlayer();
    selectedCards = me ? me->getSelectedCardsValue() : CardIds{};
    CardIds sorted = selectedCards;
    sortIds(sorted);
    selectedCardsType = sorted.empty() ? -1 : typeOf(sorted);
    if (!sorted.empty() && selectedCardsType != -1) {
        setKindOfStart(kFire);
        return true;
    }
    setKindOfStart(kSkip);
    return false;
}

// Fire and pass are offered on my turn only (a card chosen while another plays shows fire, dimmed), and
// whoever leads must play: no pass then.
void TienLenView::refreshTurnActions() {
    if (!btnStart) return;
    const std::string title = btnStart->titleForState(ui::ControlState::Normal).value_or("");
    const bool fire = title == text("ZUNO_fire"), skip = title == text("ZUNO_skip");
    const bool myTurn = isStartGame() && currentPlayer() == myId();
    tablebar::setUsable(*btnStart, !(fire || skip) || (myTurn && !(skip && leads())));
}

bool TienLenView::leads() const {
    return isStartGame() && currentPlayer() == myId() && currentCards.empty();
}

TienLenView::CardIds TienLenView::tableSetAscending() const {
    CardIds ids = currentCardsValue;
    sortIds(ids);
    return ids;
}

bool TienLenView::isAvailableFiredCards() {
    auto me = myPlayer();
    selectedCards = me ? me->getSelectedCardsValue() : CardIds{};
    CardIds sorted = selectedCards;
    sortIds(sorted);
    if (forceMove3Bich) {
        if (std::find(sorted.begin(), sorted.end(), 0) == sorted.end()) {
            showChatWithSeat(kCentre, text("ZUNO_youMustFire3Bich"));
            return false;
        }
        forceMove3Bich = false;
    }
    if (currentCards.empty()) return true;
    if (!beats(sorted, typeOf(sorted), tableSetAscending(), currentCardsType)) {
        showChatWithSeat(kCentre, text("ZUNO_notSameOrSmaller"));
        return false;
    }
    return true;
}

bool TienLenView::fireMyCards() {
    if (!isAvailableFiredCards()) return false;
    // The ids go out in the hand's order.
    service().moveWithRoomId(roomId(), boardId(), selectedCards);
    return true;
}

// ---- the deal and the turns

void TienLenView::startTurn(int32_t userId) {
    if (interval() == 0) setInterval(20);
    startTurnOfPlayer(userId);
}

void TienLenView::startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t seconds, const CardIds& dealt) {
    view();
    Util::callRung();
    indexCard = 0;
    posXCard = offsetLeft;
    setIsStartGame(true);
    setIsGameEnd(false);
    forceMove3Bich = false;
    endPoint = kDefaultEndPoint;
    const int32_t me = myId();
    if (isFirstMatch_ && whoMoveFirst == me)
        forceMove3Bich = std::find(dealt.begin(), dealt.end(), 0) != dealt.end();
    createBottomMenu(whoMoveFirst == me ? 3 : 0);
    myCardsInGame.clear();
    cardShows.clear();
    currentCards.clear();
    currentCardsValue.clear();
    currentCardsType = -1;
    Cards mine;
    const auto self = std::dynamic_pointer_cast<CardTableDelegate>(shared_from_this());
    for (int8_t id : dealt) {
        mine.push_back(std::make_shared<CardView>(id));
        mine.back()->delegate = self;
    }
    sortWithCards(mine);
    for (const auto& player : players()) {
        player->setFinishPosition(-1);
        auto seatPlayer = std::dynamic_pointer_cast<TienLenPlayer>(player);
        if (!seatPlayer) continue;
        if (player->IDDB() == me) {
            seatPlayer->setCards(mine);
        } else {
            Cards backs;
            for (int i = 0; i < 13; ++i) backs.push_back(std::make_shared<CardView>(-1));
            seatPlayer->setCards(std::move(backs));
        }
    }
    placeSeats();
    showOKImageWithMode(false);
    setInterval(seconds);
    focusedCardIndex = 0;
    myCardsInGame = mine;
    paintMyCards(mine, true, false);
    startTurnOfPlayer(whoMoveFirst);
    animationBoard();
    setAutoSelectedRole("ZUNO_autoselect");
    if (btnNapWin) btnNapWin->setHidden(true);
    refreshTurnActions();
}

void TienLenView::moveWithPlayerId(int32_t playerId, const CardIds& movedCards, int32_t nextMove) {
    forceMove3Bich = false;
    const int32_t me = myId();
    if (playerId == me) {
        auto mine = myPlayer();
        if (mine) {
            selectedCards = mine->getSelectedCardsValue();
            mine->removeCards(movedCards, static_cast<int>(movedCards.size()));
            focusedCardIndex = 0;
            paintMyCards(mine->cards(), false, false);
        }
        setCurrentCardsWithCardIDs(movedCards, 0);
        currentCardsValue.clear();
    } else {
        const int seat = seatOfPlayer(playerId);
        if (seat < kSeats) setCurrentCardsWithCardIDs(movedCards, seat);
    }
    setCurrentPlayer(nextMove);
    if (nextMove == me) {
        Util::callRung();
        checkValidSelectedCards();
        if (btnStart) btnStart->setHidden(false);
    } else if (btnStart) {
        btnStart->setHidden(true);
    }
    startTurn(nextMove);
}

void TienLenView::setCurrentCardsWithCardIDs(const CardIds& ids, int seat) {
    for (const auto& card : currentCards) card->removeFromSuperview();
    currentCards.clear();
    isFlying = true;
    currentCardsValue = ids;
    for (int8_t id : ids) currentCards.push_back(std::make_shared<CardView>(id));
    CardIds sorted = ids;
    sortIds(sorted);  // the type tests read ascending sets; the wire does not promise the order
    currentCardsType = typeOf(sorted);
    animateFiredCards(currentCards, seat);
    endPoint = kDefaultEndPoint;
}

void TienLenView::skipWithWho(int32_t who, int32_t nextMove, bool isClearCurrentCards) {
    const int32_t me = myId();
    int seat = kCentre;
    if (who == me) {
        paintMyCards(myCards(), false, true);
        seat = 0;
    } else {
        seat = seatOfPlayer(who);
    }
    showMarkWithSeat(seat, text(getPlayerNameFromID(who).empty() ? "ZUNO_exitBoard" : "ZUNO_skip"));
    setCurrentPlayer(nextMove);
    if (isClearCurrentCards) {
        removeTableCards();
        currentCardsType = -1;
    }
    if (nextMove == me) {
        Util::callRung();
        auto mine = myPlayer();
        setKindOfStart(mine && !mine->getSelectedCardsValue().empty() ? kFire : kSkip);
        if (btnStart) btnStart->setHidden(false);
    } else if (btnStart) {
        btnStart->setHidden(true);
    }
    startTurn(nextMove);
}

void TienLenView::finishWithWho(int32_t who, int8_t finishPosition, int32_t, int32_t exp) {
    Util::callRung();
    const int seat = seatOfPlayer(who);
    if (seat < kSeats) {
        PlayerPtr player = table().playerAtSeat(seat);
        player->setFinishPosition(finishPosition);
        player->setIsReady(false);
        player->setExp(static_cast<int32_t>(std::clamp<int64_t>(int64_t{player->exp()} + exp, 0, INT32_MAX)));
        setSeatInfoWithSeat(seat, player);
        showMark(seat, sys::format("p%d.png", finishPosition));
    }
    showChatWithSeat(seat, text("ZUNO_goad") + " " + std::to_string(finishPosition + 1));
}

void TienLenView::stopGame() {
    Util::callRung();
    createBottomMenu(4);
    stopTurnClock();
    takeDownRoundMarks();
    setIsStartGame(false);
    setIsGameEnd(true);
    if (PlayerPtr me = table().me()) me->setIsReady(ownerID() == myId());
    if (progressTimer) progressTimer->setHidden(true);
    setAutoSelectedRole("ZUNO_option");
    animationBoard();
    if (btnNapWin) btnNapWin->setHidden(false);
}

void TienLenView::showCardsWithWho(int32_t who, const CardIds& cards, int cardCount) {
    CardIds ids(cards.begin(), cards.begin() + std::clamp<int>(cardCount, 0, static_cast<int>(cards.size())));
    sortIds(ids);
    cardShows.clear();
    for (int8_t id : ids) cardShows.push_back(std::make_shared<CardView>(id));
    if (who == myId()) {
        removeCardSprites([&](const CardView& card) {
            return card.cardID >= 0 && std::find(ids.begin(), ids.end(), card.cardID) != ids.end();
        });
    }
    // Every seat is searched: at a two-player table the opponent sits at seat 2.
    const int seat = seatOfPlayer(who);
    if (seat >= kSeats) return;
    if (auto player = std::dynamic_pointer_cast<TienLenPlayer>(table().playerAtSeat(seat))) player->setCards({});
    animateEndedCards(cardShows, seat);
}

void TienLenView::moveErrorWithInfo(const std::string& info) {
    Util::callRung();
    setCurrentPlayer(myId());
    showChatWithSeat(0, info);
}

void TienLenView::resetCard(int mode) {
    showOKImageWithMode(true);
    createBottomMenu(ownerID() == myId() ? 1 : 2);
    if (mode) removeCardSprites([](const CardView&) { return true; });
    for (const auto& position : {imgPosition1, imgPosition2, imgPosition3, imgPosition4}) {
        if (position) position->setImage(nullptr);
    }
    currentCards.clear();
    currentCardsType = -1;
    focusedCardIndex = -1;
    selectedCards.clear();
    selectedCardsType = -1;
    cardShows.clear();
    if (auto me = myPlayer()) me->setCards({});
}

void TienLenView::removeCardSprites(const std::function<bool(const CardView&)>& which) {
    if (!isViewLoaded()) return;
    std::vector<std::shared_ptr<ui::View>> doomed;
    for (const auto& subview : view()->subviews()) {
        auto card = std::dynamic_pointer_cast<CardView>(subview);
        if (card && which(*card)) doomed.push_back(subview);
    }
    for (const auto& card : doomed) card->removeFromSuperview();
}

void TienLenView::removeTableCards() {
    for (const auto& card : currentCards) card->removeFromSuperview();
    currentCards.clear();
}

void TienLenView::viewDidLoad() {
    GameCardView::viewDidLoad();
    offsetLeft = tienlenhand::kHandLeft;
    offsetRight = tienlenhand::kHandRight;
    availableScreenWidth = 480 - offsetLeft - offsetRight;
    selectedCards.clear();
    waitToPlayNextSound = false;
}

void TienLenView::resetView() {
    GameCardView::resetView();
    currentCardsValue.clear();
    currentCards.clear();
    cardShows.clear();
    selectedCards.clear();
}

ZUNO_REGISTER_SCREEN(TienLenView)

}  // namespace zuno
