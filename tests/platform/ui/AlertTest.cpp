#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TextRecorder.h"
#include "support/UiTest.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/TextField.h"

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

// A message is read whole: a word wider than a line wraps inside it, and the panel grows with the
// lines as far as the window holds it; beyond that, as many whole lines as fit.
TEST_F(AlertTest, TheMessageShowsWholeAsFarAsTheWindowHoldsIt) {
    auto lettersOf = [](std::string text) {
        std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
        return text;
    };
    std::string message = "Please send an SMS with the text ZUNO DK averyveryverylongusernamethatgoesonandon to 8785.";
    for (int i = 0; i < 6; ++i) message += "\nOne more line.";
    for (const int more : {0, 40}) {
        std::string text = message;
        for (int i = 0; i < more; ++i) text += "\nAnd another.";
        auto alert = std::make_shared<AlertView>(std::nullopt, text, std::weak_ptr<AlertViewDelegate>(), "Cancel",
                                                 std::vector<std::string>{"Copy"});
        alert->show();
        auto label = std::dynamic_pointer_cast<Label>(alert->panel()->subviews().at(1));  // title, message, buttons
        ASSERT_TRUE(label && label->text() == text);
        testing::TextRecorder drawn;
        label->drawRect(drawn, label->bounds());
        for (const auto& line : drawn.texts) EXPECT_LE(line.width, label->bounds().width()) << line.text;
        if (more == 0) {
            EXPECT_EQ(lettersOf(drawn.joined()), lettersOf(text));
        }
        EXPECT_TRUE(alert->bounds().contains(alert->panel()->frame())) << more;
        alert->dismissWithClickedButtonIndex(0, false);
    }
}

// An alert that asks for a line of text.
class AlertWithField : public AlertView {
public:
    AlertWithField(std::string message, std::weak_ptr<AlertViewDelegate> delegate)
        : AlertView(std::nullopt, std::move(message), std::move(delegate), "Cancel", {"OK"}) {
        panel()->addSubview(field);
    }
    std::shared_ptr<TextField> field = std::make_shared<TextField>(Rect(12, 40, 200, 24));
};

class AlertKeysTest : public AlertTest {
protected:
    void SetUp() override {
        AlertTest::SetUp();
        window->addSubview(name);
        window->addSubview(note);
        name->becomeFirstResponder();
    }
    std::shared_ptr<AlertView> ask(std::optional<std::string> cancel, std::vector<std::string> others) {
        auto alert = std::make_shared<AlertView>(std::nullopt, "m", listener, std::move(cancel), std::move(others));
        alert->show();
        return alert;
    }

    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
    std::shared_ptr<TextField> name = std::make_shared<TextField>(Rect(10, 10, 200, 30));
    std::shared_ptr<TextField> note = std::make_shared<TextField>(Rect(10, 50, 200, 30));
};

// While it shows, the alert on top has the keys: typing is dropped (or goes to a field of its own),
// Enter is its main button; the field it covered has the keyboard again once the alert is answered.
TEST_F(AlertKeysTest, TheAlertOnTopHasTheKeysAndTheFieldHasThemBackAfterwards) {
    auto& app = Application::shared();
    auto alert = ask("Cancel", {"OK"});
    EXPECT_FALSE(name->isFirstResponder());
    app.sendText("lost");
    app.sendDeleteBackward();
    EXPECT_EQ(name->text(), "");
    app.sendReturn();
    ASSERT_FALSE(listener->log.empty());
    EXPECT_EQ(listener->log.front(), "clicked 1");
    run(0.5);
    EXPECT_TRUE(name->isFirstResponder());
    app.sendText("An");
    EXPECT_EQ(name->text(), "An");

    // An alert with a field of its own types into it; Escape is its cancel button.
    auto asking = std::make_shared<AlertWithField>("Nick?", listener);
    asking->show();
    EXPECT_TRUE(asking->field->isFirstResponder());
    app.sendText("Binh");
    EXPECT_EQ(asking->field->text(), "Binh");
    EXPECT_EQ(name->text(), "An");
    listener->log.clear();
    asking->pressEscapeKey();
    ASSERT_FALSE(listener->log.empty());
    EXPECT_EQ(listener->log.front(), "clicked 0");
    run(0.5);
    EXPECT_TRUE(name->isFirstResponder());

    // Over another alert: Enter answers the top one, then the one under it has the keys.
    auto under = ask(std::nullopt, {"OK"});
    auto over = ask("No", {"Yes"});
    listener->log.clear();
    app.sendReturn();
    ASSERT_FALSE(listener->log.empty());
    EXPECT_EQ(listener->log.front(), "clicked 1");
    EXPECT_TRUE(under->isFirstResponder());
    app.sendReturn();
    run(0.5);
    EXPECT_TRUE(AlertView::visibleAlerts().empty());
    EXPECT_TRUE(name->isFirstResponder());
}

TEST_F(AlertKeysTest, TheKeyboardGoesBackOnlyToAFieldStillThereAndFree) {
    // A progress note the program replaces with its outcome: the outcome's answer gives it back.
    auto waiting = ask(std::nullopt, {});
    waiting->dismissWithClickedButtonIndex(0, true);
    auto failed = ask(std::nullopt, {"OK"});
    run(0.5);
    EXPECT_FALSE(name->isFirstResponder());
    failed->tapButtonAtIndex(0);
    run(0.5);
    EXPECT_TRUE(name->isFirstResponder());

    // Something else took the keyboard meanwhile: it keeps it.
    auto asked = ask(std::nullopt, {"OK"});
    note->becomeFirstResponder();
    asked->tapButtonAtIndex(0);
    run(0.5);
    EXPECT_TRUE(note->isFirstResponder());

    // The field left the screen, or is on its way out: nobody has the keyboard.
    auto gone = ask(std::nullopt, {"OK"});
    note->removeFromSuperview();
    gone->tapButtonAtIndex(0);
    run(0.5);
    EXPECT_EQ(Responder::firstResponder(), nullptr);
    name->becomeFirstResponder();
    auto leaving = ask(std::nullopt, {"OK"});
    View::animate(2.0, [&] { name->setFrame(Rect(10, 400, 200, 30)); });
    leaving->tapButtonAtIndex(0);
    run(0.5);
    EXPECT_EQ(Responder::firstResponder(), nullptr);
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
