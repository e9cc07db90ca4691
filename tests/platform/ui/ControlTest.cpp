#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Log.h"
#include "support/UiTest.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"

namespace zuno::ui::test {
namespace {

// A screen with two actions, recording what it is sent.
class Target : public ViewController {
    ZUNO_BINDINGS
public:
    std::vector<std::string> log;
    void doThis(Object* sender) { log.push_back(sender ? "this" : "this(no sender)"); }
    void doThat() { log.push_back("that"); }
};

const BindingTable& Target::bindings() {
    using B = Bind<Target>;
    static const BindingTable table(&ViewController::bindings(),
                                    {B::action("doThis:", &Target::doThis), B::action("doThat", &Target::doThat)});
    return table;
}

class ControlTest : public UiTest {};

TEST_F(ControlTest, TargetActionIgnoresDuplicatesAndCanBeRemoved) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(10, 10, 100, 40));
    window->addSubview(button);
    auto first = std::make_shared<Target>();
    auto second = std::make_shared<Target>();
    button->addTarget(first.get(), "doThis:", ControlEvent::TouchUpInside);
    button->addTarget(first.get(), "doThis:", ControlEvent::TouchUpInside);  // the same pair again
    button->addTarget(second.get(), "doThis:", ControlEvent::TouchUpInside);
    button->addTarget(second.get(), "doThat", ControlEvent::TouchUpInside | ControlEvent::TouchDown);
    window->tapView(*button);
    EXPECT_EQ(first->log, (std::vector<std::string>{"this"}));
    EXPECT_EQ(second->log, (std::vector<std::string>{"that", "this", "that"}));

    button->removeTarget(second.get(), "doThat", ControlEvent::TouchUpInside);
    second->log.clear();
    window->tapView(*button);
    EXPECT_EQ(second->log, (std::vector<std::string>{"that", "this"}));  // still on touch down

    button->removeTarget(nullptr, "", ControlEvent::AllEvents);
    EXPECT_EQ(button->targetActionCount(), 0u);
    first->log.clear();
    window->tapView(*button);
    EXPECT_TRUE(first->log.empty());
}

TEST_F(ControlTest, GoneTargetsAreSkippedAndUnknownActionsLogged) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(0, 0, 50, 50));
    window->addSubview(button);
    auto keeper = std::make_shared<Target>();
    {
        auto gone = std::make_shared<Target>();
        button->addTarget(gone.get(), "doThis:", ControlEvent::TouchUpInside);
    }
    button->addTarget(keeper.get(), "doNothing:", ControlEvent::TouchUpInside);
    button->addTarget(keeper.get(), "doThat", ControlEvent::TouchUpInside);
    window->tap({25, 25});
    EXPECT_EQ(keeper->log, (std::vector<std::string>{"that"}));
    EXPECT_TRUE(sys::Log::contains("unrecognized action doNothing:"));
}

TEST_F(ControlTest, TouchUpOutsideDisabledAndDragAway) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(100, 100, 50, 50));
    window->addSubview(button);
    std::vector<std::string> events;
    button->addHandler([&](Control&) { events.push_back("down"); }, ControlEvent::TouchDown);
    button->addHandler([&](Control&) { events.push_back("inside"); }, ControlEvent::TouchUpInside);
    button->addHandler([&](Control&) { events.push_back("outside"); }, ControlEvent::TouchUpOutside);
    window->touchDown({120, 120});
    EXPECT_TRUE(button->isHighlighted());
    window->touchMove({400, 300});  // far beyond the touch slop
    EXPECT_FALSE(button->isHighlighted());
    window->touchUp({400, 300});
    EXPECT_EQ(events, (std::vector<std::string>{"down", "outside"}));
    button->setEnabled(false);
    window->tap({120, 120});
    EXPECT_EQ(events.size(), 2u);
}

// A tap acts on what the button offered when it was aimed. The button under the pointer takes another
// role (the reply to a "Show all" makes it "Continue"): the second tap of a quick double tap, and a
// press the change meets, do nothing; a tap aimed after the change, and a double tap on a button that
// kept its role, act; a button hidden under the finger takes no tap.
TEST_F(ControlTest, ATapActsOnTheRoleItWasAimedAt) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(100, 100, 80, 30));
    window->addSubview(button);
    button->setTitle("Show all");
    std::vector<std::string> pressed;
    button->addHandler([&](Control& sender) { pressed.push_back(*static_cast<Button&>(sender).titleForState(0)); },
                       ControlEvent::TouchUpInside);
    const Point at{140, 115};
    run(1);

    window->tap(at);
    run(0.05);
    button->setTitle("Continue");  // the reply
    run(0.1);
    window->tap(at);  // the double tap's second
    EXPECT_EQ(pressed, (std::vector<std::string>{"Show all"}));
    run(1);
    window->tap(at);
    EXPECT_EQ(pressed, (std::vector<std::string>{"Show all", "Continue"}));

    run(1);
    window->touchDown(at);
    run(0.05);
    button->setTitle("Ready");
    run(0.05);
    window->touchUp(at);
    EXPECT_FALSE(button->isHighlighted());
    run(1);
    window->tap(at);
    run(0.1);
    window->tap(at);  // the role stayed: both taps act
    EXPECT_EQ(pressed, (std::vector<std::string>{"Show all", "Continue", "Ready", "Ready"}));

    run(1);
    window->touchDown(at);
    button->setHidden(true);
    window->touchUp(at);
    EXPECT_EQ(pressed.size(), 4u);
}

TEST_F(ControlTest, ButtonStatesFallBackToNormal) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(0, 0, 80, 30));
    button->setTitle("Go");
    button->setTitle("Going", ControlState::Highlighted);
    EXPECT_EQ(button->currentTitle(), "Go");
    EXPECT_EQ(button->titleLabel()->text(), "Go");
    button->setHighlighted(true);
    EXPECT_EQ(button->currentTitle(), "Going");
    button->setHighlighted(false);
    button->setSelected(true);
    EXPECT_EQ(button->currentTitle(), "Go");
    // A title label text set directly is kept (and read back) but not drawn.
    auto carrier = std::make_shared<Button>();
    carrier->titleLabel()->setText("7");
    EXPECT_EQ(carrier->titleLabel()->text(), "7");
    EXPECT_TRUE(carrier->titleLabel()->isHidden());
}

TEST_F(ControlTest, ATitleOfTwoLinesWrapsBesideTheImage) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(0, 0, 80, 36));
    button->setImage(Image::fromPixels(30, 30, std::vector<uint32_t>(30 * 30, 0xff336699)));
    button->titleLabel()->setFont(Font::systemFontOfSize(8));
    button->titleLabel()->setNumberOfLines(2);
    button->setTitle("Cancel being ready");
    const double oneLine = button->titleLabel()->font().sizeOfText("Cancel").height;
    button->layoutSubviews();
    const Rect image = button->imageView()->frame();
    const Rect title = button->titleLabel()->frame();
    EXPECT_EQ(image.size, (Size{30, 30}));
    EXPECT_GE(title.minX(), image.maxX());
    EXPECT_LE(title.maxX(), 80);
    EXPECT_GT(title.size.height, 1.5 * oneLine);  // both lines, not one cut short
    EXPECT_LE(title.size.height, 36);
}

TEST_F(ControlTest, SwitchSliderAndSegments) {
    auto sw = std::make_shared<Switch>(Rect(10, 10, 0, 0));
    window->addSubview(sw);
    int changes = 0;
    sw->addHandler([&](Control&) { ++changes; }, ControlEvent::ValueChanged);
    EXPECT_EQ(sw->frame().size, (Size{94, 27}));
    window->tapView(*sw);
    EXPECT_TRUE(sw->isOn());
    EXPECT_EQ(changes, 1);
    sw->setOn(false);  // in code: no event
    EXPECT_EQ(changes, 1);

    auto slider = std::make_shared<Slider>(Rect(100, 100, 223, 23));
    window->addSubview(slider);
    slider->setMaximumValue(100);
    slider->setMinimumValue(10);
    EXPECT_EQ(slider->value(), 10);  // kept inside its bounds
    slider->setValue(500);
    EXPECT_EQ(slider->value(), 100);
    slider->setValue(10);
    std::vector<double> values;
    slider->addHandler([&](Control& c) { values.push_back(static_cast<Slider&>(c).value()); }, ControlEvent::ValueChanged);
    window->drag({111, 111}, {211.5, 111}, 4);  // from the thumb to the middle of the track
    ASSERT_FALSE(values.empty());
    EXPECT_NEAR(slider->value(), 55, 1);

    auto seg = std::make_shared<SegmentedControl>(std::vector<std::string>{"No", "Man", "Woman"});
    seg->setFrame(Rect(0, 200, 300, 30));
    window->addSubview(seg);
    EXPECT_EQ(seg->selectedSegmentIndex(), -1);
    int segChanges = 0;
    seg->addHandler([&](Control&) { ++segChanges; }, ControlEvent::ValueChanged);
    window->tap({250, 215});
    EXPECT_EQ(seg->selectedSegmentIndex(), 2);
    window->tap({250, 215});
    EXPECT_EQ(segChanges, 1);
}

class FieldOwner : public ViewController, public TextFieldDelegate {
public:
    int returns = 0;
    std::vector<std::string> changes;
    bool textFieldShouldReturn(TextField&) override {
        ++returns;
        return true;
    }
    bool shouldChangeCharacters(TextField&, size_t, size_t, const std::string& text) override {
        changes.push_back(text);
        return text != "!";
    }
};

TEST_F(ControlTest, TextFieldTakesTypingUntilReturn) {
    auto field = std::make_shared<TextField>(Rect(10, 10, 200, 31));
    window->addSubview(field);
    auto owner = std::make_shared<FieldOwner>();
    field->setDelegate(owner);
    std::vector<std::string> events;
    field->addHandler([&](Control&) { events.push_back("begin"); }, ControlEvent::EditingDidBegin);
    field->addHandler([&](Control&) { events.push_back("exit"); }, ControlEvent::EditingDidEndOnExit);
    field->addHandler([&](Control&) { events.push_back("end"); }, ControlEvent::EditingDidEnd);

    auto& app = Application::shared();
    app.sendText("ignored");  // nobody has the keyboard yet
    window->tapView(*field);
    EXPECT_TRUE(field->isFirstResponder());
    app.sendText("Xin chào");
    app.sendText("!");  // refused by the delegate
    app.sendDeleteBackward();  // one character, even a multi-byte one
    EXPECT_EQ(field->text(), "Xin chà");
    app.sendReturn();
    EXPECT_EQ(owner->returns, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "exit", "end"}));
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(field->text(), "Xin chà");  // the return key never reaches the text

    field->setSecureTextEntry(true);
    EXPECT_EQ(app.firstResponderText(), std::nullopt);
    field->becomeFirstResponder();
    EXPECT_EQ(app.firstResponderText(), "");  // a password is never copied
}

// Given the keyboard by its screen (or Tab), a field holding text selects it: typing or a paste
// replaces it, a delete empties it. A tap leaves the caret after the text instead, and a tap in a
// selected field drops the selection.
TEST_F(ControlTest, AFieldGivenTheKeyboardSelectsItsTextForReplacing) {
    auto field = std::make_shared<TextField>(Rect(10, 10, 200, 31));
    window->addSubview(field);
    auto& app = Application::shared();

    field->setText("An");
    field->becomeFirstResponder();
    EXPECT_TRUE(field->isTextSelected());
    app.sendText("Binh");
    EXPECT_EQ(field->text(), "Binh");
    app.sendText("!");
    EXPECT_EQ(field->text(), "Binh!");

    field->resignFirstResponder();
    field->becomeFirstResponder();
    app.sendDeleteBackward();
    EXPECT_EQ(field->text(), "");

    field->resignFirstResponder();
    field->setText("An");
    window->tapView(*field);
    EXPECT_FALSE(field->isTextSelected());
    app.sendText("h");
    EXPECT_EQ(field->text(), "Anh");

    field->resignFirstResponder();
    field->becomeFirstResponder();
    window->tapView(*field);
    app.sendText("!");
    EXPECT_EQ(field->text(), "Anh!");

    // A delegate that refuses the change keeps the text, still selected.
    auto owner = std::make_shared<FieldOwner>();
    field->setDelegate(owner);
    field->resignFirstResponder();
    field->becomeFirstResponder();
    app.sendText("!");
    EXPECT_EQ(field->text(), "Anh!");
    EXPECT_TRUE(field->isTextSelected());
}

}  // namespace
}  // namespace zuno::ui::test
