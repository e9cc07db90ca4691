// Who owns whom between screens: back links are weak, a sheet leaves with its presenter, and changes
// of screens from another thread are caught.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/MainThread.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

std::vector<std::string> events;

class Table : public ViewController {
    ZUNO_BINDINGS
public:
    ~Table() override { events.push_back("table gone"); }
};

const BindingTable& Table::bindings() {
    static const BindingTable table(&ViewController::bindings(), {});
    return table;
}

// A sheet whose close button pops the table that presented it: the handler destroys its own owner.
class LeaveSheet : public ViewController {
    ZUNO_BINDINGS
public:
    explicit LeaveSheet(bool animated) : animated_(animated) {}
    ~LeaveSheet() override { events.push_back("sheet gone"); }
    void loadView() override {
        setView(std::make_shared<View>(Rect(0, 0, 480, 320)));
        button = std::make_shared<Button>();
        button->setFrame(Rect(10, 10, 100, 40));
        button->addTarget(this, "doLeave:", ControlEvent::TouchUpInside);
        view()->addSubview(button);
    }
    void viewDidDisappear(bool) override { events.push_back("sheet disappeared"); }
    void doLeave(Button*) {
        auto presenter = parentViewController();
        auto nav = presenter ? presenter->navigationController() : nullptr;
        ASSERT_TRUE(nav);
        nav->popViewControllerAnimated(animated_);
        // Still safe to look around after the owner let go.
        events.push_back(parentViewController() ? "sheet still has a presenter" : "sheet has no presenter");
        events.push_back(navigationController() ? "sheet still has a stack" : "sheet has no stack");
    }
    std::shared_ptr<Button> button;

private:
    bool animated_;
};

const BindingTable& LeaveSheet::bindings() {
    using B = Bind<LeaveSheet>;
    static const BindingTable table(&ViewController::bindings(), {B::action("doLeave:", &LeaveSheet::doLeave)});
    return table;
}

class ScreenOwnershipTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        events.clear();
        nav = std::make_shared<NavigationController>(std::make_shared<ViewController>());
        window->setRootViewController(nav);
    }
    std::shared_ptr<NavigationController> nav;
};

TEST_F(ScreenOwnershipTest, ATablePoppedByItsOwnSheetTakesTheSheetAlong) {
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "animated" : "at once");
        events.clear();
        std::weak_ptr<ViewController> weakTable, weakSheet;
        std::weak_ptr<View> sheetView;
        {
            auto table = std::make_shared<Table>();
            nav->pushViewController(table, false);
            auto sheet = std::make_shared<LeaveSheet>(animated);
            table->presentModalViewController(sheet, false);
            weakTable = table;
            weakSheet = sheet;
            sheetView = sheet->view();
            ASSERT_EQ(sheet->view()->superview(), window);
        }
        window->tapView(*std::static_pointer_cast<LeaveSheet>(weakSheet.lock())->button);
        run(1.0);
        EXPECT_TRUE(weakTable.expired());
        EXPECT_TRUE(weakSheet.expired());
        EXPECT_TRUE(sheetView.expired()) << "the sheet's view stayed on the window";
        EXPECT_EQ(window->subviews().size(), 1u);  // the stack alone
        // At once, both leave before the handler returns; animated, each lives until its slide ends.
        auto expected = animated ? std::vector<std::string>{"sheet still has a presenter", "sheet still has a stack",
                                                            "sheet disappeared", "sheet gone", "table gone"}
                                 : std::vector<std::string>{"sheet disappeared", "sheet has no presenter",
                                                            "sheet has no stack", "table gone", "sheet gone"};
        EXPECT_EQ(events, expected);
    }
}

TEST_F(ScreenOwnershipTest, APresenterThatGoesTakesItsSheetOffTheWindow) {
    auto screen = std::make_shared<ViewController>();
    window->addSubview(screen->view());
    auto sheet = std::make_shared<ViewController>();
    screen->presentModalViewController(sheet, false);
    ASSERT_EQ(sheet->view()->superview(), window);
    screen->view()->removeFromSuperview();
    screen.reset();
    EXPECT_EQ(sheet->view()->superview(), nullptr);
    EXPECT_EQ(sheet->parentViewController(), nullptr);
}

TEST_F(ScreenOwnershipTest, ChildrenAskedAfterTheStackIsGoneAnswerNone) {
    auto child = std::make_shared<ViewController>();
    auto grandChild = std::make_shared<ViewController>();
    {
        auto stack = std::make_shared<NavigationController>(child);
        stack->view();
        child->presentModalViewController(grandChild, false);
        ASSERT_EQ(grandChild->navigationController(), stack);
    }
    EXPECT_EQ(child->navigationController(), nullptr);
    EXPECT_EQ(child->parentViewController(), nullptr);
    EXPECT_EQ(grandChild->navigationController(), nullptr);
}

#ifndef NDEBUG  // Release builds leave the main-thread check out of these changes (MainThread.h).
TEST_F(ScreenOwnershipTest, ScreensChangedFromAnotherThreadAreCaught) {
    std::vector<std::string> reported;
    std::mutex m;
    auto previous = sys::setMainThreadViolationHandler([&](const std::string& what) {
        std::lock_guard<std::mutex> lock(m);
        reported.push_back(what);
    });
    auto view = std::make_shared<View>();
    auto alert = std::make_shared<AlertView>("t", "m", std::weak_ptr<AlertViewDelegate>(), "OK",
                                             std::vector<std::string>{});
    view->addSubview(std::make_shared<View>());  // on the main thread: fine
    std::thread([&] {
        view->addSubview(std::make_shared<View>());
        view->setFrame(Rect(0, 0, 5, 5));
        nav->pushViewController(std::make_shared<ViewController>(), false);
        alert->show();
    }).join();
    sys::setMainThreadViolationHandler(previous);
    ASSERT_GE(reported.size(), 4u);
    EXPECT_EQ(reported[0], "a view tree");
    EXPECT_EQ(reported[1], "a view's frame");
    EXPECT_EQ(reported[2], "a navigation stack");
    EXPECT_NE(std::find(reported.begin(), reported.end(), "an alert"), reported.end());
}
#endif

}  // namespace
}  // namespace zuno::ui::test
