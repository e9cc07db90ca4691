#include "games/covua/PieceView.h"

#include <string>

#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Image.h"
#include "shell/PlaySound.h"

namespace zuno {

namespace {
constexpr double kSize = 30;
constexpr double kRaise = 10;
constexpr double kMoveSeconds = 0.5;
constexpr double kBlinkStepSeconds = 0.3;
constexpr double kBlinkPeriodSeconds = 0.5;
}  // namespace

ui::Point PieceView::restingCentre(CoVuaSquare square) {
    return CoVuaCodes::pieceCentre(square) - CoVuaCodes::boardOrigin();
}

PieceView::PieceView(int8_t chessId)
    : ui::ImageView(ui::Image::imageNamed(sys::format("qc_%d.png", int(chessId)))),
      chessId_(chessId),
      isColor_(chessId > 20) {
    sys::Log::format("initWithChessID %d", int(chessId));
    setFrame({0, 0, kSize, kSize});
}

PieceView::~PieceView() { sys::RunLoop::main().cancel(blink_); }

void PieceView::place(int row, int col) {
    oldCenter_ = restingCentre({row, col});
    newCenter_ = {oldCenter_.x, oldCenter_.y - kRaise};
    X_ = row;
    Y_ = col;
}

void PieceView::setXY(int row, int col) {
    place(row, col);
    setCenter(oldCenter_);
}

void PieceView::moveTo(int row, int col) {
    place(row, col);
    isUp_ = false;
    const ui::Point to = oldCenter_;
    ui::View::animate(kMoveSeconds, [this, to] { setCenter(to); });
    PlaySound::playSoundMove();
}

void PieceView::setSelected() {
    isSelected_ = true;
    isUp_ = true;
    chance();
    PlaySound::playSoundClick();
}

void PieceView::unSetSelected() {
    isSelected_ = false;
    chance();
}

void PieceView::chance() {
    auto& loop = sys::RunLoop::main();
    loop.cancel(blink_);
    blink_ = 0;
    if (!isSelected_) {
        isUp_ = false;
        ui::View::animate(kBlinkStepSeconds, [this] { setCenter(oldCenter_); });
        return;
    }
    bob();
    blink_ = loop.scheduleRepeating(kBlinkPeriodSeconds, [this] { bob(); });
}

void PieceView::bob() {
    const ui::Point to = isUp_ ? oldCenter_ : newCenter_;
    isUp_ = !isUp_;
    ui::View::animate(kBlinkStepSeconds, [this, to] { setCenter(to); });
}

CellEffect::CellEffect(Kind kind, int row, int col) : kind_(kind) {
    const char* name = "ov.png";
    switch (kind) {
        case Kind::Target: name = "ov.png"; break;
        case Kind::Selected: name = "covua-selected.png"; break;
        case Kind::LastMove: name = "covua-last-move.png"; break;
        case Kind::Check: name = "covua-check.png"; break;
    }
    setImage(ui::Image::imageNamed(name));
    setFrame({0, 0, kSize, kSize});
    setUserInteractionEnabled(false);
    setXY(row, col);
}

void CellEffect::setXY(int row, int col) {
    X_ = row;
    Y_ = col;
    setCenter(CoVuaCodes::markCentre({row, col}) - CoVuaCodes::boardOrigin());
}

}  // namespace zuno
