// The seats of the Tien Len table: who is drawn where, joins, leaves, ready marks, the owner, the stake
// and money changes.
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Image.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// The table keeps its own seat players, which hold their hands.
PlayerPtr asSeatPlayer(const PlayerPtr& player) {
    if (!player) {
        auto empty = std::make_shared<TienLenPlayer>();
        empty->setIDDB(-1);
        return empty;
    }
    if (std::dynamic_pointer_cast<TienLenPlayer>(player)) return player;
    auto seated = std::make_shared<TienLenPlayer>();
    static_cast<Player&>(*seated) = *player;
    return seated;
}

constexpr double kCoinSoundPause = 1.5;
}  // namespace

int TienLenView::seatOfPlayer(int32_t userId) const {
    const int seat = getSeatFromID(userId);
    return seat < 0 ? kCentre : seat;
}

void TienLenView::setupPlayersWithRoom(int8_t room, int8_t board, int32_t ownerId, int32_t stake,
                                       std::vector<PlayerPtr> seated) {
    for (auto& player : seated) player = asSeatPlayer(player);
    GameCardView::setupPlayersWithRoom(room, board, ownerId, stake, std::move(seated));
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    setOwnerWithNewOwner(ownerId);
    cardShows.clear();
    if (isGameEnd()) setInvatingOnChair();
    else unSetInvatingOnChair();
}

void TienLenView::placeSeats() {
    table().seatPlayersFrom(myId());
    int occupied = 0;
    for (const auto& player : players()) occupied += player && player->IDDB() != -1;
    for (int seat = 0; seat < kSeats; ++seat) {
        PlayerPtr player = table().playerAtSeat(seat);
        if (player && player->IDDB() != -1) setSeatInfoWithSeat(seat, player);
        else unsetSeatInfoWithSeat(seat);
    }
    if (occupied != 2) return;
    // The single opponent always faces me.
    auto& order = table().seats;
    if (!table().isSeatEmpty(1)) {
        std::swap(order[1], order[2]);
        unsetSeatInfoWithSeat(1);
    } else if (!table().isSeatEmpty(3)) {
        std::swap(order[2], order[3]);
        unsetSeatInfoWithSeat(3);
    }
    setSeatInfoWithSeat(2, table().playerAtSeat(2));
}

void TienLenView::resetSeat() {
    view();
    for (int seat = 0; seat < kSeats; ++seat) unsetSeatInfoWithSeat(seat);
    placeSeats();
    if (isGameEnd()) setInvatingOnChair();
    else unSetInvatingOnChair();
    for (const auto& player : players()) {
        if (!player || (isNorthern() && player->IDDB() == -1)) continue;
        for (const auto& gift : player->gifts())
            if (gift) gift->removeFromSuperview();
        if (player->IDDB() != -1) addGiftOnBoardWithPlayer(player);
    }
}

void TienLenView::setSeatInfoWithSeat(int seat, const PlayerPtr& player) {
    if (seat < 0 || seat >= kSeats || !player) return;
    unsetSeatInfoWithSeat(seat);
    showSeatPlayer(seat, player);
    if (player->IDDB() == ownerID()) showMark(seat, "boss.png");
    else if (player->isReady()) showMark(seat, "ready.png");
    if (player->IDDB() == currentPlayer() && progressTimer) {
        static constexpr ui::Point kBarCentres[] = {{240, 182}, {432, 84}, {240, 84}, {46, 100}};
        progressTimer->setCenter(kBarCentres[seat]);
    }
}

void TienLenView::unsetSeatInfoWithSeat(int seat) {
    clearSeatPlayer(seat);
    if (seat == 2 && ava2) ava2->setImage(nullptr);
}

void TienLenView::setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) {
    auto& seated = table().players;
    if (seat < 0 || static_cast<size_t>(seat) >= seated.size()) return;
    seated[static_cast<size_t>(seat)] = asSeatPlayer(joinPersonInfo);
}

void TienLenView::playerLeaveWithId(int32_t playerId) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_leave_board());
    for (const auto& player : players()) {
        if (!player || player->IDDB() != playerId) continue;
        emptySeatRecord(*player);
        if (auto seat = std::dynamic_pointer_cast<TienLenPlayer>(player)) seat->setCards({});
        break;
    }
    if (isGameEnd()) setInvatingOnChair();
    else unSetInvatingOnChair();
}

void TienLenView::resetReady() {
    for (const auto& player : players()) player->setIsReady(false);
    if (!isGameEnd()) return;
    sys::RunLoop::main().cancel(readyTimer_);
    auto weak = weakSelf();
    readyTimer_ = sys::RunLoop::main().postDelayed(0.1, [weak] {
        auto self = weak.lock();
        if (!self) return;
        self->readyTimer_ = 0;
        self->setKindOfStart(kReady);
        if (self->btnStart) self->btnStart->setHidden(false);
    });
}

void TienLenView::setReadyWithPlayerId(int32_t playerId, bool isReady) {
    Util::callRung();
    PlaySound::playSoundWithSource(isReady ? Resources::getInstance().com_ready() : Resources::getInstance().com_no_ready());
    if (playerId == myId() && isNorthern()) {
        if (PlayerPtr me = UIController::myInfo()) me->setIsReady(isReady);
    }
    for (const auto& player : players())
        if (player->IDDB() == playerId) player->setIsReady(isReady);
    if (playerId != myId()) return;
    setKindOfStart(isReady ? kNotReady : kReady);
    if (btnStart) btnStart->setHidden(false);
}

void TienLenView::setOwnerWithNewOwner(int32_t ownerId) {
    setOwnerID(ownerId);
    for (const auto& player : players())
        if (player->IDDB() == ownerId) player->setIsReady(true);
    if (isGameEnd()) createBottomMenu(ownerId == myId() ? 1 : 2);
    GameCardView::setOwnerWithNewOwner(ownerId);
}

void TienLenView::setMoneyOnBoard(int32_t stake) {
    resetCard(1);
    if (btnCuoc) btnCuoc->setTitle(Util::formatNumber(stake) + " " + text("ZUNO_win"));
    for (int seat = 0; seat < kSeats; ++seat) {
        PlayerPtr player = table().playerAtSeat(seat);
        if (!player || player->IDDB() == -1 || player->IDDB() == ownerID()) continue;
        player->setIsReady(false);
        if (auto mark = readyMark(seat)) mark->setHidden(true);
    }
    setKindOfStart(ownerID() == myId() ? kStart : kReady);
}

void TienLenView::updateMoneyForPlayer(int32_t playerId, int32_t change) {
    if (!waitToPlayNextSound) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_trung_tien());
        waitToPlayNextSound = true;
        auto weak = weakSelf();
        soundTimer_ = sys::RunLoop::main().postDelayed(kCoinSoundPause, [weak] {
            if (auto self = weak.lock()) {
                self->soundTimer_ = 0;
                self->waitToPlayNextSound = false;
            }
        });
    }
    const int seat = getSeatFromID(playerId);
    if (seat < 0) return;
    PlayerPtr player = table().playerAtSeat(seat);
    player->addMoney(change);
    setSeatInfoWithSeat(seat, player);
}

void TienLenView::kickPlayer(ui::Button* sender) {
    if (!sender) return;
    GlobalService::getInstance().kickWithRoomId(roomId(), boardId(), sender->tag());
    // Only a sheet on screen has anything to slide out.
    if (mnuAuto && mnuAuto->isViewLoaded() && mnuAuto->view()->superviewPointer()) mnuAuto->slideOut();
}

}  // namespace zuno
