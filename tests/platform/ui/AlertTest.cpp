#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/UiTest.h"
#include "platform/ui/AlertView.h"

namespace zuno::ui::test {
namespace {

class Listener : public AlertViewDelegate {
public:
    std::vector<std::string> log;
    void clickedButtonAtIndex(AlertView&, int i) override { log.push_back("clicked " + std::to_string(i)); }
    void willDismissWithButtonIndex(AlertView&, int i) override { log.push_back("willDismiss " + std::to_string(i)); }
    void didDismissWithButtonIndex(AlertView&, int i) override { log.push_back("didDismiss " + std::to_string(i)); }
};

class AlertTest : public UiTest {};

TEST_F(AlertTest, ButtonIndexesFollowTheCancelButton) {
    auto listener = std::make_shared<Listener>();
    AlertView withCancel(std::nullopt, "m", listener, "Cancel", {"OK"});
    EXPECT_EQ(withCancel.cancelButtonIndex(), 0);
    EXPECT_EQ(withCancel.buttonTitleAtIndex(1), "OK");
    EXPECT_EQ(withCancel.firstOtherButtonIndex(), 1);
    AlertView okOnly(std::nullopt, "m", listener, std::nullopt, {"OK"});
    EXPECT_EQ(okOnly.cancelButtonIndex(), -1);
    EXPECT_EQ(okOnly.buttonTitleAtIndex(0), "OK");
    AlertView none(std::string(""), "waiting", listener, std::nullopt, {});
    EXPECT_EQ(none.numberOfButtons(), 0);
}

TEST_F(AlertTest, ATapTellsTheDelegateAProgrammaticDismissDoesNot) {
    auto listener = std::make_shared<Listener>();
    auto alert = std::make_shared<AlertView>(std::nullopt, "Leave the table?", listener, "Cancel",
                                             std::vector<std::string>{"OK"});
    alert->show();
    ASSERT_TRUE(alert->isVisible());
    // It lies over everything, in a window of its own, as that window's first subview.
    auto windows = Application::shared().windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows.back()->subviews().front(), alert);
    EXPECT_EQ(windows.back()->windowLevel(), Window::kLevelAlert);
    run(0.2);

    // A person taps OK (the right one of two).
    auto ok = alert->buttonAtIndex(1);
    Application::shared().touchDown(ok->convertPointToView(ok->bounds().center(), nullptr));
    Application::shared().touchUp(ok->convertPointToView(ok->bounds().center(), nullptr));
    EXPECT_EQ(listener->log, (std::vector<std::string>{"clicked 1", "willDismiss 1"}));
    run(0.3);
    EXPECT_EQ(listener->log.back(), "didDismiss 1");
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(Application::shared().windows().size(), 1u);

    listener->log.clear();
    auto second = std::make_shared<AlertView>(std::nullopt, "Connecting", listener, std::nullopt,
                                              std::vector<std::string>{});
    second->show();
    second->dismissWithClickedButtonIndex(0, false);
    EXPECT_EQ(listener->log, (std::vector<std::string>{"willDismiss 0", "didDismiss 0"}));
    EXPECT_TRUE(AlertView::visibleAlerts().empty());
}

TEST_F(AlertTest, TheAlertTakesTouchesAwayFromTheScreenBelow) {
    int taps = 0;
    auto below = std::make_shared<Button>(Button::Type::Custom, Rect(0, 0, 480, 320));
    below->addHandler([&](Control&) { ++taps; }, ControlEvent::TouchUpInside);
    window->addSubview(below);
    auto alert = std::make_shared<AlertView>(std::nullopt, "m", std::weak_ptr<AlertViewDelegate>(), std::nullopt,
                                             std::vector<std::string>{"OK"});
    alert->show();
    Application::shared().touchDown({5, 5});
    Application::shared().touchUp({5, 5});
    EXPECT_EQ(taps, 0);
    EXPECT_TRUE(alert->isVisible());
    // Shown alerts stay alive without their creator.
    std::weak_ptr<AlertView> weak = alert;
    alert.reset();
    EXPECT_FALSE(weak.expired());
    weak.lock()->dismissWithClickedButtonIndex(0, true);
    run(0.5);
    EXPECT_TRUE(weak.expired());
    Application::shared().touchDown({5, 5});
    Application::shared().touchUp({5, 5});
    EXPECT_EQ(taps, 1);
}

}  // namespace
}  // namespace zuno::ui::test

namespace zuno::ui::test {
namespace {

TEST_F(AlertTest, AnAlertLeftShowingGoesWithTheApplicationsWindows) {
    std::weak_ptr<AlertView> weak;
    {
        auto alert = std::make_shared<AlertView>(std::string("Title"), std::nullopt, std::weak_ptr<AlertViewDelegate>(),
                                                 std::nullopt, std::vector<std::string>{"A", "B", "C"});
        alert->show();
        weak = alert;
        // Three buttons stack, top to bottom in index order.
        EXPECT_LT(alert->buttonAtIndex(0)->frame().y(), alert->buttonAtIndex(2)->frame().y());
    }
    EXPECT_FALSE(weak.expired());
    Application::shared().reset();
    EXPECT_TRUE(weak.expired());
}

}  // namespace
}  // namespace zuno::ui::test
