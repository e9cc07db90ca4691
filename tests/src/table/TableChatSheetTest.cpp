// The table chat sheet over a Tien Len table: its history (every line a row, name and text readable,
// inside its panel), its field (no more than is sent) and its place above a table that goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/ui/Application.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/LayoutCheck.h"
#include "support/SnapshotCompare.h"
#include "support/TextContrast.h"
#include "table/BoardChat.h"
#include "table/CardView.h"

namespace zuno::testing {
namespace {

using Ids = std::vector<int8_t>;

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

class TableChatSheet : public TableTest {
protected:
    std::shared_ptr<TienLenView> tienLen() {
        auto table = std::dynamic_pointer_cast<TienLenView>(open(3, fourPlayers()));
        table->resetSeat();
        return table;
    }
    std::shared_ptr<boardChat> openSheet(GameCardView& table) {
        table.clickChatBoardOfMe();
        run(1);
        return table.chatDialog;
    }
    static std::vector<std::shared_ptr<cellChat>> shownRows(boardChat& chat) {
        std::vector<std::shared_ptr<cellChat>> rows;
        for (const auto& cell : chat.tblHistoryChat->visibleCells())
            if (auto row = std::dynamic_pointer_cast<cellChat>(cell)) rows.push_back(row);
        return rows;
    }
};

TEST_F(TableChatSheet, EveryLineIsARowWithNameAndTextReadableInsideThePanel) {
    auto table = tienLen();
    const int32_t speakers[] = {20, 30, 40};
    for (int i = 0; i < 6; ++i) table->onChatFromWithId(speakers[i % 3], std::nullopt, "line " + std::to_string(i));
    table->onChatFromMeWithText("mine :)");
    auto chat = openSheet(*table);
    // A line that comes while the sheet is open is listed at once, and a long one shows whole, wrapped
    // over as many rows as it needs.
    const std::string longLine = repeated("and so on ", 10);
    table->onChatFromWithId(40, std::nullopt, longLine);
    run(0.5);

    ASSERT_EQ(chat->tblHistoryChat->numberOfRowsInSection(0), 8);
    const ui::Rect panel = chat->imgBg->convertRectToView(chat->imgBg->bounds(), nullptr).insetBy(4, 4);
    const ui::Rect list = chat->tblHistoryChat->convertRectToView(chat->tblHistoryChat->bounds(), nullptr);
    EXPECT_TRUE(panel.contains(list.origin) && panel.contains({list.maxX(), list.maxY()}))
        << "list " << list.x() << "," << list.y() << " " << list.width() << "x" << list.height() << " panel to "
        << panel.maxY();

    auto rows = shownRows(*chat);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0]->lblName->text(), "chi");
    EXPECT_EQ(rows[0]->lblContent->text(), longLine);
    EXPECT_EQ(rows[1]->lblName->text(), "me");
    EXPECT_EQ(rows[1]->lblContent->text(), "mine :)");
    const CustomLabel& wrapped = *rows[0]->lblContent;
    const auto lines = wrapped.wrappedLines(wrapped.frame().width());
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_GE(wrapped.frame().height(), wrapped.font().lineHeight() * double(lines.size()));
    EXPECT_LE(wrapped.convertRectToView(wrapped.bounds(), rows[0].get()).maxY(), rows[0]->bounds().height());
    EXPECT_EQ(rows[1]->frame().minY(), rows[0]->frame().maxY()) << "the next row starts under the whole line";
    for (const auto& row : rows) {
        SCOPED_TRACE(row->lblContent->text());
        EXPECT_GE(textContrast(*row->lblName), 4.5);
        EXPECT_GE(textContrast(*row->lblContent), 4.5);
    }
    expectWindowsLaidOut("the chat sheet open with a history");
    EXPECT_TRUE(matchesReference(*table->view(), "table_chat_history"));

    // The oldest line is reached by scrolling within the list.
    chat->tblHistoryChat->scrollToRowAtIndexPath({0, 7}, ui::ScrollPosition::Bottom, false);
    rows = shownRows(*chat);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back()->lblContent->text(), "line 0");
    EXPECT_EQ(rows.back()->lblName->text(), "an");
}

TEST_F(TableChatSheet, TheOpenSheetStaysAboveACardPlayedAndABubble) {
    auto table = tienLen();
    table->startWithWhoMoveFirst(20, 20, {40, 4, 0, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41});
    run(2);
    auto chat = openSheet(*table);
    table->moveWithPlayerId(20, Ids{1}, 30);
    table->onChatFromWithId(30, std::nullopt, "nice");
    run(0.5);
    ASSERT_FALSE(table->bubble(1)->isHidden());
    EXPECT_EQ(table->view()->subviews().back(), chat->view());

    chat->doCancel();
    run(1);
    // Closed, it leaves both in sight: nothing over the bubble but the turn bar.
    EXPECT_FALSE(table->bubble(1)->isHidden());
    const auto& views = table->view()->subviews();
    const auto bubble = std::find(views.begin(), views.end(), table->bubble(1));
    EXPECT_TRUE(bubble != views.end() &&
                std::all_of(bubble + 1, views.end(), [&](const auto& v) { return v == table->progressTimer; }));
}

TEST_F(TableChatSheet, TheFieldTakesNoMoreThanIsSent) {
    auto table = tienLen();
    auto chat = openSheet(*table);
    auto& keyboard = ui::Application::shared();
    const std::string ae = "\u0103";  // one character of two bytes
    keyboard.sendText(repeated(ae, 60));
    keyboard.sendText(repeated(ae, 60));  // a paste arrives as one text
    EXPECT_EQ(chat->txtChat->text(), repeated(ae, boardChat::kMaxLine));

    // An emoticon is added whole or not at all.
    const auto smile = Resources::getInstance().xDictEmotion().begin();
    auto first = std::dynamic_pointer_cast<ui::Button>(chat->actionSheetView()->viewWithTag(1000));
    ASSERT_TRUE(first);
    ASSERT_EQ(sys::characterCount(smile->first), 2u);
    chat->txtChat->setText(repeated(ae, boardChat::kMaxLine - 1));
    chat->onClickEmotion(first.get());
    EXPECT_EQ(chat->txtChat->text(), repeated(ae, boardChat::kMaxLine - 1));
    keyboard.sendDeleteBackward();
    chat->onClickEmotion(first.get());
    const std::string shown = repeated(ae, boardChat::kMaxLine - 2) + smile->first;
    EXPECT_EQ(chat->txtChat->text(), shown);

    ServiceRecording sent(GlobalService::getInstance());
    keyboard.sendReturn();
    EXPECT_EQ(sent.takeOne(), bytesOf(GlobalService::getInstance(), [&](auto& s) { s.chatToBoardWithRoom(1, 2, shown); }));
    run(1);
}

}  // namespace
}  // namespace zuno::testing
