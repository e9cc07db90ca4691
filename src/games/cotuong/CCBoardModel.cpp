#include "games/cotuong/CCBoardModel.h"

#include <cmath>

#include "platform/core/Log.h"

namespace zuno {

namespace {

struct StartSquare {
    PieceKind kind;
    int x;
    int y;  // for the top side; the bottom side uses 9 - y
};

// Each side's pieces in the order they are added.
constexpr StartSquare kStartSquares[] = {
    {PieceKind::Jiang, 4, 9}, {PieceKind::Shi, 3, 9}, {PieceKind::Shi, 5, 9},   {PieceKind::Xiang, 2, 9},
    {PieceKind::Xiang, 6, 9}, {PieceKind::Ma, 1, 9},  {PieceKind::Ma, 7, 9},    {PieceKind::Ju, 0, 9},
    {PieceKind::Ju, 8, 9},    {PieceKind::Pao, 1, 7}, {PieceKind::Pao, 7, 7},   {PieceKind::Zu, 0, 6},
    {PieceKind::Zu, 2, 6},    {PieceKind::Zu, 4, 6},  {PieceKind::Zu, 6, 6},    {PieceKind::Zu, 8, 6},
};

constexpr float kPieceHalfSize = 17;  // piece views are 34 points square
constexpr float kHeldScale = 1.2f;
constexpr float kTapSlack = 15;  // how far beyond the outer files' centres a tap still counts

std::shared_ptr<Piece> sharedOf(const Piece* piece) {
    if (!piece || !piece->team()) return nullptr;
    for (const auto& p : piece->team()->pieces())
        if (p.get() == piece) return p;
    return nullptr;
}

}  // namespace

CCBoardModel::CCBoardModel() = default;

CCBoardModel::~CCBoardModel() {
    // Held pieces go before the sides so that nothing points at a side being destroyed.
    selectedPiece_.reset();
}

void CCBoardModel::setSides(const std::string& red, const std::string& black,
                            const std::string& viewerLowerName) {
    // A piece still held when the last game ended belongs to a side that is now gone: the next tap
    // would otherwise send a move from the old game's square.
    clearPickUp();
    red_ = red;
    black_ = black;
    viewer_ = viewerLowerName;
    isBottomRed_ = viewerLowerName != black;
    team_1_ = std::make_unique<Team>(*this, red);
    team_2_ = std::make_unique<Team>(*this, black);
    piecesChanged();
}

void CCBoardModel::newGame(const std::string& red, const std::string& black,
                           const std::string& viewerLowerName) {
    setSides(red, black, viewerLowerName);
    Team* top = topTeam();
    Team* bottom = bottomTeam();
    for (const auto& s : kStartSquares) top->addPiece(Piece::create(s.kind, s.x, s.y, *top));
    for (const auto& s : kStartSquares) bottom->addPiece(Piece::create(s.kind, s.x, 9 - s.y, *bottom));
}

Team* CCBoardModel::topTeam() const { return isBottomRed_ ? team_2_.get() : team_1_.get(); }

Team* CCBoardModel::bottomTeam() const { return isBottomRed_ ? team_1_.get() : team_2_.get(); }

void CCBoardModel::rebuildIndex() const {
    for (auto& file : index_)
        for (auto& square : file) square = nullptr;
    // Walk backwards so that the first piece in red-then-black order wins a shared square.
    for (const Team* team : {team_2_.get(), team_1_.get()}) {
        if (!team) continue;
        for (auto it = team->pieces().rbegin(); it != team->pieces().rend(); ++it) {
            const Piece& p = **it;
            if (p.x() >= 0 && p.x() <= 8 && p.y() >= 0 && p.y() <= 9) index_[p.x()][p.y()] = &p;
        }
    }
    indexIsStale_ = false;
}

Piece* CCBoardModel::getUnitAtPoint(int x, int y) const {
    if (x >= 0 && x <= 8 && y >= 0 && y <= 9) {
        if (indexIsStale_) rebuildIndex();
        return const_cast<Piece*>(index_[x][y]);
    }
    if (team_1_)
        if (Piece* p = team_1_->unitAt(x, y)) return p;
    if (team_2_) return team_2_->unitAt(x, y);
    return nullptr;
}

std::vector<std::shared_ptr<Piece>> CCBoardModel::getAllPieces() const {
    std::vector<std::shared_ptr<Piece>> all;
    if (team_1_) all.insert(all.end(), team_1_->pieces().begin(), team_1_->pieces().end());
    if (team_2_) all.insert(all.end(), team_2_->pieces().begin(), team_2_->pieces().end());
    return all;
}

void CCBoardModel::removePiece(Piece& piece) {
    if (Team* team = piece.team()) team->removePiece(piece);
}

CoTuongPoint CCBoardModel::convertPointToBoard(CoTuongPoint p) {
    return {std::floor((p.x - 35) / 32 + 0.5f), std::floor((p.y - 15) / 32 + 0.5f)};
}

std::optional<CoTuongPoint> CCBoardModel::tapSquare(CoTuongPoint p) {
    float left = Piece::convertPoint(0, 0).x;
    float right = Piece::convertPoint(8, 0).x;
    if (p.x + kTapSlack < left || p.x - kTapSlack > right) return std::nullopt;
    CoTuongPoint square = convertPointToBoard(p);
    // Above or below the board there is no square to send (nor for a point that is no number).
    if (!(square.x >= 0 && square.x <= 8 && square.y >= 0 && square.y <= 9)) return std::nullopt;
    return square;
}

bool CCBoardModel::isOwn(const Piece& piece) const { return piece.team() && piece.team()->name() == viewer_; }

bool CCBoardModel::pieceContains(const Piece& piece, CoTuongPoint p) const {
    float half = kPieceHalfSize;
    if (isPieceSelected_ && selectedPiece_.get() == &piece) half *= kHeldScale;
    CoTuongPoint c = piece.location();
    return p.x >= c.x - half && p.x <= c.x + half && p.y >= c.y - half && p.y <= c.y + half;
}

std::shared_ptr<Piece> CCBoardModel::pieceAtPoint(CoTuongPoint p) const {
    for (const Team* team : {team_1_.get(), team_2_.get()}) {
        if (!team) continue;
        for (const auto& piece : team->pieces())
            if (pieceContains(*piece, p)) return piece;
    }
    return nullptr;
}

void CCBoardModel::clearPickUp() {
    isPieceSelected_ = false;
    selectedPiece_.reset();
    sqSelected_ = 0;
}

CoTuongTap CCBoardModel::touchesEnded(CoTuongPoint p, bool isMyTurn) {
    CoTuongTap tap;
    std::optional<CoTuongPoint> square = tapSquare(p);
    if (!square) {
        tap.refused = true;
        return tap;
    }

    std::shared_ptr<Piece> tapped = pieceAtPoint(p);
    if (tapped && isOwn(*tapped)) {
        // A tap on an own piece puts the held one down first, so that it is picked up anew.
        if (isPieceSelected_) tap.putDown = selectedPiece_;
        selectedPiece_.reset();
        isPieceSelected_ = false;
    }

    int c = static_cast<int>(square->x);
    int r = static_cast<int>(square->y);
    int sq = CoTuongUtils::coordWithX(c + 3, r + 3);
    if (flipped_) sq = CoTuongUtils::square_flip(sq);

    if (!isPieceSelected_) {
        if (!tapped) return tap;
        sqSelected_ = sq;
        selectedPiece_ = tapped;
        if (!isOwn(*tapped) || !isMyTurn) return tap;
        isPieceSelected_ = true;
        tap.pickedUp = tapped;
        tap.hints = tapped->detectMoveable();
        return tap;
    }

    // A piece is held and the tap is not on an own piece: the server judges the move.
    isPieceSelected_ = false;
    tap.putDown = selectedPiece_;
    selectedPiece_.reset();
    tap.move = CoTuongWireMove{sqSelected_, sq};
    return tap;
}

CoTuongShownMove CCBoardModel::movePiecefromPoint(CoTuongPoint from, CoTuongPoint to) {
    CoTuongShownMove shown;
    auto onBoard = [](CoTuongPoint p) { return p.x >= 0 && p.x <= 8 && p.y >= 0 && p.y <= 9; };
    if (!onBoard(from) || !onBoard(to)) {
        sys::Log::debugFormat("move off the board skipped: %g,%g to %g,%g", from.x, from.y, to.x, to.y);
        return shown;
    }
    shown.piece = sharedOf(getUnitAtPoint(static_cast<int>(from.x), 9 - static_cast<int>(from.y)));
    if (!shown.piece) {
        sys::Log::debugFormat("move from an empty square skipped: %g,%g", from.x, from.y);
        return shown;
    }
    shown.captured = shown.piece->moveTo(static_cast<int>(to.x), 9 - static_cast<int>(to.y));
    if (shown.captured) removePiece(*shown.captured);
    shown.givesCheck = shown.piece->detectEatJiang();
    return shown;
}

CoTuongShownMove CCBoardModel::moveWithWireSquares(int8_t x, int8_t y) {
    CoTuongPoint from = CoTuongUtils::convertPointWithValue(x);
    CoTuongPoint to = CoTuongUtils::convertPointWithValue(y);
    if (flipped_) {
        from = {8 - from.x, 9 - from.y};
        to = {8 - to.x, 9 - to.y};
    }
    return movePiecefromPoint(from, to);
}

}  // namespace zuno
