#include "standin-server/StandinCoTuong.h"

#include "games/cotuong/Piece.h"
#include "games/cotuong/Team.h"

namespace zuno::standin {

namespace {
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_MOVE_AND_WIN = 22;
// The model's side names: the first mover sits at the bottom and is black.
constexpr const char* kFirst = "first";
constexpr const char* kSecond = "second";

// The model's (file, rank from the bottom) of a wire square, or nothing off the board.
std::optional<CoTuongSquare> squareOf(int8_t wire) {
    const CoTuongPoint p = CoTuongUtils::convertPointWithValue(wire);
    const int file = static_cast<int>(p.x), rank = static_cast<int>(p.y);
    if (file < 0 || file > 8 || rank < 0 || rank > 9) return std::nullopt;
    return CoTuongSquare{file, 9 - rank};
}
}  // namespace

std::shared_ptr<StandinCoTuong> StandinCoTuong::addTo(StandinRobotTables& tables) {
    std::shared_ptr<StandinCoTuong> game(new StandinCoTuong());
    tables.addGame(game);
    return game;
}

void StandinCoTuong::newGame(StandinRobotTables&, int) { board_.newGame(kSecond, kFirst, kFirst); }

Team* StandinCoTuong::teamOf(int place) const {
    return place == firstPlace() ? board_.bottomTeam() : board_.topTeam();
}

Piece* StandinCoTuong::pieceOnSquare(int8_t square) const {
    auto s = squareOf(square);
    return s ? board_.getUnitAtPoint(s->x, s->y) : nullptr;
}

std::string StandinCoTuong::pieceOn(int8_t square) const {
    Piece* piece = pieceOnSquare(square);
    return piece ? piece->name() : std::string();
}

Message StandinCoTuong::startMessage(const StandinRobotTables& table, int firstPlace) const {
    Message m = table.tableMessage(SC_START);
    m.writeInt(moveMillis(table));
    m.writeInt(table.place(firstPlace).id);
    m.writeInt(kGameMillis);  // the owner's
    m.writeInt(kGameMillis);
    return m;
}

void StandinCoTuong::playerMoves(StandinRobotTables& table, int place, int8_t, Message& request) {
    const int8_t from = request.readByte();
    const int8_t to = request.readByte();
    if (!refusalOf(place, from, to)) play(table, place, from, to);
}

const char* StandinCoTuong::refusalOf(int place, int8_t from, int8_t to) const {
    Piece* piece = pieceOnSquare(from);
    auto target = squareOf(to);
    if (!piece || piece->team() != teamOf(place)) return "no piece of the mover's stands there";
    if (!target || !piece->isMoveAllowed(target->x, target->y)) return "the piece's rule does not allow that point";
    return nullptr;
}

void StandinCoTuong::play(StandinRobotTables& table, int place, int8_t from, int8_t to) {
    const int32_t left = spendTurn(table, place);
    const CoTuongPoint a = CoTuongUtils::convertPointWithValue(from), b = CoTuongUtils::convertPointWithValue(to);
    const CoTuongShownMove shown = board_.movePiecefromPoint(a, b);
    if (shown.captured && shown.captured->vital()) {
        Message win = table.tableMessage(SC_MOVE_AND_WIN);
        win.writeInt(table.place(place).id);
        win.writeByte(from);
        win.writeByte(to);
        table.send(win);
        ended(table, place);
        return;
    }
    Message m = table.tableMessage(SC_MOVE);
    m.writeInt(table.place(place).id);
    m.writeByte(from);
    m.writeByte(to);
    m.writeInt(table.place(other(place)).id);
    m.writeInt(left);
    table.send(m);
    moved(table, place);
}

// Piece by piece in the side's order, squares file by file from the bottom left: a capture first,
// else the first allowed move; judged as the player's move is.
void StandinCoTuong::robotMoves(StandinRobotTables& table, int place) {
    const auto pieces = teamOf(place)->pieces();
    for (bool captures : {true, false}) {
        for (const auto& piece : pieces) {
            for (int x = 0; x <= 8; ++x) {
                for (int y = 0; y <= 9; ++y) {
                    if (!piece->isMoveAllowed(x, y) || (captures && !piece->isMoveAttack(x, y))) continue;
                    const int8_t from = square(piece->x(), 9 - piece->y()), to = square(x, 9 - y);
                    const std::string move = "moves " + piece->name() + " from " + std::to_string(from) + " to " +
                                             std::to_string(to);
                    if (!table.refusesRobotMove(place, refusalOf(place, from, to), move)) play(table, place, from, to);
                    return;
                }
            }
        }
    }
}

}  // namespace zuno::standin
