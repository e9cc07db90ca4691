// The seats of the four-seat card tables: who is drawn where, joins, leaves, ready marks, the stake and
// money changes. The games add their own steps around these.
#include "lobby/GlobalService.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "table/GameCardView.h"
#include "table/TienLenPlayer.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

constexpr double kCoinSoundPause = 1.5;
constexpr double kReadyOfferDelay = 0.1;
}  // namespace

PlayerPtr GameCardView::asSeatPlayer(const PlayerPtr& player) const {
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

void GameCardView::refreshInviteMarks() {
    if (isGameEnd()) setInvatingOnChair();
    else unSetInvatingOnChair();
}

void GameCardView::placeSeats() {
    table().seatPlayersFrom(UIController::myId());
    for (int seat = 0; seat < kSeats; ++seat) {
        PlayerPtr player = table().playerAtSeat(seat);
        if (player && player->IDDB() != -1) setSeatInfoWithSeat(seat, player);
        else unsetSeatInfoWithSeat(seat);
    }
}

void GameCardView::resetSeat() {
    view();
    for (int seat = 0; seat < kSeats; ++seat) unsetSeatInfoWithSeat(seat);
    placeSeats();
    refreshInviteMarks();
    for (const auto& player : players()) {
        if (!player || (!clearsGiftsOfEmptySeats() && player->IDDB() == -1)) continue;
        for (const auto& gift : player->gifts())
            if (gift) gift->removeFromSuperview();
        if (player->IDDB() != -1) addGiftOnBoardWithPlayer(player);
    }
}

void GameCardView::setSeatInfoWithSeat(int seat, const PlayerPtr& player) {
    if (seat < 0 || seat >= kSeats || !player) return;
    unsetSeatInfoWithSeat(seat);
    showSeatPlayer(seat, player);
    if (player->IDDB() == ownerID()) showMark(seat, "boss.png");
    else if (player->isReady()) showMark(seat, "ready.png");
}

void GameCardView::setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) {
    auto& seated = table().players;
    if (seat < 0 || static_cast<size_t>(seat) >= seated.size()) return;
    seated[static_cast<size_t>(seat)] = asSeatPlayer(joinPersonInfo);
}

void GameCardView::playerLeaveWithId(int32_t playerId) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_player_leave_board());
    for (const auto& player : players()) {
        if (!player || player->IDDB() != playerId) continue;
        emptySeatRecord(*player);
        if (auto seat = std::dynamic_pointer_cast<TienLenPlayer>(player)) seat->setCards({});
        break;
    }
    refreshInviteMarks();
}

void GameCardView::resetReady() {
    for (const auto& player : players())
        if (player) player->setIsReady(false);
    if (!isGameEnd()) return;
    sys::RunLoop::main().cancel(readyTimer_);
    std::weak_ptr<GameCardView> weak = std::static_pointer_cast<GameCardView>(shared_from_this());
    readyTimer_ = sys::RunLoop::main().postDelayed(kReadyOfferDelay, [weak] {
        auto self = weak.lock();
        if (!self) return;
        self->readyTimer_ = 0;
        self->setKindOfStart(self->kindAfterReadyReset());
        if (self->btnStart) self->btnStart->setHidden(false);
    });
}

void GameCardView::setReadyWithPlayerId(int32_t playerId, bool isReady) {
    Util::callRung();
    PlaySound::playSoundWithSource(isReady ? Resources::getInstance().com_ready()
                                           : Resources::getInstance().com_no_ready());
    const int32_t me = UIController::myId();
    if (playerId == me && mirrorsMyReady()) {
        if (PlayerPtr mine = UIController::myInfo()) mine->setIsReady(isReady);
    }
    for (const auto& player : players())
        if (player && player->IDDB() == playerId) player->setIsReady(isReady);
    if (playerId != me) return;
    setKindOfStart(isReady ? 2 : 1);
    if (btnStart) btnStart->setHidden(false);
}

void GameCardView::setMoneyOnBoard(int32_t stake) {
    resetCard(1);
    if (btnCuoc) btnCuoc->setTitle(Util::formatNumber(stake) + " " + text("ZUNO_win"));
    for (int seat = 0; seat < kSeats; ++seat) {
        PlayerPtr player = table().playerAtSeat(seat);
        if (!player || player->IDDB() == -1 || player->IDDB() == ownerID()) continue;
        player->setIsReady(false);
        if (auto mark = readyMark(seat)) mark->setHidden(true);
    }
    setKindOfStart(ownerID() == UIController::myId() ? 0 : 1);
}

void GameCardView::updateMoneyForPlayer(int32_t playerId, int32_t change) {
    if (playsCoinSound() && !waitToPlayNextSound) {
        PlaySound::playSoundWithSource(Resources::getInstance().com_trung_tien());
        waitToPlayNextSound = true;
        std::weak_ptr<GameCardView> weak = std::static_pointer_cast<GameCardView>(shared_from_this());
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

void GameCardView::kickPlayer(ui::Button* sender) {
    if (!sender) return;
    GlobalService::getInstance().kickWithRoomId(roomId(), boardId(), sender->tag());
    // Only a sheet on screen has anything to slide out.
    if (mnuAuto && mnuAuto->isViewLoaded() && mnuAuto->view()->superviewPointer()) mnuAuto->slideOut();
}

void GameCardView::cancelSeatTimers() {
    auto& loop = sys::RunLoop::main();
    for (auto* id : {&readyTimer_, &soundTimer_}) {
        loop.cancel(*id);
        *id = 0;
    }
    waitToPlayNextSound = false;
}

}  // namespace zuno
