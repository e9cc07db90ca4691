// The layout check on small trees made by hand: what it must find, and what it must leave alone.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "games/caro/CaroBoard.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"
#include "support/LayoutCheck.h"
#include "support/UiTest.h"
#include "table/CardView.h"
#include "table/ShowsPlay.h"
#include "table/TableDecorations.h"

namespace zuno::testing {
namespace {

class Screen : public ui::ViewController {
public:
    Screen() { view()->setFrame(ui::Rect(0, 0, 480, 320)); }
};

// A board that tells where its pieces lie, of a kind the layout check does not know.
class PiecesBoard : public ui::View, public ShowsPlay {
public:
    using ui::View::View;
    std::vector<ui::Rect> playFrames() const override { return pieces; }
    std::vector<ui::Rect> pieces;
};

class LayoutCheckTest : public ui::test::UiTest {
protected:
    template <class V = ui::View>
    std::shared_ptr<V> add(const ui::Rect& frame, const std::string& name, ui::View* into = nullptr) {
        auto v = std::make_shared<V>(frame);
        v->setIdentifier(name);
        (into ? *into : *screen->view()).addSubview(v);
        return v;
    }
    std::shared_ptr<ui::Label> label(const ui::Rect& frame, const std::string& name, const std::string& text,
                                     ui::View* into = nullptr) {
        auto l = add<ui::Label>(frame, name, into);
        l->setFont(ui::Font::systemFontOfSize(12));
        l->setText(text);
        return l;
    }
    std::shared_ptr<ui::Button> button(const ui::Rect& frame, const std::string& name, ui::View* into = nullptr) {
        auto b = std::make_shared<ui::Button>(ui::Button::Type::Custom, frame);
        b->setIdentifier(name);
        (into ? *into : *screen->view()).addSubview(b);
        return b;
    }
    std::vector<std::string> found() {
        std::vector<std::string> out;
        for (const auto& f : checkLayoutOfView(*screen->view())) out.push_back(f.rule + ": " + f.subject);
        return out;
    }

    std::shared_ptr<Screen> screen = std::make_shared<Screen>();
};

TEST_F(LayoutCheckTest, FindsWhatAPlayerCouldNotTapOrRead) {
    // A button under a panel drawn after it; the panel takes its taps.
    button({10, 10, 80, 30}, "btnLeave");
    add({0, 0, 100, 50}, "panel")->setBackgroundColor(ui::Color::white());
    // A caption longer than its frame.
    label({10, 100, 40, 20}, "lblCaption", "A rather long caption");
    // A picture running over the right edge.
    add({450, 200, 60, 20}, "imgStrip")->setBackgroundColor(ui::Color::black());
    // Two texts drawn over each other.
    label({200, 100, 100, 20}, "lblName", "Binh");
    label({210, 104, 100, 20}, "lblMoney", "1,000 Xu");
    // A status line running under an avatar.
    add<ui::ImageView>({300, 150, 44, 44}, "imgAvatar")->setImage(ui::Image::placeholder("av0"));
    label({320, 170, 140, 20}, "lblStatus", "Out for lunch");
    // A shown card over most of a player's avatar; a mark over more than half of another.
    add<ui::ImageView>({380, 70, 44, 44}, "ava1")->setImage(ui::Image::placeholder("av1"));
    auto shown = std::make_shared<CardView>(int8_t(7));
    shown->setFrame(ui::Rect(380, 60, 36, 48));
    screen->view()->addSubview(shown);
    add<ui::ImageView>({0, 140, 44, 44}, "ava2")->setImage(ui::Image::placeholder("av2"));
    add<ui::ImageView>({20, 150, 40, 30}, "imgEnd2")->setImage(ui::Image::placeholder("end"));
    // A key where its text should be, and a Vietnamese word in the English interface.
    label({10, 250, 150, 20}, "lblKey", "ZUNO_login");
    label({200, 250, 150, 20}, "lblLoading", "Dang tai...");
    // A tab of one row drawn over the edge of a button of another.
    button({100, 285, 80, 24}, "btnTab")->setBackgroundImage(ui::Image::placeholder("tab"));
    button({160, 290, 80, 24}, "btnTransfer")->setBackgroundImage(ui::Image::placeholder("button"));
    // A tab running past the bottom, cut off there by a view that clips at the window's edge (as the
    // navigation stack's view does).
    auto stack = add({260, 280, 220, 40}, "stack");
    stack->setClipsToBounds(true);
    button({40, 24, 112, 20}, "btnTabShop", stack.get())->setBackgroundImage(ui::Image::placeholder("tab"));

    auto findings = found();
    std::sort(findings.begin(), findings.end());
    EXPECT_EQ(findings, (std::vector<std::string>{
                            "controls-overlap: Button 'btnTab' and Button 'btnTransfer'",
                            "covered: Button 'btnLeave' under View 'panel'",
                            "cut: Label 'lblCaption' \"A rather long caption\"",
                            "key-shown: Label 'lblKey'",
                            "off-window: Button 'btnTabShop'",
                            "off-window: View 'imgStrip'",
                            "other-language: Label 'lblLoading' \"Dang tai...\"",
                            "pictures-overlap: CardView and ImageView 'ava1'",
                            "pictures-overlap: ImageView 'imgEnd2' and ImageView 'ava2'",
                            "texts-overlap: Label 'lblName' and Label 'lblMoney'",
                            "texts-overlap: Label 'lblStatus' and ImageView 'imgAvatar'",
                        }));
}

TEST_F(LayoutCheckTest, LeavesAloneWhatIsMeantSo) {
    // A label that cuts long names on purpose, a name that fits.
    label({10, 10, 40, 20}, "lblName0", "A rather long name")->setTruncatesOnPurpose(true);
    label({10, 40, 100, 20}, "lblName1", "Binh");
    // A closed side panel out of sight at a place of its own.
    add({490, 0, 120, 320}, "viewMenu")->setBackgroundColor(ui::Color::white());
    // A strip of links wider than the window, clipped by its scroll view.
    auto strip = add<ui::ScrollView>({0, 200, 480, 90}, "scrollView");
    strip->setContentSize({920, 90});
    button({800, 10, 80, 60}, "btnLogout", strip.get())->setBackgroundColor(ui::Color::white());
    // A fanned hand: each card shows a strip of 20 points that takes its tap.
    for (int k = 0; k < 4; ++k) {
        auto card = std::make_shared<CardView>(int8_t(k));
        card->setFrame(ui::Rect(150 + 20 * k, 230, 60, 80));
        screen->view()->addSubview(card);
    }
    // A ready mark on an avatar's corner, wholly on it; a piece lifted over the mark of its place.
    add<ui::ImageView>({400, 100, 44, 44}, "ava0")->setImage(ui::Image::placeholder("av0"));
    add<ui::ImageView>({424, 100, 20, 20}, "ok0")->setImage(ui::Image::placeholder("ok"));
    add<ui::ImageView>({300, 100, 30, 30}, "imgSelected")->setImage(ui::Image::placeholder("sel"));
    add<ui::ImageView>({300, 92, 30, 30}, "imgPiece")->setImage(ui::Image::placeholder("piece"));
    // A field with its clear button wholly on it; a bare tap area (a row's) reaching over the field's edge.
    add<ui::TextField>({120, 150, 120, 24}, "txtName");
    button({215, 152, 20, 20}, "btnClear")->setImage(ui::Image::placeholder("x"));
    button({80, 145, 50, 34}, "btnRow");
    // A strip cut on purpose by a panel inside the window, though it would run past the window's edge.
    auto panel = add({150, 40, 100, 40}, "panelStrip");
    panel->setClipsToBounds(true);
    add({-20, -10, 400, 30}, "imgWide", panel.get())->setBackgroundColor(ui::Color::black());
    // A bare tap area behind a form lifted for typing, past the top: it shows nothing.
    button({0, -10, 100, 20}, "btnBackground");
    // A fly-text on its way past the edge.
    auto fly = label({300, 20, 80, 20}, "lblFly", "+500");
    ui::View::animate(1.0, [&] { fly->setFrame(ui::Rect(460, 20, 80, 20)); });

    EXPECT_EQ(found(), std::vector<std::string>{});
}

// A table's money fly-text shows only while it flies: its way from where it shows to where it lands
// must pass over no text, card or small picture at rest. What it has flown past counts no more.
TEST_F(LayoutCheckTest, AMoneyFlyTextIsJudgedAlongItsWay) {
    label({180, 100, 100, 20}, "lblStake", "2,000 Xu");
    auto card = std::make_shared<CardView>(int8_t(0));
    card->setFrame(ui::Rect(300, 200, 60, 80));
    screen->view()->addSubview(card);
    const auto flying = [&](ui::Point from, ui::Point to) {
        auto fly = label({0, 0, 160, 20}, TableDecorations::kFlyTextIdentifier, "-2000");
        fly->setTextAlignment(ui::TextAlignment::Center);
        fly->setCenter(from);
        ui::View::animate(1.0, [&] { fly->setCenter(to); });
        return fly;
    };
    // Through the stake, and onto the corner of the card.
    auto overStake = flying({100, 110}, {380, 110});
    auto overCard = flying({250, 260}, {320, 190});
    EXPECT_EQ(found(), (std::vector<std::string>{"flight-over: Label 'flyText' \"-#\" flying over Label 'lblStake'",
                                                 "flight-over: Label 'flyText' \"-#\" flying over a card"}));
    overStake->removeFromSuperview();
    overCard->removeFromSuperview();

    // Past the stake already; one that runs beside it.
    auto past = flying({100, 140}, {330, 110});
    run(0.8);
    flying({100, 140}, {330, 140});
    EXPECT_EQ(found(), std::vector<std::string>{});
}

// Texts cut so that they read the same cannot be told apart: tabs of one row, segments, the labels of
// a sheet. A list's names cut alike in rows of their own, or two texts that are the same, are left alone.
TEST_F(LayoutCheckTest, CutTextsThatReadTheSameCannotBeToldApart) {
    for (int i = 0; i < 3; ++i) {
        auto tab = button({160 + 59.0 * i, 31, 58, 23}, "tab" + std::to_string(i));
        tab->setTitle(std::vector<std::string>{"Áo phông", "Áo khoác", "Áo choàng"}[size_t(i)]);
        tab->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(12));
    }
    run(1);
    auto kinds = std::make_shared<ui::SegmentedControl>(std::vector<std::string>{"Thành viên mới", "Thành viên cũ"});
    kinds->setFrame(ui::Rect(10, 80, 120, 30));
    kinds->setIdentifier("segKind");
    screen->view()->addSubview(kinds);
    label({10, 150, 60, 20}, "lblName0", "Nguyễn Văn An")->setTruncatesOnPurpose(true);
    label({10, 180, 60, 20}, "lblName1", "Nguyễn Văn Bình")->setTruncatesOnPurpose(true);
    label({200, 150, 40, 20}, "lblSame0", "Nguyễn Văn An")->setTruncatesOnPurpose(true);
    label({300, 150, 40, 20}, "lblSame1", "Nguyễn Văn An")->setTruncatesOnPurpose(true);
    auto sheet = std::make_shared<ui::ViewController>();
    sheet->view()->setFrame(ui::Rect(0, 0, 480, 320));
    screen->view()->addSubview(sheet->view());
    label({10, 230, 60, 20}, "lblFriend0", "Nguyễn Văn An", sheet->view().get())->setTruncatesOnPurpose(true);
    label({10, 270, 60, 20}, "lblFriend1", "Nguyễn Văn Bình", sheet->view().get())->setTruncatesOnPurpose(true);

    std::vector<std::string> alike;
    for (const auto& f : found())
        if (f.rfind("cut-alike: ", 0) == 0) alike.push_back(f);
    EXPECT_EQ(alike, (std::vector<std::string>{
                         "cut-alike: title of Button 'tab0' and title of Button 'tab1' both read \"Áo...\"",
                         "cut-alike: title of Button 'tab0' and title of Button 'tab2' both read \"Áo...\"",
                         "cut-alike: title of Button 'tab1' and title of Button 'tab2' both read \"Áo...\"",
                         "cut-alike: SegmentedControl 'segKind' segment \"Thành viên mới\" and SegmentedControl "
                         "'segKind' segment \"Thành viên cũ\" both read \"Thàn...\"",
                         "cut-alike: Label 'lblFriend0' and Label 'lblFriend1' both read \"Nguyễn...\"",
                     }));
}

TEST_F(LayoutCheckTest, FindsATextInTheColourOfWhatLiesUnderIt) {
    auto cell = add({0, 0, 480, 60}, "cell");
    cell->setBackgroundColor(ui::Color::white());
    // White on the white cell: unreadable; a faint grey on it hardly better.
    auto onWhite = label({10, 10, 100, 20}, "lblWhite", "Binh");
    onWhite->setBackgroundColor(std::nullopt);
    onWhite->setTextColor(ui::Color::white());
    auto faint = label({200, 10, 100, 20}, "lblFaint", "Chi");
    faint->setBackgroundColor(std::nullopt);
    faint->setTextColor(ui::Color::rgb255(235, 235, 235));
    // What reads: dark on the cell, white on a dark panel, white with a dark shadow on the cell, and a
    // white text on its own dark background over the cell.
    auto dark = label({320, 10, 100, 20}, "lblDark", "Dung");
    dark->setBackgroundColor(std::nullopt);
    dark->setTextColor(ui::Color::rgb255(58, 36, 16));
    auto panel = add({0, 100, 480, 60}, "panel");
    panel->setBackgroundColor(ui::Color::rgb255(27, 58, 92));
    auto onPanel = label({10, 10, 100, 20}, "lblOnPanel", "Giang", panel.get());
    onPanel->setBackgroundColor(std::nullopt);
    onPanel->setTextColor(ui::Color::white());
    auto shadowed = label({10, 35, 100, 20}, "lblShadowed", "Hung");
    shadowed->setBackgroundColor(std::nullopt);
    shadowed->setTextColor(ui::Color::white());
    shadowed->setShadowColor(ui::Color::black());
    shadowed->setShadowOffset({1, 1});
    auto boxed = label({200, 35, 100, 20}, "lblBoxed", "Khanh");
    boxed->setBackgroundColor(ui::Color::rgb255(27, 58, 92));
    boxed->setTextColor(ui::Color::white());

    EXPECT_EQ(found(), (std::vector<std::string>{"text-contrast: Label 'lblWhite' \"Binh\"",
                                                 "text-contrast: Label 'lblFaint' \"Chi\""}));
}

TEST_F(LayoutCheckTest, TheFieldThatHasTheKeyboardIsSeen) {
    // A field under a panel drawn over it that lets taps through: the tap reaches it, the eye does not.
    auto hidden = add<ui::TextField>({120, 50, 200, 30}, "txtChat");
    auto panel = add({100, 40, 300, 60}, "rowPanel");
    panel->setBackgroundColor(ui::Color::white());
    panel->setUserInteractionEnabled(false);
    hidden->becomeFirstResponder();
    EXPECT_EQ(found(), std::vector<std::string>{"focus-hidden: TextField 'txtChat' under View 'rowPanel'"});

    // Mostly cut off by the view that holds it.
    auto form = add({0, 200, 480, 40}, "viewScroll");
    form->setClipsToBounds(true);
    auto lifted = add<ui::TextField>({100, 30, 200, 30}, "txtPass", form.get());
    lifted->becomeFirstResponder();
    EXPECT_EQ(found(), std::vector<std::string>{"focus-hidden: TextField 'txtPass' out of sight"});

    // Hidden with its keyboard still on.
    form->setHidden(true);
    EXPECT_EQ(found(), std::vector<std::string>{"focus-hidden: TextField 'txtPass' not shown"});

    // Seen: its clear button on it, a hint beside it.
    auto name = add<ui::TextField>({120, 250, 160, 30}, "txtName");
    button({252, 255, 20, 20}, "btnClear")->setImage(ui::Image::placeholder("x"));
    label({290, 255, 100, 20}, "lblHint", "4 letters");
    name->becomeFirstResponder();
    EXPECT_EQ(found(), std::vector<std::string>{});
}

TEST_F(LayoutCheckTest, ACardsStripMustTakeItsTap) {
    std::vector<std::shared_ptr<CardView>> hand;
    for (int k = 0; k < 3; ++k) {
        auto card = std::make_shared<CardView>(int8_t(k));
        card->setFrame(ui::Rect(100 + 30 * k, 230, 60, 80));
        screen->view()->addSubview(card);
        hand.push_back(card);
    }
    // A see-through bar laid over the hand's lower part takes the taps there; the upper part still
    // takes each card's tap.
    add({0, 280, 480, 40}, "bottomMenuView");
    EXPECT_EQ(found(), std::vector<std::string>{});
    // Over the whole hand it takes every tap: one finding names the cards it covers.
    add({0, 220, 480, 100}, "bottomCover");
    EXPECT_EQ(found(), std::vector<std::string>{"covered: CardView under View 'bottomCover'"});
}

TEST_F(LayoutCheckTest, OnlyTheDialogOnTopTakesTapsAndItsTextsAreApart) {
    window->setRootViewController(screen);
    button({200, 140, 80, 40}, "btnStart");
    label({190, 150, 100, 20}, "lblStake", "100 Xu");
    auto alert = std::make_shared<ui::AlertView>("Leave", "Leave the table?", std::weak_ptr<ui::AlertViewDelegate>(),
                                                 "Cancel", std::vector<std::string>{"OK"});
    alert->show();
    run(1);
    std::vector<std::string> subjects;
    for (const auto& f : checkLayoutOfWindows()) subjects.push_back(f.screen + " | " + f.rule);
    EXPECT_EQ(subjects, std::vector<std::string>{});
    alert->dismissWithClickedButtonIndex(0, false);
}

TEST_F(LayoutCheckTest, ASheetOverTheScreenIsALayerOfItsOwn) {
    window->setRootViewController(screen);
    button({200, 140, 80, 40}, "btnStart");
    auto sheet = std::make_shared<ui::ViewController>();
    sheet->view()->setFrame(ui::Rect(0, 0, 480, 320));
    screen->view()->addSubview(sheet->view());
    button({100, 100, 100, 40}, "btnOk", sheet->view().get());
    EXPECT_EQ(checkLayoutOfWindows().size(), 0u);

    // Out of sight below the window, a closed sheet takes nothing and shows nothing.
    sheet->view()->setFrame(ui::Rect(0, 330, 480, 320));
    EXPECT_EQ(checkLayoutOfWindows().size(), 0u);
}

// A chat bubble over a stone hides play; one between the stones, or over the place of a stone scrolled
// out of sight, hides nothing. The stones are found where the board draws them, zoomed and scrolled.
TEST_F(LayoutCheckTest, ABubbleKeepsOffThePlay) {
    auto board = CaroBoard::create({100, 40, 200, 200});
    board->setIdentifier("board");
    screen->view()->addSubview(board);
    board->scrollCaroBoard()->setZoomScale(1.5);
    board->scrollCaroBoard()->setContentOffset({200, 200});
    board->moveWithX(10, 10, false);
    board->moveWithX(4, 12, false);  // left of the part in sight
    run(1);
    const auto drawn = [&](int x, int y) {
        const auto stone = board->viewCaroBoard()->viewWithTag(x * 100 + y);
        return stone->convertRectToView(stone->bounds(), screen->view().get());
    };
    const ui::Rect stone = drawn(10, 10), away = drawn(4, 12);
    ASSERT_LT(away.midX(), board->frame().x());
    const auto bubble = [&](const ui::Rect& frame, const std::string& name) {
        auto picture = add<ui::ImageView>(frame, name);
        picture->setImage(ui::Image::placeholder("bubble"));
        label({8, 8, 50, 20}, "", "Hello", picture.get());
    };
    bubble({stone.maxX() - 4, stone.midY() - 20, 100, 40}, "chat0");  // over the stone's right edge
    bubble({stone.x() - 92, stone.midY() - 20, 90, 40}, "chat2");      // beside it
    bubble({away.midX() - 40, away.midY() - 20, 80, 40}, "chat4");     // where the other would lie unclipped

    std::vector<std::string> findings;
    for (const auto& f : checkLayoutOfView(*screen->view(), true)) findings.push_back(f.rule + ": " + f.subject);
    EXPECT_EQ(findings, std::vector<std::string>{"bubble-over: ImageView 'chat0' over the play of CaroBoard 'board'"});
}

// A view that tells the table where its play lies, of a kind the check cannot read its drawing of,
// fails: the check would not see that play.
TEST_F(LayoutCheckTest, PlayOfAnUnknownKindFails) {
    add<PiecesBoard>({100, 40, 280, 240}, "board")->pieces = {{0, 0, 30, 30}};
    EXPECT_NONFATAL_FAILURE(checkLayoutOfView(*screen->view(), true), "PiecesBoard 'board' shows play");
}

}  // namespace
}  // namespace zuno::testing
