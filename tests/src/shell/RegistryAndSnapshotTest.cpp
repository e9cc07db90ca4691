#include <string>
#include <vector>

#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "shell/ColoredProgressView.h"
#include "shell/InputDialog.h"
#include "shell/RefreshTableHeaderView.h"
#include "src/shell/ShellFixture.h"
#include "support/ServiceRecording.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

using Registry = ShellTest;
using Snapshots = ShellTest;

struct CountingTienLen : TienLenView {
    int resets = 0;
};

TEST_F(Registry, StartGameRegistersTheElevenDecodersInOrder) {
    GameController::startGame();
    std::vector<int> types;
    for (const auto& handler : GlobalLogicHandler::getGameMessageHandlers()) {
        for (int t = 0; t < 20; ++t) {
            if (handler->isGameType(static_cast<int8_t>(t))) types.push_back(t);
        }
    }
    EXPECT_EQ(types, (std::vector<int>{3, 7, 13, 5, 9, 11, 2, 1, 12, 8, 4}));

    ServiceRecording lobby(GlobalService::getInstance());
    GameController::doPlayWithGameId(13);
    ServiceRecording expected(GlobalService::getInstance());
    GlobalService::getInstance().setGameType(13);
    EXPECT_EQ(lobby.takeOne(), expected.takeOne());
}

TEST_F(Registry, OpenersMakeEachScreenOnceAndSeatTheLatestTable) {
    launch();
    BoardView::setnumOfTouchUp(2);
    GameController::showTienLenScreenWithRoom(1, 2, 10, 500, {});
    run(1);
    auto first = GameController::getTienLenView();
    ASSERT_TRUE(first);
    EXPECT_EQ(nav().topViewController(), first);
    EXPECT_EQ(first->nibName(), "TienLenView");
    EXPECT_EQ(BoardView::numOfTouchUp(), 0);
    nav().popViewControllerAnimated(false);
    GameController::showTienLenScreenWithRoom(3, 4, 11, 900, {});
    run(1);
    EXPECT_EQ(GameController::getTienLenView(), first);
    EXPECT_EQ(first->roomId(), 3);
    EXPECT_EQ(first->boardId(), 4);
    EXPECT_EQ(first->money(), 900);
    EXPECT_EQ(first->ownerID(), 11);

    // One interface file, different classes and slots.
    GameController::showTienLenMBScreenWithRoom(5, 6, 1, 100, {});
    GameController::showXiZachScreenWithRoom(7, 8, 1, 100, {});
    GameController::showBlocksScreenWithRoom(9, 10, 1, 100, {});
    run(1);
    EXPECT_EQ(GameController::getTienLenMBView()->nibName(), "TienLenView");
    EXPECT_NE(std::static_pointer_cast<TienLenView>(GameController::getTienLenMBView()), first);
    EXPECT_EQ(GameController::getXiZachView()->nibName(), "TienLenView");
    EXPECT_EQ(GameController::getBlocksView()->roomID(), 9);
    EXPECT_EQ(nav().topViewController(), GameController::getBlocksView());
    GameController::showPokerScreenWithRoom(1, 1, 1, 1, {});
    EXPECT_TRUE(sys::Log::contains("<PokerView: "));
}

TEST_F(Snapshots, TopBarSheetRefreshHeaderAndProgressBar) {
    launch();
    app->lblWindowTitle->setText("ZUNO");
    EXPECT_TRUE(matchesReference(*app->viewTopBar, "shell_top_bar"));

    auto dialog = std::make_shared<InputDialog>();
    nav().topViewController()->view()->addSubview(dialog->view());
    dialog->viewWillAppear(false);
    dialog->txtInput()->setText("nick");
    dialog->txtInput()->resignFirstResponder();  // no blinking caret in the picture
    run(1);
    EXPECT_TRUE(matchesReference(*dialog->view(), "shell_input_dialog"));

    auto header = std::make_shared<RefreshTableHeaderView>(ui::Rect(0, 0, 320, 70));
    header->setBackgroundColor(ui::Color::rgb255(40, 60, 90));
    header->setBottomBorderThickness(1);
    header->setLastRefreshDate(std::nullopt);
    EXPECT_TRUE(matchesReference(*header, "shell_refresh_header"));

    auto bar = std::make_shared<ColoredProgressView>(ui::ProgressView::Style::Default, ui::Rect(0, 0, 120, 11));
    bar->setProgress(0.6);
    EXPECT_TRUE(matchesReference(*bar, "shell_progress_bar"));
}

}  // namespace
}  // namespace zuno::testing
