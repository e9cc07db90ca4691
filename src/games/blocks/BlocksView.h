#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/blocks/BlocksGame.h"
#include "games/blocks/BlocksGameObserver.h"
#include "games/blocks/BlocksTableScreen.h"
#include "games/blocks/BlocksWellView.h"
#include "games/board/BoardTableView.h"
#include "shell/GameKeys.h"

namespace zuno {

// The Blocks table (upright, 320 x 480): the two-seat board table around this player's own game. The
// game runs on the device (BlocksGame); the screen draws it, plays its sounds and effects, sends its
// reports, and shows the opponent's height with a marker beside the well. The window turns upright
// while the screen is on top. Drags and taps on the screen move and turn the piece; so do the arrow
// keys and Space on the desktop.
class BlocksView : public BoardTableView,
                   public BlocksTableScreen,
                   public BlocksGameObserver,
                   public GameKeyTarget {
    ZUNO_BINDINGS
public:
    static constexpr double kMarkerStep = 0.5;      // points per frame
    static constexpr double kFrameSeconds = 1.0 / 60;

    BlocksView() : BlocksView("BlocksView") {}
    explicit BlocksView(std::string nibName);
    ~BlocksView() override;

    BlocksGame& game() { return *game_; }
    const BlocksGame& game() const { return *game_; }
    // Chance for the colours and the row-clear effect (tests give a fixed sequence).
    void setRandom(BlocksGame::Random random) { random_ = std::move(random); }
    // Whether a local game runs (from its start to its one gameEnd).
    bool isPlaying() const { return playing_; }
    int8_t customInterval() const { return customInterval_; }

    static BlocksPoint convertBoardToPositionAtRow(int32_t row, int32_t columb) {
        return blocksgeometry::convertBoardToPositionAtRow(row, columb);
    }

    // BlocksTableScreen.
    void startWithBricks(const std::vector<int8_t>& bricks) override;
    void addRandomWithRos(const std::vector<int8_t>& ros, int8_t row) override;
    void setSpeedWithSpeed(int8_t level) override { game_->setSpeedWithSpeed(level); }
    void getHeightFromServerWithHeight(int8_t height) override;
    void setRowsOfOpponent(int8_t count) override;

    // The table's end of a game: the shared close, then the local game's end.
    void closeBoardWithInfo(const std::string& info) override;
    void playerLeaveWithId(int32_t playerId) override;
    // Ends the local game, once per game: its timers, the well, the pieces, the effects, the marker
    // and the scores; the owner's mark shows again.
    void gameEnd();

    // The opponent's height marker: one step towards its target; the frame tick runs it only while
    // it is away from the target.
    void drawEnemyHeight();
    double enemyHeightTarget() const;
    bool isRopeAnimating() const { return ropeAnimation_ != 0; }
    // Prints the well's rows (a debugging aid).
    void d_inBoard() const;

    // GameKeyTarget: Left and Right a column, Down a row, Up turns, Space drops.
    bool gameKeyDown(GameKey key) override;
    // A step asked by a touch or a key.
    void perform(BlocksGesture gesture);

    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;

    // The rows the opponent and I cleared in this game, each under its caption (shown with a count).
    std::shared_ptr<ui::Label> lblOwnerMark, lblMeMark, lblOwnerMarkTitle, lblMeMarkTitle;
    std::shared_ptr<BlocksWellView> wellView;
    // My next piece under its caption, both shown while there is one.
    std::shared_ptr<BlocksPreviewView> nextBlockView;
    std::shared_ptr<ui::Label> lblNextBlockTitle;
    // The opponent's gauge beside the well: its track, the bomb at half height, the flag at his stack's
    // height and his name beside the flag.
    std::shared_ptr<BlocksGaugeView> gaugeTrack;
    std::shared_ptr<ui::ImageView> bom, rope;
    std::shared_ptr<ui::Label> ropeName;
    // The row-clear pieces in flight.
    const std::vector<std::shared_ptr<ui::ImageView>>& bingoEffects() const { return bingoEffects_; }

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void sendStart() override;

    // BlocksGameObserver.
    void blocksWellChanged() override;
    void blocksBlockChanged() override;
    void blocksNextBlockChanged() override;
    void blocksBlockLanded() override;
    void blocksRowCleared(int32_t row) override;
    void blocksBingo() override;
    void blocksRotated() override;
    void blocksSendReport(const BlocksReport& report) override;

private:
    void showMark(const std::shared_ptr<ui::Label>& mark, const std::shared_ptr<ui::Label>& caption,
                  const std::string& count);
    void placeRope(ui::Point centre);
    void startRopeAnimation();
    void stopRopeAnimation();
    void effectBingo(int32_t row);
    void effectBouncingNextBlock();
    void effectBouncingView();
    void clearEffects();
    uint32_t random() { return random_(); }

    BlocksGame::Random random_;
    std::unique_ptr<BlocksGame> game_;
    BlocksCellImages cells_;
    bool playing_ = false;
    int8_t customInterval_ = 1;
    sys::RunLoop::TimerId ropeAnimation_ = 0;
    std::vector<std::shared_ptr<ui::ImageView>> bingoEffects_;
};

}  // namespace zuno
