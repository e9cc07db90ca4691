#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TextView.h"
#include "platform/ui/ViewController.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class MoreControlsTest : public UiTest {};

// A board that zooms on a double tap and takes single taps as moves, as the Caro board does.
class Board : public ViewController {
    ZUNO_BINDINGS
public:
    int doubleTaps = 0;
    Point where;
    void handleDoubleTap(GestureRecognizer* g) {
        ++doubleTaps;
        where = g->locationInView(view().get());
    }
};

const BindingTable& Board::bindings() {
    using B = Bind<Board>;
    static const BindingTable table(&ViewController::bindings(), {B::action("handleDoubleTap:", &Board::handleDoubleTap)});
    return table;
}

struct TouchCounter : View {
    using View::View;
    int ended = 0, cancelled = 0;
    void touchesEnded(const TouchSet&, const Event&) override { ++ended; }
    void touchesCancelled(const TouchSet&, const Event&) override { ++cancelled; }
};

TEST_F(MoreControlsTest, ADoubleTapIsRecognisedAndItsSecondTouchCancelled) {
    auto board = std::make_shared<Board>();
    auto grid = std::make_shared<TouchCounter>(Rect(0, 0, 300, 300));
    board->setView(grid);
    window->addSubview(grid);
    auto recognizer = std::make_shared<TapGestureRecognizer>(board, "handleDoubleTap:");
    recognizer->setNumberOfTapsRequired(2);
    grid->addGestureRecognizer(recognizer);
    window->tap({100, 100});
    EXPECT_EQ(grid->ended, 1);
    run(0.1);
    window->tap({102, 101});
    EXPECT_EQ(board->doubleTaps, 1);
    EXPECT_EQ(board->where, (Point{102, 101}));
    EXPECT_EQ(grid->cancelled, 1);
    // Taps too far apart in time are single taps again.
    run(1.0);
    window->tap({100, 100});
    EXPECT_EQ(board->doubleTaps, 1);
    EXPECT_EQ(grid->ended, 2);
    // A left click is one finger: a two-finger tap recogniser hears only the right button.
    auto twoFingers = std::make_shared<TapGestureRecognizer>(board, "handleDoubleTap:");
    twoFingers->setNumberOfTouchesRequired(2);
    grid->addGestureRecognizer(twoFingers);
    run(1.0);
    window->tap({50, 50});
    EXPECT_EQ(board->doubleTaps, 1);
    window->twoFingerTap({60, 70});
    EXPECT_EQ(board->doubleTaps, 2);
    EXPECT_EQ(board->where, (Point{60, 70}));
    EXPECT_EQ(grid->ended, 3) << "the view itself hears nothing of it";
    window->twoFingerTap({400, 20});  // beside the grid
    EXPECT_EQ(board->doubleTaps, 2);
}

TEST_F(MoreControlsTest, PageControlStepsTowardsTheTappedSide) {
    auto dots = std::make_shared<PageControl>(Rect(140, 280, 200, 36));
    window->addSubview(dots);
    dots->setNumberOfPages(3);
    std::vector<int> pages;
    dots->addHandler([&](Control& c) { pages.push_back(static_cast<PageControl&>(c).currentPage()); }, ControlEvent::ValueChanged);
    window->tap({330, 298});
    window->tap({330, 298});
    window->tap({330, 298});  // already on the last page
    window->tap({150, 298});
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 1}));
    dots->setCurrentPage(9);
    EXPECT_EQ(dots->currentPage(), 2);
    dots->setNumberOfPages(1);
    EXPECT_EQ(dots->currentPage(), 0);
}

TEST_F(MoreControlsTest, SpinnerHidesWhenStoppedAndTurnsOnlyOnScreen) {
    ActivityIndicatorView large(ActivityIndicatorView::Style::WhiteLarge);
    EXPECT_EQ(large.frame().size, (Size{37, 37}));
    auto spinner = std::make_shared<ActivityIndicatorView>(ActivityIndicatorView::Style::Gray);
    EXPECT_EQ(spinner->frame().size, (Size{20, 20}));
    EXPECT_TRUE(spinner->isHidden());
    size_t timersBefore = sys::RunLoop::main().timerCount();
    spinner->startAnimating();
    EXPECT_FALSE(spinner->isHidden());
    EXPECT_EQ(sys::RunLoop::main().timerCount(), timersBefore);  // not on screen: nothing turns
    window->addSubview(spinner);
    EXPECT_EQ(sys::RunLoop::main().timerCount(), timersBefore + 1);
    spinner->stopAnimating();
    EXPECT_TRUE(spinner->isHidden());
    EXPECT_EQ(sys::RunLoop::main().timerCount(), timersBefore);
    spinner->setHidesWhenStopped(false);
    EXPECT_FALSE(spinner->isHidden());
}

class Wheel : public PickerViewDataSource, public PickerViewDelegate {
public:
    std::vector<std::string> names{"Ha Noi", "Hai Phong", "Hue", "Da Nang", "Sai Gon"};
    std::vector<int> picked;
    int numberOfComponentsInPickerView(PickerView&) override { return 1; }
    int numberOfRowsInComponent(PickerView&, int) override { return int(names.size()); }
    std::optional<std::string> titleForRow(PickerView&, int row, int) override { return names[size_t(row)]; }
    void didSelectRow(PickerView&, int row, int) override { picked.push_back(row); }
};

TEST_F(MoreControlsTest, PickerTurnsByTapsAndDrags) {
    auto picker = std::make_shared<PickerView>(Rect(0, 0, 320, 216));
    window->addSubview(picker);
    auto wheel = std::make_shared<Wheel>();
    picker->setDelegate(wheel);
    picker->setDataSource(wheel);
    EXPECT_EQ(picker->selectedRowInComponent(0), 0);
    window->tap({100, 108 + 44});  // the row below the band
    EXPECT_EQ(picker->selectedRowInComponent(0), 1);
    window->drag({100, 200}, {100, 200 - 88}, 4);  // two rows up
    EXPECT_EQ(picker->selectedRowInComponent(0), 3);
    window->tap({100, 20});  // above the band: back
    EXPECT_EQ(picker->selectedRowInComponent(0), 1);
    EXPECT_EQ(wheel->picked, (std::vector<int>{1, 3, 1}));
    picker->selectRow(99, 0, false);
    EXPECT_EQ(picker->selectedRowInComponent(0), 4);
    EXPECT_EQ(picker->selectedRowInComponent(5), -1);
}

TEST_F(MoreControlsTest, SwitchCaptionsSitWhereALabellingSubclassLooksForThem) {
    // switch > track > strip > (on caption, off caption): the grandchildren's first and second labels.
    Switch sw;
    std::vector<Label*> first, second;
    for (const auto& child : sw.subviews()) {
        for (const auto& grandchild : child->subviews()) {
            const auto& labels = grandchild->subviews();
            if (labels.size() >= 2) {
                first.push_back(dynamic_cast<Label*>(labels[0].get()));
                second.push_back(dynamic_cast<Label*>(labels[1].get()));
            }
        }
    }
    ASSERT_EQ(first.size(), 1u);
    ASSERT_TRUE(first[0] && second[0]);
    EXPECT_EQ(first[0]->text(), "ON");
    EXPECT_EQ(second[0]->text(), "OFF");
    first[0]->setText("BẬT");
    EXPECT_EQ(sw.onLabel()->text(), "BẬT");
}

TEST_F(MoreControlsTest, ProgressAndTextViewKeepTheirValuesSane) {
    ProgressView bar(ProgressView::Style::Default);
    bar.setProgress(1.5);
    EXPECT_EQ(bar.progress(), 1.0);
    bar.setProgress(-2);
    EXPECT_EQ(bar.progress(), 0.0);

    auto text = std::make_shared<TextView>(Rect(0, 0, 200, 100));
    window->addSubview(text);
    text->setEditable(false);
    window->tapView(*text);
    EXPECT_FALSE(text->isFirstResponder());
    text->setText(std::string(400, 'a') + " end");
    EXPECT_GT(text->contentSize().height, 100);  // long text wraps and scrolls
    text->setEditable(true);
    window->tapView(*text);
    ASSERT_TRUE(text->isFirstResponder());
    // The tap put the caret among the a's: typing and deleting happen there.
    Application::shared().sendText("!");
    Application::shared().sendDeleteBackward();
    Application::shared().sendDeleteBackward();
    EXPECT_EQ(text->text(), std::string(399, 'a') + " end");
}

TEST_F(MoreControlsTest, ApplicationHooksAndWindowOrder) {
    auto& app = Application::shared();
    EXPECT_FALSE(app.openURL("telprompt:19001234"));  // nothing wired: nothing opens
    std::vector<std::string> opened;
    app.setUrlOpener([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(app.openURL("http://example.test/"));
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.test/"}));
    app.setApplicationIconBadgeNumber(3);
    EXPECT_EQ(app.applicationIconBadgeNumber(), 3);
    EXPECT_EQ(app.statusBarOrientation(), InterfaceOrientation::LandscapeRight);

    auto high = std::make_shared<Window>();
    high->setWindowLevel(Window::kLevelAlert);
    high->makeVisible();
    auto normal = std::make_shared<Window>();
    normal->makeVisible();
    auto windows = app.windows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0], window);
    EXPECT_EQ(windows[1], normal);
    EXPECT_EQ(windows[2], high);
    EXPECT_EQ(app.keyWindow(), window);
    high->close();
    EXPECT_EQ(app.windows().size(), 2u);
}

class Sheet : public ViewController {
public:
    std::vector<std::string> log;
    void viewWillAppear(bool) override { log.push_back("willAppear"); }
    void viewDidAppear(bool) override { log.push_back("didAppear"); }
    void viewWillDisappear(bool) override { log.push_back("willDisappear"); }
    void viewDidDisappear(bool) override { log.push_back("didDisappear"); }
};

TEST_F(MoreControlsTest, AModalScreenCoversTheWindowUntilDismissed) {
    auto screen = std::make_shared<ViewController>();
    window->addSubview(screen->view());
    auto sheet = std::make_shared<Sheet>();
    screen->presentModalViewController(sheet, true);
    EXPECT_EQ(screen->modalViewController(), sheet);
    EXPECT_EQ(sheet->parentViewController(), screen);
    run(0.5);
    EXPECT_EQ(sheet->view()->frame(), window->bounds());
    EXPECT_EQ(sheet->view()->superview(), window);
    sheet->dismissModalViewControllerAnimated(false);
    EXPECT_EQ(sheet->view()->superview(), nullptr);
    EXPECT_EQ(sheet->log, (std::vector<std::string>{"willAppear", "didAppear", "willDisappear", "didDisappear"}));
}

}  // namespace
}  // namespace zuno::ui::test
