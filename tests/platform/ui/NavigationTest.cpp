#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/UiTest.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/NavigationController.h"

namespace zuno::ui::test {
namespace {

std::vector<std::string> calls;

class Screen : public ViewController {
public:
    explicit Screen(std::string name, std::optional<std::string> file = std::nullopt)
        : ViewController(std::move(file)), name_(std::move(name)) {}
    void viewDidLoad() override { calls.push_back(name_ + ".viewDidLoad"); }
    void viewWillAppear(bool) override { calls.push_back(name_ + ".viewWillAppear"); }
    void viewDidAppear(bool) override { calls.push_back(name_ + ".viewDidAppear"); }
    void viewWillDisappear(bool) override { calls.push_back(name_ + ".viewWillDisappear"); }
    void viewDidDisappear(bool) override { calls.push_back(name_ + ".viewDidDisappear"); }

private:
    std::string name_;
};

class NavDelegate : public NavigationControllerDelegate {
public:
    void willShowViewController(NavigationController&, ViewController& c, bool) override {
        calls.push_back("delegate.willShow " + std::string(c.title()));
    }
    void didShowViewController(NavigationController&, ViewController& c, bool) override {
        calls.push_back("delegate.didShow " + std::string(c.title()));
    }
};

class NavigationTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        calls.clear();
        root = std::make_shared<Screen>("A");
        root->setTitle("A");
        nav = std::make_shared<NavigationController>(root);
        delegate = std::make_shared<NavDelegate>();
        nav->setDelegate(delegate);
    }
    std::shared_ptr<Screen> root;
    std::shared_ptr<NavigationController> nav;
    std::shared_ptr<NavDelegate> delegate;
};

TEST_F(NavigationTest, FirstAppearanceWhenAddedToTheWindow) {
    window->addSubview(nav->view());
    EXPECT_EQ(calls, (std::vector<std::string>{"A.viewDidLoad", "delegate.willShow A", "A.viewWillAppear",
                                               "A.viewDidAppear", "delegate.didShow A"}));
}

TEST_F(NavigationTest, WithoutStrictLoadingAScreenWhoseFileFailsIsNeitherLoadedNorShown) {
    InterfaceLoader::setStrict(false);
    window->addSubview(nav->view());
    calls.clear();
    auto broken = std::make_shared<Screen>("B", "NoSuchScreen");
    nav->pushViewController(broken, false);
    root->presentModalViewController(std::make_shared<Screen>("C", "NoSuchSheet"), false);
    InterfaceLoader::setStrict(InterfaceLoader::kStrictByDefault);

    EXPECT_EQ(nav->viewControllers().size(), 1u);
    EXPECT_EQ(root->modalViewController(), nullptr);
    EXPECT_TRUE(calls.empty());
    auto alerts = AlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_NE(alerts[0]->message()->find("/NoSuchScreen.xml"), std::string::npos) << *alerts[0]->message();
    EXPECT_NE(alerts[1]->message()->find("/NoSuchSheet.xml"), std::string::npos);
    for (const auto& alert : alerts) alert->dismissWithClickedButtonIndex(0, false);
}

TEST_F(NavigationTest, PushAndPopCallInTheToolkitsOrder) {
    window->addSubview(nav->view());
    calls.clear();
    auto b = std::make_shared<Screen>("B");
    b->setTitle("B");
    nav->pushViewController(b, true);
    EXPECT_EQ(calls, (std::vector<std::string>{"B.viewDidLoad", "delegate.willShow B", "A.viewWillDisappear",
                                               "B.viewWillAppear"}));
    EXPECT_EQ(nav->topViewController(), b);
    EXPECT_EQ(b->navigationController(), nav);
    run(NavigationController::kTransitionSeconds + 0.01);
    EXPECT_EQ(calls, (std::vector<std::string>{"B.viewDidLoad", "delegate.willShow B", "A.viewWillDisappear",
                                               "B.viewWillAppear", "A.viewDidDisappear", "B.viewDidAppear",
                                               "delegate.didShow B"}));
    EXPECT_EQ(root->viewIfLoaded()->superview(), nullptr);

    calls.clear();
    auto popped = nav->popViewControllerAnimated(false);
    EXPECT_EQ(popped, b);
    EXPECT_EQ(calls, (std::vector<std::string>{"delegate.willShow A", "B.viewWillDisappear", "A.viewWillAppear",
                                               "B.viewDidDisappear", "A.viewDidAppear", "delegate.didShow A"}));
    EXPECT_EQ(b->navigationController(), nullptr);
    EXPECT_EQ(nav->popViewControllerAnimated(true), nullptr);  // the root stays
}

TEST_F(NavigationTest, PopToRootSkipsTheScreensBetween) {
    window->addSubview(nav->view());
    auto b = std::make_shared<Screen>("B"), c = std::make_shared<Screen>("C");
    b->setTitle("B");
    c->setTitle("C");
    nav->pushViewController(b, false);
    nav->pushViewController(c, true);
    nav->pushViewController(std::make_shared<Screen>("D"), true);  // finishes the slide to C first
    EXPECT_EQ(nav->viewControllers().size(), 4u);
    run(1);
    calls.clear();
    auto popped = nav->popToRootViewControllerAnimated(true);
    ASSERT_EQ(popped.size(), 3u);
    run(1);
    EXPECT_EQ(calls, (std::vector<std::string>{"delegate.willShow A", "D.viewWillDisappear", "A.viewWillAppear",
                                               "D.viewDidDisappear", "A.viewDidAppear", "delegate.didShow A"}));
    EXPECT_EQ(nav->viewControllers().size(), 1u);
    ASSERT_EQ(nav->view()->subviews().size(), 1u);
    EXPECT_EQ(nav->view()->subviews()[0], root->view());
}

}  // namespace
}  // namespace zuno::ui::test

namespace zuno::ui::test {
namespace {

TEST_F(NavigationTest, ReplacingTheStackAndChangesOffScreen) {
    // Off screen the stack changes without appearance calls.
    auto b = std::make_shared<Screen>("B");
    b->setTitle("B");
    nav->pushViewController(b, true);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(nav->popViewControllerAnimated(true), b);
    window->addSubview(nav->view());
    calls.clear();
    auto c = std::make_shared<Screen>("C");
    c->setTitle("C");
    nav->setViewControllers({root, c}, false);
    EXPECT_EQ(calls, (std::vector<std::string>{"C.viewDidLoad", "delegate.willShow C", "A.viewWillDisappear",
                                               "C.viewWillAppear", "A.viewDidDisappear", "C.viewDidAppear",
                                               "delegate.didShow C"}));
    EXPECT_EQ(nav->viewControllers().size(), 2u);
    // The same screen pushed twice stays once.
    nav->pushViewController(c, false);
    EXPECT_EQ(nav->viewControllers().size(), 2u);
    // Touches are ignored while a slide runs.
    nav->popViewControllerAnimated(true);
    EXPECT_FALSE(nav->view()->isUserInteractionEnabled());
    run(1);
    EXPECT_TRUE(nav->view()->isUserInteractionEnabled());
}

}  // namespace
}  // namespace zuno::ui::test
