#include "support/ProgramRoadTest.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/ScreenEvents.h"
#include "money/MoneyView.h"
#include "platform/core/Clock.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Display.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Responder.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Window.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "screens/ServerView.h"
#include "screens/UserDataView.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "support/AlertButtons.h"
#include "support/LayoutCheck.h"
#include "support/LeftTableMessages.h"
#include "support/PlatformReset.h"
#include "support/RasterCompare.h"
#include "support/TurnClockRun.h"
#include "table/TableDecorations.h"

namespace zuno::testing {

namespace {
// A step of the roads: the window draws a frame at each.
constexpr double kFrameSeconds = 0.05;

// The window's screen while a road runs: it draws a frame at every step, as the real window does at
// its display's pace, so that animations are drawn in part through their in-between frames too.
std::unique_ptr<ui::RasterScreen>& windowFrames() {
    static std::unique_ptr<ui::RasterScreen> frames;
    return frames;
}

void drawWindowFrame() {
    auto& frames = windowFrames();
    const ui::Size size = ui::Screen::windowSize();
    if (!frames || frames->width() != int(size.width) || frames->height() != int(size.height)) {
        frames = std::make_unique<ui::RasterScreen>();
        ui::Display::invalidate();  // its first frame draws everything
    }
    frames->renderIfNeeded();
    noteMyTurnClock();
}
}  // namespace

void ProgramRoadTest::startStandin() {
    ASSERT_TRUE(server.start());
    signIn = standin::StandinSignIn::installOn(server);
    lists = standin::StandinLobbyLists::installOn(server);
}

void ProgramRoadTest::launchProgram(const std::string& folderName) {
    standin::StandinHttp::installOn(http, server.port());
    ASSERT_NE(http.start(), 0);

    const std::string folder = makeTemporaryFolder(folderName);
    programOptions.headless = true;
    programOptions.configFile = folder + "/config.plist";
    std::ofstream(*programOptions.configFile) << configuration();
    program = std::make_unique<app::Program>(programOptions);
    ASSERT_TRUE(program->launch());
    expectNothingOfALeftTable();
}

void ProgramRoadTest::relaunchProgram() {
    program->shutDown();
    program.reset();
    ui::Responder::clearFirstResponder();
    ui::Application::shared().reset();
    ui::Animator::shared().reset();
    program = std::make_unique<app::Program>(programOptions);
    ASSERT_TRUE(program->launch());
}

void ProgramRoadTest::switchLanguageOnTheLoginScreen() {
    auto login = std::dynamic_pointer_cast<LoginView>(program->navigation().topViewController());
    ASSERT_TRUE(login);
    login->doChangeLanguage(nullptr);
    settle();
}

void ProgramRoadTest::signInFromTheLoginScreen(const std::string& name, const std::string& password) {
    auto servers = logInAs(name, password);
    ASSERT_TRUE(servers);
    ASSERT_NO_FATAL_FAILURE(signInOnTheFirstServer(*servers));
}

void ProgramRoadTest::signInOnTheFirstServer(ServerView& servers) {
    ASSERT_TRUE(pump([&] { return !servers.listServers.empty() && !servers.isFetching(); }));
    settle();
    auto first = servers.tableView->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(first) << "the server list shows no first row";
    tap(*first);
    ASSERT_TRUE(waitForTop<MainView>());
}

namespace {
// A decoder that could not read a message logs "Exception <name>" and drops it, as other work of the
// program that failed logs it and goes on (a request that could not be written logs "Exception :<name>"
// instead).
bool isFailure(const std::string& line) {
    constexpr std::string_view kStart = "Exception ";
    return line.rfind(kStart, 0) == 0 && line.size() > kStart.size() && line[kStart.size()] != ':';
}
}  // namespace

void ProgramRoadTest::TearDown() {
    expectNothingOfALeftTable();
    LeftTableMessages::shared().stop();
    if (program) program->shutDown();
    program.reset();
    windowFrames().reset();
    forgetMyTurnClock();
    http.stop();
    server.stop();
    Resources::setConfigurationFile(std::nullopt);
    // The next road's program reads its own configuration's server.
    GlobalService::useConfiguredAddress();
    GlobalMessageHandler::getInstance().setLobbyUi(nullptr);
    ui::Responder::clearFirstResponder();
    ui::Application::shared().reset();
    ui::Animator::shared().reset();
    for (const std::string& line : sys::Log::captured())
        EXPECT_FALSE(isFailure(line)) << "a decoder dropped a message, or other work failed: " << line;
}

std::string ProgramRoadTest::configuration() const {
    const std::string base = "http://127.0.0.1:" + std::to_string(http.port());
    return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict>)"
           "<key>Server</key><string>127.0.0.1</string><key>Port</key><string>" +
           std::to_string(server.port()) + "</string><key>LinkServer</key><string>" + base +
           "/serverlist</string><key>LinkGuide</key><string>" + base + "/guide</string><key>LinkTerm</key><string>" +
           base + "/terms</string><key>AppStoreUrl</key><string>" + storeAddress() +
           "</string><key>PaymentUrl</key><string>" + base +
           "/payment?user=%@&amp;provider=%d&amp;lang=%@</string><key>Hotline</key><string>19001234</string></dict></plist>";
}

std::string ProgramRoadTest::storeAddress() const {
    return "http://127.0.0.1:" + std::to_string(http.port()) + "/download";
}

bool ProgramRoadTest::pump(const std::function<bool()>& done, int steps) {
    return runInStepUntil(done, kFrameSeconds, steps, drawWindowFrame);
}

namespace {
// A one-shot timer posted at most this far ahead is a step of something under way (a deal's next card,
// a flight that lands, a screen that closes itself as soon as it is shown): a settle waits for it. What
// is posted further ahead is a pause a player waits through or acts in (a bubble's time to be read, a
// dialog that closes itself after seconds, a turn clock's end), and the road acts while it runs.
constexpr double kStepHorizonSeconds = 1.0;

std::string nameOfType(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? name.get() : type.name();
}

std::string seconds(double value) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2) << value;
    return out.str();
}

// What on the screen is still on its way to rest: the navigation's change of screen, an animation that
// ends by itself, a picture's frames played a number of times, a scroll view gliding or settling, a
// timer posted a moment ahead. What is meant to move for ever (a blinking start button, a marquee, a
// clock, a falling Blocks piece: repeating timers, or animations that repeat until removed) never rests
// and does not count.
struct StillMoving {
    // Naming takes time: while waiting, the first thing found ends the search.
    bool named = false;
    std::vector<std::string> found;

    // Answers whether to look further.
    bool note(const std::function<std::string()>& name) {
        found.push_back(named ? name() : std::string());
        return named;
    }
};

bool addMovingViews(const ui::View& view, StillMoving& moving) {
    if (auto scroll = dynamic_cast<const ui::ScrollView*>(&view); scroll && scroll->isMovingByItself()) {
        const bool on = moving.note([&] {
            return (scroll->isDecelerating() ? "the decelerating " : "the scrolling ") + describeView(view);
        });
        if (!on) return false;
    }
    if (auto picture = dynamic_cast<const ui::ImageView*>(&view);
        picture && picture->isAnimating() && picture->animationRepeatCount() > 0) {
        if (!moving.note([&] { return "the frames of " + describeView(view); })) return false;
    }
    for (const auto& sub : view.subviews()) {
        if (!addMovingViews(*sub, moving)) return false;
    }
    return true;
}

StillMoving stillMoving(const ui::NavigationController& navigation, bool named) {
    StillMoving moving{named, {}};
    if (navigation.isTransitioning()) {
        const bool on = moving.note([&] {
            auto top = navigation.topViewController();
            return "the navigation's change of screen to " + (top ? describeScreen(*top) : std::string("none"));
        });
        if (!on) return moving;
    }
    for (const auto& animation : ui::Animator::shared().endingAnimations()) {
        const bool on = moving.note([&] {
            auto view = dynamic_cast<const ui::View*>(animation.first);
            const std::string& name = animation.second;
            return "the animation " + (name.empty() ? "" : "'" + name + "' ") + "of " +
                   (view ? describeView(*view) : std::string("a layer"));
        });
        if (!on) return moving;
    }
    for (const auto& window : ui::Application::shared().windows()) {
        if (!addMovingViews(*window, moving)) return moving;
    }
    for (const auto& timer : sys::RunLoop::main().pendingOneShots()) {
        if (timer.postedAhead > kStepHorizonSeconds) continue;
        const bool on = moving.note([&] {
            return "a timer posted " + seconds(timer.postedAhead) + " s ahead, due in " + seconds(timer.dueIn) +
                   " s: " + nameOfType(*timer.task);
        });
        if (!on) return moving;
    }
    return moving;
}
}  // namespace

std::string ProgramRoadTest::notOnTop(const std::type_info& wanted) const {
    auto top = program ? program->navigation().topViewController() : nullptr;
    return "waiting for a " + nameOfType(wanted) + " on top: " +
           (top ? describeScreen(*top) : std::string("no screen")) + " stays there";
}

void ProgramRoadTest::settle() {
    expectNothingOfALeftTable();
    if (!pump([this] { return stillMoving(program->navigation(), false).found.empty(); })) {
        std::string moving;
        for (const auto& what : stillMoving(program->navigation(), true).found) moving += "\n  " + what;
        ADD_FAILURE() << "the screen did not settle; still moving:" << moving;
        return;
    }
    expectWindowsLaidOut("settled");
    expectWindowFrameAsFullRedraw();
    expectTurnActions();
}

namespace {
bool showsMoneyFlying(const ui::View& view) {
    if (view.isHidden()) return false;
    if (view.identifier() == TableDecorations::kFlyTextIdentifier) return true;
    const auto& subviews = view.subviews();
    return std::any_of(subviews.begin(), subviews.end(), [](const auto& sub) { return showsMoneyFlying(*sub); });
}
}  // namespace

void ProgramRoadTest::settleAsTheMoneyFlies() {
    const bool flies = pump([] {
        const auto windows = ui::Application::shared().windows();
        return std::any_of(windows.begin(), windows.end(),
                           [](const auto& window) { return showsMoneyFlying(*window); });
    });
    if (flies) expectWindowsLaidOut("the money flying");
    else ADD_FAILURE() << "no money flies at the deal's end";
    settle();
}

namespace {
// The bubbles the screen shows: its "chat0" to "chat4" pictures.
int shownBubbles(const ui::View& screen) {
    int shown = 0;
    for (const auto& view : screen.subviews()) {
        if (!view->isHidden() && view->identifier().size() == 5 && view->identifier().rfind("chat", 0) == 0) ++shown;
    }
    return shown;
}
}  // namespace

void ProgramRoadTest::everyBubbleSaysALongLine(const ui::View& screen, const std::vector<int>& bubbles,
                                               const std::function<void(int, const std::string&)>& say) {
    for (int bubble : bubbles) {
        say(bubble, "Bubble " + std::to_string(bubble) + " says: who raises all in with seven two and still wins?");
    }
    EXPECT_GT(shownBubbles(screen), 0) << "no bubble shows";
    constexpr int kLongestTalkSeconds = 60;
    for (int second = 0; second < kLongestTalkSeconds && shownBubbles(screen) > 0; ++second) {
        settle();
        pump([] { return false; }, 14);  // a second
    }
    EXPECT_EQ(shownBubbles(screen), 0) << "the bubbles still talk";
    settle();
}

void ProgramRoadTest::pressLeave(const std::shared_ptr<ui::ViewController>& table) {
    auto events = std::dynamic_pointer_cast<TableScreenEvents>(table);
    ASSERT_TRUE(events) << "no table to leave";
    ASSERT_TRUE(robots) << "no robots' table";
    events->pressLeave();
    if (UIController::okValue() == UIController::okLeaveBoard && UIController::shownDialogMessage()) answerAlert(true);
    ASSERT_TRUE(pump([&] {
        return robots->locked([&] { return robots->game() == nullptr; }) &&
               program->navigation().topViewController() != table;
    }));
    settle();
}

void ProgramRoadTest::leave(const std::shared_ptr<ui::ViewController>& table) {
    ASSERT_NO_FATAL_FAILURE(pressLeave(table));
    ASSERT_NO_FATAL_FAILURE(runPastTheLeftTablesSteps());
}

void ProgramRoadTest::runPastTheLeftTablesSteps() {
    ASSERT_TRUE(robots) << "no robots' table";
    // Once the table has ended there, the mark of its end is on its way.
    ASSERT_TRUE(pump([&] { return robots->locked([&] { return robots->game() == nullptr; }); }))
        << "the stand-in still seats me";
    auto& left = LeftTableMessages::shared();
    ASSERT_TRUE(pump([&] { return left.lastTablesStepsDueBy().has_value(); })) << "the table's end was not marked";
    runUntilTime(*left.lastTablesStepsDueBy());
    settle();
    EXPECT_EQ(UIController::myInfo()->money(), myServerBalance()) << "my record of my money after the table ended";
}

void ProgramRoadTest::runUntilTime(double until) {
    auto& loop = sys::RunLoop::main();
    const int steps = static_cast<int>((until - loop.now()) / kFrameSeconds) + 2;
    pump([&] { return loop.now() >= until; }, steps);
}

void ProgramRoadTest::expectNothingOfALeftTable() {
    auto& left = LeftTableMessages::shared();
    if (robots) left.listenTo(*robots);
    std::string commands;
    for (int8_t command : left.takeHeard()) {
        commands += ' ';
        commands += std::to_string(command);
    }
    EXPECT_TRUE(commands.empty()) << "a table the program had left sent it messages, commands" << commands;
}

void ProgramRoadTest::expectWindowFrameAsFullRedraw() {
    drawWindowFrame();
    EXPECT_TRUE(showsWhatIsDrawnPlainly(*windowFrames())) << "the window's frame of the settled screen";
    ui::RasterScreen full;
    full.renderApplication();
    EXPECT_TRUE(showsWhatIsDrawnPlainly(full)) << "a full redraw of the settled screen";
}

void ProgramRoadTest::tap(const ui::View& view) {
    // A player's taps one after another are single taps: the next comes after a double tap's time.
    if (lastTap_ >= 0 && sys::RunLoop::main().now() - lastTap_ <= ui::Window::kMultiTapInterval)
        runUntilTime(lastTap_ + ui::Window::kMultiTapInterval + kFrameSeconds);
    program->delegate()->window->tapView(view);
    lastTap_ = sys::RunLoop::main().now();
}

void ProgramRoadTest::type(const std::string& text) { ui::Application::shared().sendText(text); }

void ProgramRoadTest::editPersonalData(UserDataView& tab, ui::Button& field, const std::string& text) {
    tap(field);
    settle();
    ASSERT_TRUE(tab.editor());
    tab.editor()->setText(std::string());
    type(text);
    ui::Application::shared().sendReturn();
    settle();
}

std::shared_ptr<ServerView> ProgramRoadTest::logInAs(const std::string& user, const std::string& password) {
    auto login = waitForTop<LoginView>();
    if (!login) return nullptr;
    tap(*login->txvUser);
    type(user);
    app::focusNextField();
    type(password);
    ui::Application::shared().sendReturn();
    return waitForTop<ServerView>();
}

void ProgramRoadTest::tapRow(MoneyView& screen, int row) {
    screen.tableView()->scrollToRowAtIndexPath({0, row}, ui::ScrollPosition::Middle, false);
    settle();
    auto cell = screen.tableView()->cellForRowAtIndexPath({0, row});
    ASSERT_TRUE(cell);
    tap(*cell);
    settle();
}

void ProgramRoadTest::chargeDirectlyAndGoBack() {
    auto topUp = waitForTop<MoneyView>();
    ASSERT_TRUE(topUp);
    ASSERT_TRUE(pump([&] { return topUp->tableView()->numberOfRowsInSection(0) > 1; }));
    settle();
    tapRow(*topUp, 1);
    for (const std::string& said : {topUp->listMoney[1]->info(), std::string("50,000 Xu were added.")}) {
        ASSERT_TRUE(pump([&] { return dialogText() == said; })) << dialogText();
        answerAlert(true);
        settle();
    }
    topUp->doExit(nullptr);
    settle();
}

std::string ProgramRoadTest::dialogText() { return UIController::shownDialogMessage().value_or(""); }

std::string ProgramRoadTest::amountShown(int64_t money) {
    return Util::formatNumber(money) + " " + Resources::getInstance().textForKey("ZUNO_win");
}

int64_t ProgramRoadTest::myServerBalance() const {
    auto me = UIController::myInfo();
    return me ? signIn->balance(me->IDDB()).value_or(-1) : -1;
}

void ProgramRoadTest::expectTheProfileShows(int64_t money) {
    auto& navigation = program->navigation();
    for (const auto& screen : navigation.viewControllers()) {
        if (!std::dynamic_pointer_cast<MainView>(screen) || navigation.topViewController() == screen) continue;
        navigation.popToViewController(screen.get(), false);
        break;
    }
    auto menu = waitForTop<MainView>();
    ASSERT_TRUE(menu);
    menu->doShowProfile(nullptr);
    auto profile = waitForTop<ProfileView>();
    ASSERT_TRUE(profile);
    const auto& title = profile->personalDataTab()->btnMoney;
    ASSERT_TRUE(pump([&] { return title->currentTitle() == amountShown(money); }))
        << "the profile shows " << title->currentTitle().value_or("") << ", not " << amountShown(money);
    profile->doExit(nullptr);
    ASSERT_TRUE(waitForTop<MainView>());
}

std::string ProgramRoadTest::textsIn(const ui::View& view) {
    std::string out;
    if (auto line = dynamic_cast<const CustomLabel*>(&view)) out += line->text() + "|";
    else if (auto label = dynamic_cast<const ui::Label*>(&view)) out += label->text().value_or("") + "|";
    for (const auto& sub : view.subviews()) out += textsIn(*sub);
    return out;
}

}  // namespace zuno::testing
