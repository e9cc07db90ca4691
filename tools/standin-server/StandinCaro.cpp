#include "standin-server/StandinCaro.h"

#include <algorithm>

#include "games/caro/CaroCell.h"

namespace zuno::standin {

namespace {
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_MOVE_AND_WIN = 22;
constexpr int8_t SC_DRAW = 25;
constexpr int kSize = CaroBoardModel::kGridSize;
}  // namespace

std::shared_ptr<StandinCaro> StandinCaro::addTo(StandinRobotTables& tables) {
    std::shared_ptr<StandinCaro> game(new StandinCaro());
    tables.addGame(game);
    return game;
}

void StandinCaro::startRequested(StandinRobotTables&, Message& request) {
    if (!request.available()) return;
    lastSpeed_ = request.readByte();
    requestedSpeed_ = lastSpeed_;
}

int StandinCaro::turnSeconds(const StandinRobotTables& table) const {
    const int normal = StandinBoardGame::turnSeconds(table);
    if (speed_ == kFaster) return std::max(1, normal / 2);
    if (speed_ == kSlower) return normal * 2;
    return normal;
}

void StandinCaro::newGame(StandinRobotTables&, int) {
    grid_.reset();
    const int8_t speed = requestedSpeed_.value_or(kNormal);
    speed_ = speed == kFaster || speed == kSlower ? speed : kNormal;
    requestedSpeed_.reset();
}

Message StandinCaro::startMessage(const StandinRobotTables& table, int firstPlace) const {
    Message m = table.tableMessage(SC_START);
    m.writeInt(table.place(firstPlace).id);
    m.writeInt(moveMillis(table));
    m.writeBool(firstGame());
    return m;
}

int32_t StandinCaro::valueOf(int place) const { return place == firstPlace() ? CaroCell::kValueX : CaroCell::kValueO; }

bool StandinCaro::free(int x, int y) const {
    const CaroCell* cell = grid_.getCellWithX(x, y);
    return cell && cell->status() == CaroCell::kEmpty;
}

std::optional<StandinCaro::Line> StandinCaro::fiveThrough(int x, int y, int32_t value) const {
    auto holds = [&](int cx, int cy) {
        const CaroCell* cell = grid_.getCellWithX(cx, cy);
        return cell && cell->status() == CaroCell::kStone && cell->cellValue() == value;
    };
    for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
        int ahead = 0, behind = 0;
        while (holds(x + (ahead + 1) * dx, y + (ahead + 1) * dy)) ++ahead;
        while (holds(x - (behind + 1) * dx, y - (behind + 1) * dy)) ++behind;
        if (ahead + behind + 1 < 5) continue;
        // The far end of the line from the stone played, and the direction towards it.
        if (ahead >= behind) return Line{x + ahead * dx, y + ahead * dy, dx, dy};
        return Line{x - behind * dx, y - behind * dy, -dx, -dy};
    }
    return std::nullopt;
}

void StandinCaro::playerMoves(StandinRobotTables& table, int place, int8_t, Message& request) {
    const int8_t x = request.readByte();
    const int8_t y = request.readByte();
    if (free(x, y)) play(table, place, x, y);
}

void StandinCaro::play(StandinRobotTables& table, int place, int x, int y) {
    spendTurn(table, place);
    grid_.moveWithX(x, y, CaroCell::kStone);
    const int32_t id = table.place(place).id;
    if (auto line = fiveThrough(x, y, valueOf(place))) {
        Message win = table.tableMessage(SC_MOVE_AND_WIN);
        win.writeInt(id);
        for (int v : {x, y, line->endX, line->endY, line->dx, line->dy}) win.writeByte(static_cast<int8_t>(v));
        table.send(win);
        ended(table, place);
        return;
    }
    Message m = table.tableMessage(SC_MOVE);
    m.writeInt(id);
    m.writeByte(static_cast<int8_t>(x));
    m.writeByte(static_cast<int8_t>(y));
    m.writeInt(table.place(other(place)).id);
    table.send(m);
    if (grid_.totalMovedCells() == kSize * kSize) {
        table.send(table.tableMessage(SC_DRAW));
        ended(table, -1);
        return;
    }
    moved(table, place);
}

// Row by row from the top left: a cell that makes five first, else the first empty cell.
void StandinCaro::robotMoves(StandinRobotTables& table, int place) {
    std::optional<std::pair<int, int>> first;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!free(x, y)) continue;
            if (!first) first = std::pair{x, y};
            CaroCell* cell = grid_.getCellWithX(x, y);
            // Tried in place: a stone of the robot's value on the cell, taken back at once.
            cell->setStatus(CaroCell::kStone);
            cell->setCellValue(valueOf(place));
            const bool five = fiveThrough(x, y, valueOf(place)).has_value();
            cell->setStatus(CaroCell::kEmpty);
            if (five) {
                robotPlays(table, place, x, y);
                return;
            }
        }
    }
    if (first) robotPlays(table, place, first->first, first->second);
}

// Judged as the player's move is.
void StandinCaro::robotPlays(StandinRobotTables& table, int place, int x, int y) {
    const std::string move = "plays (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    if (!table.refusesRobotMove(place, free(x, y) ? nullptr : "the cell is not free", move)) play(table, place, x, y);
}

}  // namespace zuno::standin
