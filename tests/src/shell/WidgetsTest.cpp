#include <cmath>
#include <string>
#include <vector>

#include "platform/backend/RasterScreen.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "shell/ColoredProgressView.h"
#include "shell/CustomLabel.h"
#include "shell/CustomTextField.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/CustomUIMessageBox.h"
#include "shell/CustomUIScrollView.h"
#include "shell/CustomUISwitch.h"
#include "shell/EmoticonText.h"
#include "shell/InputDialog.h"
#include "shell/RefreshTableHeaderView.h"
#include "shell/UIController.h"
#include "shell/Resources.h"
#include "src/shell/ShellFixture.h"
#include "support/AlertButtons.h"
#include "support/PlatformReset.h"
#include "support/TextRecorder.h"

namespace zuno::testing {
namespace {

using Widgets = ShellTest;
using TextRun = emoticon::Run;

TextRun text(const char* t) { return {false, t}; }
TextRun image(const char* t) { return {true, t}; }

TEST(EmoticonSplit, TokensBecomeImagesLongestFirst) {
    const sys::Dictionary table{{":)", sys::Value("smile.png")},
                                {":))", sys::Value("laugh.png")},
                                {"", sys::Value("empty.png")},
                                {":(", sys::Value("sad.png")}};
    struct Case {
        const char* name;
        const char* input;
        std::vector<TextRun> runs;
    };
    const std::vector<Case> cases{
        {"no token", "hello", {text("hello")}},
        {"only a token", ":)", {image("smile.png")}},
        {"token, text, token", ":)hi:)", {image("smile.png"), text("hi"), image("smile.png")}},
        {"longer token wins", "a:))b", {text("a"), image("laugh.png"), text("b")}},
        {"mixed", "x:(y:)", {text("x"), image("sad.png"), text("y"), image("smile.png")}},
        {"empty text", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(emoticon::split(c.input, &table), c.runs);
    }
    EXPECT_EQ(emoticon::split(":)", nullptr), (std::vector<TextRun>{text(":)")}));
    const sys::Dictionary none;
    EXPECT_EQ(emoticon::split("a:)", &none), (std::vector<TextRun>{text("a:)")}));
    EXPECT_EQ(emoticon::tokenOrder(table), (std::vector<std::string>{":))", ":(", ":)"}));
}

// Pictures of known sizes in a folder of the test's own.
void useTestImages(const std::string& folder) {
    auto write = [&](const char* name, int w, int h) {
        auto png = ui::encodePng(*ui::Image::fromPixels(w, h, std::vector<uint32_t>(size_t(w) * h, 0xff00ff00)));
        std::FILE* f = std::fopen((folder + "/" + name).c_str(), "wb");
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    };
    write("smile.png", 20, 18);
    ui::Image::setImageRoot(folder);
}

TEST_F(Widgets, EmoticonPenAdvancesByTextWidthAndImageGaps) {
    useTestImages(makeTemporaryFolder("emoticons"));
    auto table = std::make_shared<const sys::Dictionary>(sys::Dictionary{{":)", sys::Value("smile.png")}});
    ui::RasterScreen screen(200, 40);

    CustomLabel label("ab:)c", ui::Rect(0, 0, 200, 30));
    label.setFont(ui::Font::systemFontOfSize(14));
    label.setEmoticonTable(table);
    screen.renderView(label);
    const ui::Font f14 = ui::Font::systemFontOfSize(14);
    EXPECT_DOUBLE_EQ(label.xLastpos.x, f14.widthOfText("ab") + 17 + f14.widthOfText("c"));
    EXPECT_DOUBLE_EQ(label.xLastpos.y, std::trunc((30 - std::trunc(f14.sizeOfText("a").height)) * 0.5));
    EXPECT_FALSE(label.ui::Label::text().has_value());

    CustomTextField field(ui::Rect(0, 0, 200, 32));
    field.setEmoticonTable(table);
    field.setText(":)x");
    screen.renderView(field);
    EXPECT_DOUBLE_EQ(field.xLastpos.x, 10 + 23 + ui::Font::boldSystemFontOfSize(16).widthOfText("x"));
    EXPECT_TRUE(sys::Log::contains("found emotion"));
}

// A preview line cut on purpose (a mail's first words) stops before the edge with "...", its emoticons
// kept while they fit; a label that does not cut on purpose draws the whole text.
TEST_F(Widgets, EmoticonLineCutOnPurposeEndsWithDotsInsideItsWidth) {
    useTestImages(makeTemporaryFolder("emoticons"));
    auto table = std::make_shared<const sys::Dictionary>(sys::Dictionary{{":)", sys::Value("smile.png")}});
    const std::string mail = "Hi :) fancy a game of Tien Len tonight? I am free after nine";
    CustomLabel preview(mail, ui::Rect(0, 0, 200, 20));
    preview.setFont(ui::Font::systemFontOfSize(14));
    preview.setEmoticonTable(table);
    preview.setTruncatesOnPurpose(true);
    testing::TextRecorder canvas;
    preview.drawRect(canvas, preview.bounds());
    const std::string drawn = canvas.joined();
    EXPECT_EQ(drawn.substr(drawn.size() - 3), "...");
    EXPECT_EQ(drawn.substr(0, 5), "Hi  f");  // the emoticon between the words is a picture
    EXPECT_LE(canvas.rightEdge(), 200);
    EXPECT_LE(preview.xLastpos.x, 200);

    CustomLabel shortLine("Hi :) later", ui::Rect(0, 0, 200, 20));
    shortLine.setEmoticonTable(table);
    shortLine.setTruncatesOnPurpose(true);
    testing::TextRecorder whole;
    shortLine.drawRect(whole, shortLine.bounds());
    EXPECT_EQ(whole.joined(), "Hi  later");
}

struct Owner : ui::ViewController {
    ZUNO_BINDINGS
public:
    std::vector<std::string> log;
    void beginEdit(ui::Object*) { log.push_back("begin"); }
    void endEditing(ui::Object*) { log.push_back("end"); }
};
const ui::BindingTable& Owner::bindings() {
    using B = ui::Bind<Owner>;
    static const ui::BindingTable table(&ui::ViewController::bindings(),
                                        {B::action("beginEdit:", &Owner::beginEdit),
                                         B::action("endEditing:", &Owner::endEditing)});
    return table;
}

TEST_F(Widgets, TextFieldTakesTheKeyboardOnATouchAndDeletesWholeCharacters) {
    auto window = std::make_shared<ui::Window>();
    window->makeKeyAndVisible();
    auto owner = std::make_shared<Owner>();
    auto field = std::make_shared<CustomTextField>(ui::Rect(10, 10, 300, 32));
    field->setParentViewController(owner.get());
    window->addSubview(field);
    EXPECT_EQ(field->returnKeyType, 9);
    EXPECT_EQ(field->autocorrectionType, 1);

    window->tapView(*field);
    window->tapView(*field);
    EXPECT_EQ(owner->log, (std::vector<std::string>{"begin"}));
    EXPECT_TRUE(field->isFirstResponder());
    ui::Application::shared().sendText("Chào");
    ui::Application::shared().sendDeleteBackward();
    EXPECT_EQ(field->text(), "Chà");
    ui::Application::shared().sendReturn();
    EXPECT_EQ(field->text(), "Chà");
    EXPECT_FALSE(field->isBecomeFirstResponder);
    EXPECT_EQ(owner->log, (std::vector<std::string>{"begin", "end"}));
    field->setText("");
    field->deleteBackward();
    EXPECT_FALSE(field->hasText());
}

// Typed past the box's end, the text moves left: the caret and the last letters stay inside the field
// and nothing is drawn past its right edge, in the chat field as in the plain one.
TEST_F(Widgets, ATextFieldScrollsToItsCaretWhileTyping) {
    auto window = std::make_shared<ui::Window>();
    window->makeKeyAndVisible();
    auto chat = std::make_shared<CustomTextField>(ui::Rect(0, 0, 200, 32));
    auto plain = std::make_shared<ui::TextField>(ui::Rect(0, 40, 200, 32));
    window->addSubview(chat);
    window->addSubview(plain);
    const std::string typed = "a long line typed into the field runs well past its box";
    struct Case {
        ui::View* field;
        double textEnd;  // the right edge of the field's text area
    };
    for (const Case& c : {Case{chat.get(), 190}, Case{plain.get(), 200}}) {
        window->tapView(*c.field);
        ui::Application::shared().sendText(typed);
        testing::TextRecorder drawn;
        c.field->drawRect(drawn, c.field->bounds());
        ASSERT_FALSE(drawn.texts.empty());
        EXPECT_EQ(drawn.joined(), typed);
        const double end = drawn.rightEdge();
        EXPECT_LE(end, c.textEnd - ui::FieldLine::kCaretGap - ui::FieldLine::kCaretWidth);
        EXPECT_GT(end, c.textEnd - 10) << "the last letters show";

        ui::RasterScreen screen(300, 40);
        screen.renderView(*c.field);
        int past = 0, caret = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 200; x < 300; ++x) past += screen.rgba(x, y).a > 0;
            for (int x = static_cast<int>(end); x < 200; ++x) {
                const auto p = screen.rgba(x, y);
                caret += p.a > 200 && p.r < 100 && p.b > 200;
            }
        }
        EXPECT_EQ(past, 0) << "pixels drawn past the field's right edge";
        EXPECT_GT(caret, 10) << "the caret after the text";
    }
}

TEST_F(Widgets, RefreshHeaderShowsEachStateAndItsBorder) {
    auto header = RefreshTableHeaderView::initWithFrameRelativeToFrame(ui::Rect(0, 0, 320, 460));
    EXPECT_EQ(header->frame(), ui::Rect(0, -460, 320, 460));
    EXPECT_EQ(header->bottomBorderThickness(), 1);
    EXPECT_EQ(header->statusLabel->frame(), ui::Rect(0, 412, 320, 20));
    EXPECT_EQ(header->lastUpdatedLabel->frame(), ui::Rect(0, 430, 320, 20));
    EXPECT_EQ(header->arrowImage->frame(), ui::Rect(25, 395, 30, 55));
    EXPECT_EQ(header->state(), RefreshTableHeaderView::kNormal);
    EXPECT_EQ(header->statusLabel->text(), "Pull down to refresh...");

    header->setState(RefreshTableHeaderView::kNormal);
    EXPECT_FALSE(ui::Animator::shared().isAnimating(header->arrowImage.get()));
    header->setState(RefreshTableHeaderView::kPulling);
    EXPECT_EQ(header->statusLabel->text(), "Release to refresh...");
    EXPECT_TRUE(ui::Animator::shared().isAnimating(header->arrowImage.get()));
    run(0.2);
    header->setState(RefreshTableHeaderView::kNormal);
    EXPECT_TRUE(ui::Animator::shared().isAnimating(header->arrowImage.get()));
    run(0.2);
    EXPECT_EQ(header->arrowImage->transform(), ui::AffineTransform());
    header->setState(RefreshTableHeaderView::kLoading);
    EXPECT_EQ(header->statusLabel->text(), "Loading...");
    EXPECT_TRUE(header->arrowImage->isHidden());
    EXPECT_TRUE(header->activityView->isAnimating());
    header->setState(7);
    EXPECT_EQ(header->state(), 7);
    EXPECT_EQ(header->statusLabel->text(), "Loading...");

    header->setLastRefreshDate(std::nullopt);
    EXPECT_EQ(header->lastUpdatedLabel->text(), "Never updated");
    header->setCurrentDate();
    EXPECT_EQ(header->lastUpdatedLabel->text()->rfind("Last updated: ", 0), 0u);

    // The border: 1 point of (160, 173, 182) at the bottom; none at thickness 0.
    auto small = std::make_shared<RefreshTableHeaderView>(ui::Rect(0, 0, 100, 20));
    small->setBottomBorderThickness(1);
    ui::RasterScreen screen(100, 20);
    screen.renderView(*small);
    auto p = screen.rgba(50, 19);
    EXPECT_NEAR(p.r, 160, 3);
    EXPECT_NEAR(p.g, 173, 3);
    EXPECT_NEAR(p.b, 182, 3);
    small->setBottomBorderThickness(0);
    screen.renderView(*small);
    EXPECT_EQ(screen.rgba(50, 19).a, 0);
}

TEST_F(Widgets, ProgressMovesByHundredthsToAClampedTarget) {
    auto bar = std::make_shared<ColoredProgressView>(ui::ProgressView::Style::Default, ui::Rect(0, 0, 100, 9));
    EXPECT_EQ(bar->tintColor(), ui::Color::rgb255(43, 134, 225));
    bar->setProgress(0.5);
    bar->setProgress(0.505, true);
    run(ColoredProgressView::kStepSeconds);
    EXPECT_EQ(bar->progress(), 0.505);
    run(ColoredProgressView::kStepSeconds);
    EXPECT_FALSE(bar->isMoving());

    bar->setProgress(0);
    bar->setProgress(5, true);
    EXPECT_EQ(bar->targetProgress(), 1);
    run(2.1);
    EXPECT_EQ(bar->progress(), 1);
    EXPECT_FALSE(bar->isMoving());
    // A full sweep is 100 steps.
    bar->setProgress(0);
    bar->setProgress(1, true);
    int steps = 0;
    for (double before = -1; bar->progress() != before && steps < 200; ++steps) {
        before = bar->progress();
        bar->moveProgress();
    }
    EXPECT_EQ(steps - 1, 100);
    EXPECT_EQ(bar->progress(), 1);
    bar->setProgress(std::nan(""), true);
    EXPECT_EQ(bar->targetProgress(), 0);
    bar->setProgress(0.3);  // at once; the timer goes on from there
    run(ColoredProgressView::kStepSeconds);
    EXPECT_NEAR(bar->progress(), 0.29, 1e-9);

    // Destroyed while moving: its timer goes with it.
    const size_t timers = sys::RunLoop::main().timerCount();
    bar.reset();
    EXPECT_EQ(sys::RunLoop::main().timerCount(), timers - 1);
}

TEST_F(Widgets, SwitchCaptionsAndScrollViewTapForwarding) {
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    CustomUISwitch toggle(ui::Rect(0, 0, 94, 27));
    toggle.layoutIfNeeded();
    EXPECT_EQ(toggle.onLabel()->text(), "BẬT");
    EXPECT_EQ(toggle.offLabel()->text(), "TẮT");

    struct Behind : ui::View {
        int taps = 0;
        void touchesEnded(const ui::TouchSet&, const ui::Event&) override { ++taps; }
    };
    auto window = std::make_shared<ui::Window>();
    window->makeKeyAndVisible();
    auto behind = std::make_shared<Behind>();
    behind->setFrame(ui::Rect(0, 0, 480, 320));
    window->addSubview(behind);
    auto scroll = std::make_shared<CustomUIScrollView>(ui::Rect(0, 0, 480, 320));
    scroll->setContentSize({480, 1000});
    behind->addSubview(scroll);
    window->tap({100, 100});
    EXPECT_EQ(behind->taps, 1);
    EXPECT_TRUE(sys::Log::contains("touch in scroll view"));
    window->drag({100, 200}, {100, 50});
    EXPECT_EQ(behind->taps, 1);
}

TEST_F(Widgets, SheetsSlideToTheMiddleAndLeaveOnlyWithTheirOwnAnimation) {
    auto window = std::make_shared<ui::Window>();
    window->makeKeyAndVisible();
    struct Case {
        ui::InterfaceOrientation orientation;
        ui::Rect view;
        double panelY;
    };
    // Only an upright window (the Blocks table on top) makes an upright sheet, not the game chosen.
    UIController::setGameType(8);
    for (const Case& c : {Case{ui::InterfaceOrientation::LandscapeRight, ui::Rect(0, 0, 480, 320), 60},
                          Case{ui::InterfaceOrientation::Portrait, ui::Rect(0, 0, 320, 480), 140}}) {
        SCOPED_TRACE(int(c.orientation));
        ui::Application::shared().setStatusBarOrientation(c.orientation);
        std::weak_ptr<CustomUIActionSheetViewController> alive;
        {
            auto sheet = std::make_shared<CustomUIActionSheetViewController>();
            sheet->setActionSheetView(std::make_shared<ui::View>(ui::Rect(0, 0, 300, 200)));
            window->addSubview(sheet->view());
            sheet->viewWillAppear(false);
            run(1);
            EXPECT_EQ(sheet->view()->frame(), c.view);
            EXPECT_EQ(sheet->actionSheetView()->frame().origin.y, c.panelY);
            // Another animation of the sheet does not remove it.
            ui::View::beginAnimations(std::string("other"));
            sheet->actionSheetView()->setAlpha(0.5);
            ui::View::commitAnimations();
            run(1);
            EXPECT_EQ(sheet->view()->superview(), window);
            sheet->slideOut();
            alive = sheet;
        }
        EXPECT_FALSE(alive.expired());  // kept until the slide-out ends
        EXPECT_NE(alive.lock()->view()->superview(), nullptr);
        run(1);
        EXPECT_TRUE(alive.expired());
        EXPECT_EQ(window->subviews().size(), 0u);
    }
}

// A screen of the window's size showing the sheet with a panel, slid in; then the sheet's slide-out
// begins.
template <class Sheet>
std::shared_ptr<ui::View> shownThenSlidingOut(Sheet& sheet) {
    auto screen = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 320));
    sheet.setActionSheetView(std::make_shared<ui::View>(ui::Rect(0, 0, 300, 200)));
    screen->addSubview(sheet.view());
    sheet.viewWillAppear(false);
    sys::RunLoop::main().runFor(1);
    sheet.slideOut();
    return screen;
}

// A sheet holds on only while its slide-out runs: when its screen has gone and the loop's animations
// are dropped before the slide-out ends (the program stops, the next road starts), nothing is left
// to end it, and the sheet goes too.
TEST_F(Widgets, ASheetWhoseSlideOutIsDroppedGoesWithItsScreen) {
    auto goneWithItsScreen = [](auto sheet) {
        std::weak_ptr<ui::ViewController> alive = sheet;
        {
            auto screen = shownThenSlidingOut(*sheet);
            sheet.reset();
        }
        ui::Animator::shared().reset();
        sys::RunLoop::main().reset();
        return alive.expired();
    };
    EXPECT_TRUE(goneWithItsScreen(std::make_shared<CustomUIActionSheetViewController>())) << "a sheet";
    EXPECT_TRUE(goneWithItsScreen(std::make_shared<CustomUIMessageBox>())) << "a message box";
}

// A sheet shown again while it slides out (its opener shows it again at once) stays, in the middle;
// the slide-out cut short removes nothing.
TEST_F(Widgets, ASheetShownAgainAsItSlidesOutStays) {
    auto shownAgain = [this](auto sheet) {
        auto screen = shownThenSlidingOut(*sheet);
        run(0.05);
        screen->addSubview(sheet->view());
        sheet->viewWillAppear(false);
        run(1);
        EXPECT_EQ(sheet->actionSheetView()->frame().origin.y, 60);
        return sheet->view()->superview() == screen;
    };
    EXPECT_TRUE(shownAgain(std::make_shared<CustomUIActionSheetViewController>())) << "a sheet";
    EXPECT_TRUE(shownAgain(std::make_shared<CustomUIMessageBox>())) << "a message box";
}

TEST_F(Widgets, ForgottenPasswordStoresTheNameThenAsksToConfirm) {
    launch();
    auto dialog = std::make_shared<InputDialog>();
    auto screen = nav().topViewController()->view();
    screen->addSubview(dialog->view());
    dialog->viewWillAppear(false);
    run(1);
    EXPECT_EQ(dialog->lblTitle()->text(), "Forgotten password");
    EXPECT_TRUE(dialog->txtInput()->isFirstResponder());
    EXPECT_EQ(dialog->actionSheetView()->frame().origin.y, 30);
    EXPECT_FALSE(sys::Log::contains("interface file InputDialog"));

    ui::Application::shared().sendReturn();  // an empty name still goes on
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("ZUNO_FORGET_PASSWORD_USERNAME"), "");
    EXPECT_EQ(UIController::okValue(), UIController::okGetPassword);
    EXPECT_EQ(UIController::shownDialogMessage(), "Get your password back by SMS?");
    auto alert = alertOnTop("asking to send the password");
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->buttonTitleAtIndex(0), "No");
    EXPECT_EQ(alert->buttonTitleAtIndex(1), "Yes");
    run(1);
    EXPECT_EQ(dialog->view()->superview(), nullptr);
}

TEST_F(Widgets, LogoAnimationMovesTwoImagesAndRestartsFromTheFirst) {
    launch();
    auto screen = std::static_pointer_cast<ZunoViewController>(nav().topViewController());
    screen->startAnimationLogo();
    ASSERT_EQ(screen->arrZunoOnline.size(), 2u);
    EXPECT_EQ(screen->arrZunoOnline[0]->center(), (ui::Point{120, 60}));
    EXPECT_EQ(screen->arrZunoOnline[1]->frame(), ui::Rect(149, -20, 50, 12));
    run(0.3);
    EXPECT_EQ(screen->arrZunoOnline[1]->center(), (ui::Point{155, 80}));
    EXPECT_TRUE(ui::Animator::shared().isAnimating(screen->arrZunoOnline[1].get()));
    run(0.6);
    EXPECT_FALSE(ui::Animator::shared().isAnimating(screen->arrZunoOnline[1].get()));
    screen->startAnimationLogo();
    EXPECT_EQ(screen->indexShow, 1);
    EXPECT_EQ(screen->arrZunoOnline[1]->frame(), ui::Rect(149, -20, 50, 12));
    // Started again before its second step: the pending step must not start it over.
    screen->startAnimationLogo();
    const auto second = screen->arrZunoOnline[1];
    run(0.9);
    EXPECT_EQ(screen->arrZunoOnline[1].get(), second.get());
    EXPECT_EQ(screen->indexShow, 2);
    EXPECT_EQ(second->center(), (ui::Point{155, 80}));

    screen->showLoadingScreen();
    screen->showLoadingScreen();
    int spinners = 0;
    for (const auto& v : screen->view()->subviews()) spinners += dynamic_cast<ui::ActivityIndicatorView*>(v.get()) != nullptr;
    EXPECT_EQ(spinners, 1);
    screen->hideLoadingScreen();
    for (const auto& v : screen->view()->subviews()) EXPECT_FALSE(dynamic_cast<ui::ActivityIndicatorView*>(v.get()));
}

}  // namespace
}  // namespace zuno::testing
