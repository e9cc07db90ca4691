// The state of the friends screen's tabs, the mailbox and the ranking pages, without views.
#include <gtest/gtest.h>

#include "screens/ChatTabStrip.h"
#include "screens/MailboxModel.h"
#include "screens/RankingPager.h"

using namespace zuno;

namespace {

using Tab = ChatTabStrip::Tab;

// name:tag:image:x for every tab, in strip order.
std::vector<std::string> tabsOf(const ChatTabStrip& strip) {
    std::vector<std::string> out;
    for (const Tab& t : strip.tabs())
        out.push_back(t.name + ":" + std::to_string(t.tag) + ":" + t.image + ":" + std::to_string(int(t.x)));
    return out;
}

ChatTabStrip stripWith(std::initializer_list<const char*> names) {
    ChatTabStrip strip;
    for (const char* name : names) {
        strip.createChatViewForUser(name, true);
        strip.showChatViewForUser(name);
    }
    return strip;
}

std::shared_ptr<ZunoMessage> mail(const std::string& from, const std::string& text) {
    auto m = std::make_shared<ZunoMessage>();
    m->setFromName(from);
    m->setMessage(text);
    return m;
}

}  // namespace

TEST(ChatTabStripTest, OpeningAConversationMakesOneTabPerFriendAt91PointSteps) {
    ChatTabStrip strip;
    EXPECT_FALSE(strip.createChatViewForUser("Ha", false)) << "no conversation with a non-friend";
    EXPECT_TRUE(strip.createChatViewForUser("Chi", true));
    EXPECT_TRUE(strip.createChatViewForUser("Dung", true));
    EXPECT_FALSE(strip.createChatViewForUser("Chi", true)) << "an open conversation is not made again";
    EXPECT_EQ(tabsOf(strip), (std::vector<std::string>{"Chi:0:tabFriend.png:0", "Dung:0:tabFriend.png:91"}));
    EXPECT_EQ(strip.listButtonIndex(), (std::map<std::string, std::string>{{"Chi", "0"}, {"Dung", "1"}}));
    EXPECT_EQ(strip.friendTabImage(), "buttonFriend_nen.png");
    EXPECT_EQ(strip.contentWidth(), 180);
    EXPECT_FALSE(strip.takeScrollTarget());
    EXPECT_TRUE(strip.friendTableShown()) << "made hidden; shown only by showChatViewForUser";
    EXPECT_TRUE(strip.showChatViewForUser("Dung"));
    EXPECT_FALSE(strip.friendTableShown());
    EXPECT_EQ(strip.activeChatView(), "Dung");
}

TEST(ChatTabStripTest, TheFifthTabScrollsTheStripToShowTheLastFour) {
    ChatTabStrip strip = stripWith({"A1", "A2", "A3", "A4"});
    EXPECT_FALSE(strip.takeScrollTarget());
    strip.createChatViewForUser("A5", true);
    EXPECT_EQ(strip.tabs().back().x, 364);
    EXPECT_EQ(strip.contentWidth(), 450);
    EXPECT_EQ(strip.takeScrollTarget(), 90);
}

TEST(ChatTabStripTest, ANarrowerStripScrollsAsSoonAsTheNewTabGoesPastIt) {
    ChatTabStrip strip;
    strip.setVisibleWidth(320);
    for (const char* name : {"A1", "A2", "A3"}) strip.createChatViewForUser(name, true);
    EXPECT_FALSE(strip.takeScrollTarget());
    strip.createChatViewForUser("A4", true);
    EXPECT_EQ(strip.takeScrollTarget(), 40);
    strip.createChatViewForUser("A5", true);
    EXPECT_EQ(strip.takeScrollTarget(), 130);
}

TEST(ChatTabStripTest, LinesFlagTheirTabUntilItIsTappedAndOpenAPanelOverTheFriendTable) {
    ChatTabStrip strip = stripWith({"Chi", "Dung"});
    strip.doSelectChatView("Dung");
    ASSERT_TRUE(strip.onChatFrom("Chi", true));
    EXPECT_EQ(strip.activeChatView(), "Dung") << "a line for another conversation does not switch panels";
    EXPECT_EQ(strip.tab("Chi")->tag, ChatTabStrip::kTagFlagged);
    EXPECT_EQ(strip.tab("Chi")->image, "button_chuc_nang.png");
    EXPECT_EQ(strip.friendTabImage(), "buttonFriend_nen.png");

    strip.doSelectChatView("Dung");
    EXPECT_EQ(strip.tab("Chi")->image, "button_chuc_nang.png") << "a flag stays while another tab is tapped";
    strip.showMyTableView();
    EXPECT_TRUE(strip.friendTableShown());
    EXPECT_FALSE(strip.activeChatView());
    EXPECT_EQ(strip.friendTabImage(), "buttonFriend.png");
    EXPECT_EQ(tabsOf(strip), (std::vector<std::string>{"Chi:1:button_chuc_nang.png:0", "Dung:2:tabFriend_nen.png:91"}));

    strip.doSelectChatView("Chi");
    EXPECT_EQ(strip.tab("Chi")->tag, ChatTabStrip::kTagSelected) << "tapping the tab clears its flag";
    EXPECT_EQ(strip.tab("Dung")->tag, ChatTabStrip::kTagPlain);

    // With the friend table shown, a line opens its sender's panel at once.
    strip.showMyTableView();
    ASSERT_TRUE(strip.onChatFrom("Giang", true));
    EXPECT_EQ(strip.activeChatView(), "Giang");
    EXPECT_FALSE(strip.friendTableShown());
    EXPECT_EQ(strip.tab("Giang")->image, "tabFriend.png");
    EXPECT_EQ(strip.friendTabImage(), "buttonFriend_nen.png");

    EXPECT_FALSE(strip.onChatFrom("Ha", false)) << "no panel for a line from a non-friend";
    EXPECT_EQ(strip.tabs().size(), 3u);
}

TEST(ChatTabStripTest, ClosingATabShiftsTheTabsAfterItAndPicksTheNextCurrent) {
    struct Case {
        const char* name;
        std::vector<const char*> open;
        const char* closed;
        std::vector<std::string> tabs;
        std::map<std::string, std::string> index;
        std::optional<std::string> active;
    };
    const Case cases[] = {
        {"the first of three", {"A", "B", "C"}, "A",
         {"B:2:tabFriend.png:1", "C:0:tabFriend.png:92"}, {{"B", "0"}, {"C", "1"}}, "B"},
        {"the last of three", {"A", "B", "C"}, "C",
         {"A:0:tabFriend.png:0", "B:2:tabFriend.png:91"}, {{"A", "0"}, {"B", "1"}}, "B"},
        {"the only one", {"A"}, "A", {}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        ChatTabStrip strip;
        for (const char* name : c.open) {
            strip.createChatViewForUser(name, true);
            strip.showChatViewForUser(name);
        }
        strip.removeViewOfUsername(c.closed);
        EXPECT_EQ(tabsOf(strip), c.tabs) << c.name;
        EXPECT_EQ(strip.listButtonIndex(), c.index) << c.name;
        EXPECT_EQ(strip.activeChatView(), c.active) << c.name;
        EXPECT_EQ(strip.friendTableShown(), !c.active) << c.name;
        EXPECT_EQ(strip.friendTabImage(), c.active ? "buttonFriend_nen.png" : "buttonFriend.png") << c.name;
        EXPECT_EQ(strip.contentWidth(), 90.0 * double(c.tabs.size())) << c.name;
    }
}

TEST(MailboxModelTest, TheSelectionFollowsItsMessageThroughInsertionsAndDeletions) {
    MailboxModel box({mail("a", "1"), mail("b", "2"), mail("c", "3"), mail("d", "4"), mail("e", "5")});
    EXPECT_EQ(box.unreadCount(), 5u);
    auto fourth = box.select(3);
    EXPECT_EQ(box.selectedIndex(), 3);
    EXPECT_TRUE(fourth->isRead());
    EXPECT_EQ(box.unreadCount(), 4u);

    box.insertNewest(mail("f", "6"));
    EXPECT_EQ(box.selectedIndex(), 4);
    EXPECT_EQ(box.listMessage()[4], fourth);
    EXPECT_EQ(box.listMessage()[0]->fromName(), "f");

    box.remove(0);
    EXPECT_EQ(box.selectedIndex(), 3) << "a row above it goes: one less";
    box.remove(3);
    EXPECT_EQ(box.selectedIndex(), -1) << "the selected row goes: no selection";
    box.select(1);
    box.remove(2);
    EXPECT_EQ(box.selectedIndex(), 1) << "a row below it goes: no change";

    box.removeAll();
    EXPECT_TRUE(box.listMessage().empty());
    EXPECT_EQ(box.selectedIndex(), -1);
    EXPECT_EQ(box.unreadCount(), 0u);
    box.insertNewest(mail("g", "7"));
    EXPECT_EQ(box.selectedIndex(), -1);
    EXPECT_EQ(box.unreadCount(), 1u);
    EXPECT_FALSE(box.select(1)) << "a row past the list";
}

TEST(MailboxModelTest, ADoubleTapClearsTheSelectionButTheReplyStillAnswersTheMessageShown) {
    MailboxModel box({mail("a", "1"), mail("b", "2")});
    auto second = box.select(1);
    box.select(1);
    EXPECT_EQ(box.selectedIndex(), -1);
    EXPECT_EQ(box.replyTarget(), second);
    box.replied();
    EXPECT_TRUE(second->isReply());
    EXPECT_FALSE(box.replyTarget());
    EXPECT_EQ(box.selectedIndex(), -1);
}

TEST(MailboxModelTest, PreviewsAreCutAt35CharactersAndTheTableScrollsToTheSelectedRow) {
    const std::string viet = "Chào bạn, tối nay chơi Tiến Lên không? Mình ở phòng 3";  // 53 characters
    struct Case {
        std::string text, preview;
    };
    const Case cases[] = {
        {std::string(35, 'x'), std::string(35, 'x')},
        {std::string(36, 'x'), std::string(35, 'x') + " ..."},
        {viet, "Chào bạn, tối nay chơi Tiến Lên khô ..."},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(MailboxModel::preview(c.text), c.preview) << c.text;

    MailboxModel box({mail("a", "1"), mail("b", "2"), mail("c", "3")});
    EXPECT_FALSE(box.selectedRowTop());
    box.select(2);
    EXPECT_EQ(box.selectedRowTop(), 90);
}

TEST(RankingPagerTest, PlacesCountWithTheLargestPageAndTheButtonsLockUntilReleased) {
    RankingPager pager;
    EXPECT_FALSE(pager.onPrevious()) << "at page 0 previous does nothing";
    EXPECT_TRUE(pager.nextEnabled());
    pager.pageReceived(10);
    EXPECT_EQ(pager.placeOf(0), 1);
    EXPECT_EQ(pager.placeOf(9), 10);

    EXPECT_TRUE(pager.onNext());
    EXPECT_FALSE(pager.nextEnabled());
    EXPECT_FALSE(pager.previousEnabled());
    pager.pageReceived(5);
    EXPECT_EQ(pager.placeOf(0), 11) << "a short page counts with the full page size";
    EXPECT_EQ(pager.placeOf(4), 15);
    pager.setEnabledForButton();
    EXPECT_TRUE(pager.previousEnabled());

    EXPECT_TRUE(pager.onPrevious());
    pager.setEnabledForButton();
    EXPECT_EQ(pager.page(), 0);
    EXPECT_FALSE(pager.previousEnabled());
    EXPECT_TRUE(pager.nextEnabled());
}

// The server tells no count of pages: a short page is the last, and so is a full one followed by an
// empty one, where the pager goes back.
TEST(RankingPagerTest, NextStopsOnTheLastPage) {
    RankingPager shortOnly;
    shortOnly.pageReceived(6);
    EXPECT_FALSE(shortOnly.nextEnabled());
    EXPECT_FALSE(shortOnly.onNext());
    EXPECT_EQ(shortOnly.page(), 0);

    RankingPager pager;
    EXPECT_FALSE(pager.pageReceived(10));
    ASSERT_TRUE(pager.onNext());
    EXPECT_FALSE(pager.pageReceived(10));
    pager.setEnabledForButton();
    ASSERT_TRUE(pager.onNext());
    EXPECT_TRUE(pager.pageReceived(0)) << "an empty page past the end";
    EXPECT_EQ(pager.page(), 1);
    EXPECT_EQ(pager.placeOf(0), 11);
    pager.setEnabledForButton();
    EXPECT_FALSE(pager.nextEnabled());
    EXPECT_TRUE(pager.previousEnabled());
    EXPECT_TRUE(pager.onPrevious());
    EXPECT_EQ(pager.page(), 0);
    pager.setEnabledForButton();
    EXPECT_TRUE(pager.nextEnabled());
}
