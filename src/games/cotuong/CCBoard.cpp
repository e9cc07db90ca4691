#include "games/cotuong/CCBoard.h"

#include <algorithm>

#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/Touch.h"
#include "shell/PlaySound.h"

namespace zuno {

namespace {
constexpr double kHeldScale = 1.2;
constexpr double kSoundDelay = 0.3;
constexpr double kCheckDelay = 0.4;
constexpr double kMoveSeconds = 0.3;
// The moving piece's centre, animated beside the view's own properties.
constexpr int kMovingCentre = 100;

ui::Rect around(CoTuongPoint centre, double size) {
    return {centre.x - size / 2, centre.y - size / 2, size, size};
}

void drawNamed(ui::Canvas& canvas, const std::string& name, const ui::Rect& into) {
    if (auto image = ui::Image::imageNamed(name)) canvas.drawImage(*image, into);
}
}  // namespace

ui::Rect CCBoard::pieceFrame(CoTuongPoint centre) { return around(centre, kPieceDrawnSize); }

CCBoard::CCBoard() : ui::View(ui::Rect(77, 0, 326, 320)) { setUserInteractionEnabled(true); }

CCBoard::~CCBoard() { stopSounds(); }

void CCBoard::newGame(const std::string& red, const std::string& black, const std::string& viewerLowerName,
                      bool flipped) {
    model_.newGame(red, black, viewerLowerName);
    model_.setFlipped(flipped);
    stopSliding();
    hints_.clear();
    stillMoved_.reset();
    lastMoved_.reset();
    empty_ = false;
    setNeedsDisplay();
}

void CCBoard::clear() {
    stopSliding();
    hints_.clear();
    stillMoved_.reset();
    lastMoved_.reset();
    empty_ = true;
    setNeedsDisplay();
}

void CCBoard::moveWithWireSquares(int8_t from, int8_t to, bool gameRuns) {
    if (empty_) return;
    hints_.clear();
    std::optional<CoTuongPoint> left;
    {
        CoTuongPoint f = CoTuongUtils::convertPointWithValue(from);
        if (model_.flipped()) f = {8 - f.x, 9 - f.y};
        if (f.x >= 0 && f.x <= 8 && f.y >= 0 && f.y <= 9) left = Piece::convertPoint(int(f.x), 9 - int(f.y));
    }
    const CoTuongShownMove shown = model_.moveWithWireSquares(from, to);
    setNeedsDisplay();
    if (!shown.piece) return;
    slide(shown, left);
    if (shown.captured) {
        if (gameRuns) playLater(kSoundDelay, PlaySound::playSoundEat);
    } else {
        playLater(kSoundDelay, PlaySound::playSoundMove);
    }
    if (shown.givesCheck && gameRuns) playLater(kCheckDelay, PlaySound::playSoundChieuTuog);
}

void CCBoard::playLater(double seconds, void (*play)()) {
    auto& loop = sys::RunLoop::main();
    std::erase_if(sounds_, [&loop](sys::RunLoop::TimerId id) { return !loop.isScheduled(id); });
    sounds_.push_back(loop.postDelayed(seconds, play));
}

void CCBoard::stopSounds() {
    for (auto id : sounds_) sys::RunLoop::main().cancel(id);
    sounds_.clear();
}

// The piece slides from the square it left in 0.3 s; the piece it takes and the last move's marks
// show once it arrives.
void CCBoard::slide(const CoTuongShownMove& shown, std::optional<CoTuongPoint> left) {
    auto& animator = ui::Animator::shared();
    animator.removeAnimations(this);
    stillMoved_.reset();
    lastMoved_.reset();
    moving_ = shown.piece;
    taken_ = shown.captured;
    std::weak_ptr<ui::Responder> self = weak_from_this();
    auto arrived = [this, self, piece = shown.piece, left](bool) {
        if (self.expired() || moving_ != piece) return;
        taken_.reset();
        stillMoved_ = left;
        lastMoved_ = piece;
        setNeedsDisplay();
    };
    if (!left) return arrived(true);
    animator.animate(kMoveSeconds, 0, ui::AnimationOption::AllowUserInteraction, [&] {
        animator.propertyWillChange(this, kMovingCentre, ui::AnimatedValue(*left), ui::AnimatedValue(shown.piece->location()));
    }, arrived);
}

CoTuongPoint CCBoard::drawnCentre(const Piece& piece) const {
    if (&piece != moving_.get()) return piece.location();
    return ui::Animator::shared().presented<ui::Point>(this, kMovingCentre, piece.location());
}

void CCBoard::stopSliding() {
    moving_.reset();
    taken_.reset();
    ui::Animator::shared().removeAnimations(this);
}

void CCBoard::tapAt(ui::Point p) {
    if (empty_) return;
    const CoTuongTap tap = model_.touchesEnded({float(p.x), float(p.y)}, isMyTurn && isMyTurn());
    if (tap.refused) return;
    hints_ = tap.hints;
    if (onHoldChanged) onHoldChanged();
    if (tap.pickedUp) PlaySound::playSoundClick();
    if (tap.move && onMove) onMove(*tap.move);
    setNeedsDisplay();
}

void CCBoard::touchesEnded(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty()) return;
    tapAt(touches.front()->locationInView(this));
}

template <class Visit>
void CCBoard::forEachPieceUnderHeld(Visit visit) const {
    const Piece* held = model_.isPieceSelected() ? model_.selectedPiece().get() : nullptr;
    if (taken_) visit(*taken_, pieceFrame(taken_->location()));
    for (const auto& piece : model_.getAllPieces()) {
        if (piece.get() == held || piece == moving_) continue;
        visit(*piece, pieceFrame(piece->location()));
    }
    if (moving_ && moving_->team() && moving_.get() != held) visit(*moving_, pieceFrame(drawnCentre(*moving_)));
}

void CCBoard::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    drawNamed(canvas, "board-chess.png", {0, 0, bounds().width(), bounds().height()});
    if (empty_) return;
    if (stillMoved_) drawNamed(canvas, "border-still-moved.png", around(*stillMoved_, 24));
    forEachPieceUnderHeld([&](const Piece& piece, const ui::Rect& frame) { drawNamed(canvas, piece.name() + ".png", frame); });
    if (lastMoved_ && lastMoved_->team()) drawNamed(canvas, "border-moved.png", around(lastMoved_->location(), 30));
    for (const auto& hint : hints_) drawNamed(canvas, "border-detech-eat.png", hintFrame(hint));
    // The held piece lies above the others, grown.
    if (auto frame = heldPieceFrame()) drawNamed(canvas, model_.selectedPiece()->name() + ".png", *frame);
}

std::vector<ui::Rect> CCBoard::playFrames() const {
    std::vector<ui::Rect> frames;
    if (empty_) return frames;
    forEachPieceUnderHeld([&frames](const Piece&, const ui::Rect& frame) { frames.push_back(frame); });
    if (auto frame = heldPieceFrame()) frames.push_back(*frame);
    for (const auto& hint : hints_) frames.push_back(hintFrame(hint));
    if (moving_ && moving_->team()) {
        const ui::Rect resting = pieceFrame(moving_->location());
        if (std::find(frames.begin(), frames.end(), resting) == frames.end()) frames.push_back(resting);
    }
    return frames;
}

ui::Rect CCBoard::hintFrame(const CoTuongSquare& hint) { return around(Piece::convertPoint(hint.x, hint.y), 22); }

std::optional<ui::Rect> CCBoard::heldPieceFrame() const {
    if (empty_ || !model_.isPieceSelected() || !model_.selectedPiece()) return std::nullopt;
    const ui::Rect grown = around(model_.selectedPiece()->location(), kPieceDrawnSize * kHeldScale);
    // A piece of the first or last row grows inwards, no nearer the screen's edge than the row's pieces.
    const double edge = kRankStep / 2 - kPieceDrawnSize / 2;
    const double y = std::clamp(grown.y(), edge, bounds().height() - edge - grown.height());
    return ui::Rect(grown.x(), y, grown.width(), grown.height());
}

}  // namespace zuno
