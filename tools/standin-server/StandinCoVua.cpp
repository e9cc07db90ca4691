#include "standin-server/StandinCoVua.h"

#include <cstdlib>
#include <string>

namespace zuno::standin {

namespace {
using C = CoVuaCodes;
constexpr int8_t CS_CHESS_COMMAND = 91;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_WANT_LOSE = 27;
constexpr int8_t SC_PLAYING = 62;
constexpr int8_t SC_CHESS_COMMAND = 91;
constexpr int8_t kKingSide = 8, kQueenSide = 9;
constexpr int8_t kPromotionAsked = 8;

// A square code in chess notation, as a log line names it.
std::string squareName(int8_t square) {
    return {static_cast<char>('a' + square / 10), static_cast<char>('1' + square % 10)};
}
}  // namespace

std::shared_ptr<StandinCoVua> StandinCoVua::addTo(StandinRobotTables& tables) {
    std::shared_ptr<StandinCoVua> game(new StandinCoVua());
    tables.addGame(game);
    return game;
}

std::vector<int8_t> StandinCoVua::moreCommands() const { return {CS_CHESS_COMMAND}; }

void StandinCoVua::setNextPosition(std::vector<std::pair<int8_t, int8_t>> pieces) { nextPosition_ = std::move(pieces); }

void StandinCoVua::newGame(StandinRobotTables& table, int firstPlace) {
    promoting_.reset();
    const int32_t first = table.place(firstPlace).id, second = table.place(other(firstPlace)).id;
    for (int colour = 0; colour < 2; ++colour) {
        boards_[colour].newGame(colour == 0);
        boards_[colour].setPlayers(first, second, colour == 0);
    }
    if (!nextPosition_) return;
    for (int colour = 0; colour < 2; ++colour)
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 8; ++col) boards_[colour].setPieceAt(row, col, C::kEmpty);
    for (auto [square, piece] : *nextPosition_) setOnBoth(square, piece);
    nextPosition_.reset();
}

int8_t StandinCoVua::pieceOn(int8_t square) const {
    auto s = C::squareOfCode(square, true);
    return s ? boards_[0].pieceAt(s->row, s->col) : C::kEmpty;
}

void StandinCoVua::setOnBoth(int8_t square, int8_t piece) {
    for (int colour = 0; colour < 2; ++colour) {
        auto s = C::squareOfCode(square, colour == 0);
        if (s) boards_[colour].setPieceAt(s->row, s->col, piece);
    }
}

void StandinCoVua::shift(int8_t from, int8_t to) {
    const int8_t piece = pieceOn(from);
    setOnBoth(from, C::kEmpty);
    setOnBoth(to, piece);
}

Message StandinCoVua::startMessage(const StandinRobotTables& table, int firstPlace) const {
    Message m = table.tableMessage(SC_START);
    m.writeInt(moveMillis(table) / 1000);
    m.writeInt(table.place(firstPlace).id);
    m.writeInt(kGameMillis / 1000);  // the owner's
    m.writeInt(kGameMillis / 1000);
    return m;
}

bool StandinCoVua::allowed(int place, Move move) {
    const int colour = colourOf(place);
    CoVuaBoard& board = boards_[colour];
    auto from = C::squareOfCode(move.from, colour == 0), to = C::squareOfCode(move.to, colour == 0);
    if (!from || !to || C::colourIndex(board.pieceAt(from->row, from->col)) != colour) return false;
    board.checkListCanMove(from->row, from->col, colour == 0 ? board.moveFirst() : board.moveSecond());
    const bool target = board.canMoveTo(to->row, to->col);
    board.clearListCanMove();
    return target;
}

bool StandinCoVua::promotes(int, Move move) const {
    const int8_t piece = pieceOn(move.from);
    const int rank = move.to % 10;
    return C::type(piece) == C::kPawn && rank == (C::colourIndex(piece) == 0 ? 7 : 0);
}

// Both players hear whose pawn is being promoted.
void StandinCoVua::askPromotion(StandinRobotTables& table, int place) {
    Message ask(SC_CHESS_COMMAND);
    ask.writeByte(kPromotionAsked);
    ask.writeInt(table.place(place).id);
    table.send(ask);
}

void StandinCoVua::playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) {
    if (commandId == CS_CHESS_COMMAND) {
        request.readByte();
        int8_t type = request.readByte();
        if (!promoting_) return;
        if (type < C::kKnight || type > C::kQueen) type = C::kQueen;
        const Move move = *promoting_;
        promoting_.reset();
        play(table, place, move, type);
        return;
    }
    const Move move{request.readByte(), request.readByte()};
    if (promoting_ || !allowed(place, move)) return;
    if (promotes(place, move)) {
        promoting_ = move;
        askPromotion(table, place);
        return;
    }
    play(table, place, move, 0);
}

// Plays an allowed move: the castling rook and the promotion with it, the castling memory of the
// mover's own view, then the announcement and a check or the end.
void StandinCoVua::play(StandinRobotTables& table, int place, Move move, int8_t promotion) {
    const int colour = colourOf(place);
    CoVuaBoard& own = boards_[colour];
    const int8_t piece = pieceOn(move.from);
    const bool kingTaken = C::type(pieceOn(move.to)) == C::kKing;
    int8_t kind = promotion;
    if (C::type(piece) == C::kKing && std::abs(move.to / 10 - move.from / 10) == 2) {
        const bool kingSide = move.to / 10 == 6;
        const int8_t rank = static_cast<int8_t>(move.from % 10);
        kind = kingSide ? kKingSide : kQueenSide;
        shift(static_cast<int8_t>((kingSide ? 70 : 0) + rank), static_cast<int8_t>((kingSide ? 50 : 30) + rank));
    }
    if (auto from = C::squareOfCode(move.from, colour == 0); from && from->row == 7) {
        if (C::type(piece) == C::kKing) own.setBKingMoved(true);
        const bool near = from->col == (colour == 0 ? 7 : 0), far = from->col == (colour == 0 ? 0 : 7);
        if (C::type(piece) == C::kRook && near) own.setBRookNearMoved(true);
        if (C::type(piece) == C::kRook && far) own.setBRookFarMoved(true);
    }
    shift(move.from, move.to);
    if (promotion) setOnBoth(move.to, C::piece(colour + 1, promotion));

    const int32_t left = spendTurn(table, place) / 1000;
    Message m(SC_MOVE);
    m.writeInt(table.place(place).id);
    m.writeByte(move.from);
    m.writeByte(move.to);
    m.writeInt(table.place(other(place)).id);
    m.writeInt(left);
    m.writeByte(kind);
    table.send(m);
    if (kingTaken) {
        Message lost = table.tableMessage(SC_WANT_LOSE);
        lost.writeInt(table.place(other(place)).id);
        table.send(lost);
        ended(table, place);
        return;
    }
    if (kingAttacked(1 - colour)) {
        Message check(SC_PLAYING);
        check.writeByte(static_cast<int8_t>(1 - colour));
        table.send(check);
    }
    moved(table, place);
}

// Seen by the attacker, whose pawns move towards the top in its own view.
bool StandinCoVua::kingAttacked(int colour) const {
    const CoVuaBoard& attacker = boards_[1 - colour];
    const int8_t king = C::piece(colour + 1, C::kKing);
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            if (attacker.pieceAt(row, col) == king)
                return attacker.checkXYZ(row, col, colour == 0 ? attacker.moveFirst() : attacker.moveSecond());
    return false;
}

// Square by square of the robot's own view, top row first: a capture first, else the first target;
// judged as the player's move is.
void StandinCoVua::robotMoves(StandinRobotTables& table, int place) {
    const int colour = colourOf(place);
    CoVuaBoard& board = boards_[colour];
    const int32_t me = table.place(place).id;
    for (bool captures : {true, false}) {
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 8; ++col) {
                if (C::colourIndex(board.pieceAt(row, col)) != colour) continue;
                const std::vector<CoVuaSquare> targets = board.checkListCanMove(row, col, me);
                board.clearListCanMove();
                for (CoVuaSquare t : targets) {
                    if (captures && board.pieceAt(t.row, t.col) == C::kEmpty) continue;
                    const Move move{static_cast<int8_t>(C::squareCode({row, col}, colour == 0)),
                                    static_cast<int8_t>(C::squareCode(t, colour == 0))};
                    const char* why = allowed(place, move) ? nullptr : "not one of the piece's targets";
                    const std::string shown = "moves " + squareName(move.from) + " to " + squareName(move.to);
                    if (table.refusesRobotMove(place, why, shown)) return;
                    if (!promotes(place, move)) {
                        play(table, place, move, 0);
                        return;
                    }
                    askPromotion(table, place);
                    play(table, place, move, C::kQueen);
                    return;
                }
            }
        }
    }
}

}  // namespace zuno::standin
