// Properties of the move hints over many positions: random placements and random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CoTuongPositions.h"
#include "games/cotuong/PieceKinds.h"
#include "platform/core/Log.h"

using namespace zuno;
using namespace zuno::test;

namespace {

void expectHintsKeepTheRules(const CCBoardModel& board) {
    for (const auto& piece : board.getAllPieces()) {
        bool top = piece->team() == board.topTeam();
        for (CoTuongSquare t : piece->detectMoveable()) {
            SCOPED_TRACE(::testing::Message() << piece->name() << " (" << piece->x() << "," << piece->y()
                                              << ") to (" << t.x << "," << t.y << ")");
            ASSERT_TRUE(t.x >= 0 && t.x <= 8 && t.y >= 0 && t.y <= 9);
            const Piece* there = board.getUnitAtPoint(t.x, t.y);
            EXPECT_TRUE(!there || there->team() != piece->team());
            EXPECT_EQ(piece->isMoveAttack(t.x, t.y), there != nullptr);
            int dx = t.x - piece->x();
            int dy = t.y - piece->y();
            switch (piece->kind()) {
                case PieceKind::Jiang:
                case PieceKind::Shi:
                    EXPECT_TRUE(inPalace(top, t.x, t.y));
                    break;
                case PieceKind::Xiang:
                    EXPECT_TRUE(top ? t.y >= 5 : t.y <= 4);
                    EXPECT_EQ(board.getUnitAtPoint(piece->x() + dx / 2, piece->y() + dy / 2), nullptr);
                    break;
                case PieceKind::Ma:
                    if (std::abs(dx) == 2) {
                        EXPECT_EQ(board.getUnitAtPoint(piece->x() + dx / 2, piece->y()), nullptr);
                    } else {
                        EXPECT_EQ(board.getUnitAtPoint(piece->x(), piece->y() + dy / 2), nullptr);
                    }
                    break;
                case PieceKind::Zu: {
                    int forward = static_cast<const Zu&>(*piece).direction();
                    EXPECT_EQ(forward, top ? -1 : 1);
                    EXPECT_TRUE(dy == forward || dy == 0);
                    break;
                }
                default:
                    break;
            }
        }
    }
}

// Hints of every piece as wire squares (the squares a move would be sent with), keyed by the wire
// square of the piece, so that the two players' boards compare directly.
using WireHints = std::vector<std::pair<int, std::vector<int>>>;

int wireOf(const CCBoardModel& board, int x, int y) {
    int sq = CoTuongUtils::coordWithX(x + 3, 9 - y + 3);
    return board.flipped() ? CoTuongUtils::square_flip(sq) : sq;
}

WireHints wireHints(const CCBoardModel& board) {
    WireHints out;
    for (const auto& piece : board.getAllPieces()) {
        std::vector<int> targets;
        for (CoTuongSquare t : piece->detectMoveable()) targets.push_back(wireOf(board, t.x, t.y));
        std::sort(targets.begin(), targets.end());
        out.push_back({wireOf(board, piece->x(), piece->y()), targets});
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<bool> checks(const CCBoardModel& board) {
    std::vector<std::pair<int, bool>> keyed;
    for (const auto& piece : board.getAllPieces())
        keyed.push_back({wireOf(board, piece->x(), piece->y()), piece->detectEatJiang()});
    std::sort(keyed.begin(), keyed.end());
    std::vector<bool> out;
    for (auto& k : keyed) out.push_back(k.second);
    return out;
}

void expectSameForTheOtherViewer(const std::vector<Placed>& position) {
    // The first mover's board and the second mover's (turned round and flipped on the wire).
    CCBoardModel first;
    layOut(first, position, false);
    CCBoardModel second;
    layOut(second, turnedRound(position), true);
    second.setFlipped(true);
    EXPECT_EQ(wireHints(first), wireHints(second));
    EXPECT_EQ(checks(first), checks(second));

    // Colours do not matter, only which side is at the bottom.
    CCBoardModel swapped;
    layOut(swapped, position, true);
    EXPECT_EQ(wireHints(first), wireHints(swapped));
    EXPECT_EQ(checks(first), checks(swapped));
}

}  // namespace

TEST(CoTuongProperties, RandomPositionsKeepTheRulesAndLookAlikeForBothPlayers) {
    std::mt19937 rng(20240610);
    for (int i = 0; i < 300; ++i) {
        auto position = randomPosition(rng);
        CCBoardModel board;
        layOut(board, position, i % 2 == 1);
        expectHintsKeepTheRules(board);
        expectSameForTheOtherViewer(position);
        if (::testing::Test::HasFailure()) break;
        sys::Log::clearCaptured();  // the elephants' refusals pile up otherwise
    }
}

TEST(CoTuongProperties, RandomGamesKeepTheRules) {
    std::mt19937 rng(7);
    for (int game = 0; game < 20; ++game) {
        CCBoardModel board;
        board.newGame("red", "black", game % 2 ? "red" : "black");
        bool topMoves = game % 2 == 1;  // black moves first
        for (int ply = 0; ply < 60; ++ply) {
            Team* mover = topMoves ? board.topTeam() : board.bottomTeam();
            std::vector<std::pair<Piece*, CoTuongSquare>> moves;
            for (const auto& p : mover->pieces())
                for (CoTuongSquare t : p->detectMoveable()) moves.push_back({p.get(), t});
            if (moves.empty()) break;
            auto [piece, target] = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
            Piece* taken = board.getUnitAtPoint(target.x, target.y);
            auto shown = board.movePiecefromPoint({float(piece->x()), float(9 - piece->y())},
                                                  {float(target.x), float(9 - target.y)});
            ASSERT_EQ(shown.piece.get(), piece);
            ASSERT_EQ(shown.captured.get(), taken);
            if (taken) {
                EXPECT_EQ(taken->team(), nullptr);
                if (taken->vital()) break;
            }
            expectHintsKeepTheRules(board);
            expectSameForTheOtherViewer(snapshot(board));
            if (::testing::Test::HasFailure()) return;
            sys::Log::clearCaptured();
            topMoves = !topMoves;
        }
    }
}
