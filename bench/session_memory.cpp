// Memory over a long session: the desktop program, headless at scale 2 with the window's frames drawn
// as a window draws them, against the demo's stand-in in the same process. It signs in and goes round
// one loop again and again: the shop, the profile, the friends, the mailbox and the rankings, then a
// table of every game (invited, seated, a deal or game under way, left). Prints the resident memory,
// the heap in use and what the caches keep after each cycle. Goal: under 2 % growth from cycle 10 to
// cycle 30, of the resident size and of the heap (each the mean of five cycles). `bench_session_memory
// [cycles]` runs that many cycles (30 by default, at least 10).
//
// Then what keeping one table screen per game for the run costs and saves: the views and heap the kept
// screens hold, and the time of joining every table with the screens kept and with each made afresh.
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "HeadlessRun.h"
#include "Program.h"
#include "lobby/DialogActions.h"
#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "money/AvatarShopView.h"
#include "money/ShopView.h"
#include "platform/backend/CairoImageForms.h"
#include "platform/backend/RasterScreen.h"
#include "platform/backend/TextLayout.h"
#include "platform/core/PlatformOptions.h"
#include "platform/core/RunLoop.h"
#include "platform/media/Sound.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "screens/FriendListView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/MessageView.h"
#include "screens/ProfileView.h"
#include "screens/RankingView.h"
#include "screens/ServerView.h"
#include "shell/UIController.h"
#include "table/GameController.h"
#include "standin-server/StandinDemo.h"
#include "standin-server/StandinHttp.h"

namespace {

using namespace zuno;

constexpr double kGoalGrowth = 0.02;
constexpr double kMib = 1024.0 * 1024.0;

// Measured at rest at the main menu after a cycle; the highest resident size so far is the peak of
// the cycles, at a table.
struct Memory {
    double residentMib = 0, highestResidentMib = 0, heapMib = 0;
};

// The resident pages by kind: mapped files (the program and its shared libraries, fonts) and the rest.
struct Resident {
    double filesMib = 0, anonymousMib = 0;
};

Resident residentByKind() {
    Resident r;
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string line;
    double rss = 0;
    while (std::getline(rollup, line)) {
        if (line.rfind("Rss:", 0) == 0) rss = std::stod(line.substr(4)) / 1024.0;
        if (line.rfind("Anonymous:", 0) == 0) r.anonymousMib = std::stod(line.substr(10)) / 1024.0;
    }
    r.filesMib = rss - r.anonymousMib;
    return r;
}

Memory measure() {
    Memory m;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) m.residentMib = std::stod(line.substr(6)) / 1024.0;
        if (line.rfind("VmHWM:", 0) == 0) m.highestResidentMib = std::stod(line.substr(6)) / 1024.0;
    }
    // Large blocks (pictures) may have pages of their own, outside the allocator's arenas.
    const struct mallinfo2 heap = mallinfo2();
    m.heapMib = double(heap.uordblks + heap.hblkhd) / kMib;
    return m;
}

double mainThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The mean of the five measures up to a cycle (counted from 1).
Memory meanOfFive(const std::vector<Memory>& after, int cycle) {
    Memory mean;
    for (int i = cycle - 5; i < cycle; ++i) {
        mean.residentMib += after[size_t(i)].residentMib / 5;
        mean.heapMib += after[size_t(i)].heapMib / 5;
    }
    return mean;
}

// The program driven as a person would, its timers on the virtual clock and the network in real time.
class Session {
public:
    Session(app::Program& program, standin::StandinDemo& demo) : program_(program), demo_(demo) {}

    bool signIn() {
        auto login = waitForTop<LoginView>();
        if (!login) return fail("no login screen");
        window().tapView(*login->txvUser);
        ui::Application::shared().sendText("demo");
        app::focusNextField();
        ui::Application::shared().sendText("demo");
        ui::Application::shared().sendReturn();
        auto servers = waitForTop<ServerView>();
        if (!servers || !pump([&] { return !servers->listServers.empty() && !servers->isFetching(); }))
            return fail("no server list");
        servers->didSelectRowAtIndexPath(*servers->tableView, ui::IndexPath{0, 0});
        menu_ = waitForTop<MainView>();
        return menu_ ? true : fail("no main menu");
    }

    // The sum of the joins' times, from accepting the invitation to the table shown and still: on the
    // clock, and the main thread's work.
    double joinSeconds() const { return joinSeconds_; }
    double joinWorkSeconds() const { return joinWorkSeconds_; }

    bool cycle() {
        return visit<ShopView>([](MainView& m) { m.doShowShopping(nullptr); },
                               [](ShopView& s) { return s.avatarShopView()->shownItems() != nullptr; }) &&
               visit<ProfileView>([](MainView& m) { m.doShowProfile(nullptr); },
                                  [](ProfileView& p) { return p.viewingTabIndex() == 1; }) &&
               visit<FriendListView>([](MainView& m) { m.doShowFriends(nullptr); },
                                     [](FriendListView& f) { return !f.friendList.empty(); }) &&
               visit<MessageView>([](MainView& m) { m.doShowMail(nullptr); }, [](MessageView&) { return true; }) &&
               visit<RankingView>([](MainView& m) { m.doShowRange(nullptr); },
                                  [](RankingView& r) { return !r.listRanking.empty(); }) &&
               playEveryTable();
    }

    // Every game of the client, each at a robots' table.
    bool playEveryTable() {
        for (const GameDescriptor* descriptor : GameRegistry::games()) {
            const int8_t game = descriptor->type;
            demo_.robots->setNextInvitation(game);
            demo_.robots->inviteNow();
            if (!pump([] { return UIController::okValue() == okAcceptInvite && UIController::shownDialogMessage(); }))
                return fail("no invitation to game " + std::to_string(game));
            const sys::Value invitation = UIController::object();
            const int deals = dealsStarted();
            const auto accepted = std::chrono::steady_clock::now();
            const double workBefore = mainThreadSeconds();
            app::confirmDialog();
            if (!pump([&] {
                    auto top = navigation().topViewController();
                    return seatedGame() == game && top && descriptor->ownsScreen(*top) && settled();
                }))
                return fail("not seated at game " + std::to_string(game));
            joinSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - accepted).count();
            joinWorkSeconds_ += mainThreadSeconds() - workBefore;
            GlobalService::getInstance().readyWithRoomId(int8_t(invitation["roomid"].asInteger()),
                                                         int8_t(invitation["boardid"].asInteger()), true);
            if (!pump([&] { return dealsStarted() > deals; })) return fail("no deal at game " + std::to_string(game));
            pump([] { return false; }, 40);  // the deal's first moves, two seconds of the table's time
            app::goBack();
            if (UIController::okValue() == okLeaveBoard && UIController::shownDialogMessage()) app::confirmDialog();
            if (!pump([&] { return seatedGame() == -1 && navigation().topViewController() == menu_ && settled(); }))
                return fail("could not leave game " + std::to_string(game));
        }
        return true;
    }

    // A moment at the main menu with nothing to do: what the closed screens freed has gone back.
    void rest() { pump([] { return false; }, 40); }

    const std::string& why() const { return why_; }

private:
    ui::Window& window() { return *program_.delegate()->window; }
    ui::NavigationController& navigation() { return program_.navigation(); }

    bool fail(const std::string& why) {
        why_ = why;
        return false;
    }

    void drawFrame() {
        const ui::Size size = ui::Screen::windowSize();
        if (!frames_ || frames_->width() != int(size.width) || frames_->height() != int(size.height))
            frames_ = std::make_unique<ui::RasterScreen>();
        frames_->renderIfNeeded();
    }

    bool pump(const std::function<bool()>& done, int steps = 600) {
        auto& loop = sys::RunLoop::main();
        for (int i = 0; i < steps; ++i) {
            if (done()) return true;
            loop.runFor(0.05);
            loop.runUntil(done, 0.01);
            drawFrame();
        }
        return done();
    }

    bool settled() { return !navigation().isTransitioning() && ui::Animator::shared().endingAnimations().empty(); }

    template <class Screen>
    std::shared_ptr<Screen> waitForTop() {
        std::shared_ptr<Screen> screen;
        pump([&] { return bool(screen = std::dynamic_pointer_cast<Screen>(navigation().topViewController())); });
        pump([&] { return settled(); });
        return screen;
    }

    bool backToTheMenu() {
        navigation().popToViewController(menu_.get(), true);
        return waitForTop<MainView>() == menu_ ? true : fail("not back at the main menu");
    }

    template <class Screen>
    bool visit(const std::function<void(MainView&)>& open, const std::function<bool(Screen&)>& shown) {
        open(*menu_);
        auto screen = waitForTop<Screen>();
        if (!screen || !pump([&] { return shown(*screen); })) return fail(std::string("no ") + typeid(Screen).name());
        return backToTheMenu();
    }

    int seatedGame() const {
        return demo_.robots->locked([&] { return demo_.robots->game() ? int(demo_.robots->game()->gameType()) : -1; });
    }
    int dealsStarted() const { return demo_.robots->locked([&] { return demo_.robots->dealsStarted(); }); }


    app::Program& program_;
    standin::StandinDemo& demo_;
    std::shared_ptr<MainView> menu_;
    std::unique_ptr<ui::RasterScreen> frames_;
    std::string why_;
    double joinSeconds_ = 0, joinWorkSeconds_ = 0;
};

size_t viewsIn(const ui::View& view) {
    size_t count = 1;
    for (const auto& subview : view.subviews()) count += viewsIn(*subview);
    return count;
}

// The table screens kept now, and their views.
std::pair<int, size_t> keptTableScreens() {
    int screens = 0;
    size_t views = 0;
    for (const GameDescriptor* descriptor : GameRegistry::games()) {
        const auto screen = descriptor->screen ? descriptor->screen() : nullptr;
        if (!screen) continue;
        ++screens;
        if (screen->isViewLoaded()) views += viewsIn(*screen->view());
    }
    return {screens, views};
}

// Rounds of joining every table, the screens kept from the round before or each made afresh (as
// when a screen goes with its table); the fastest round's time per join. Made afresh, also the memory
// the kept screens held.
bool compareKeptTableScreens(Session& session) {
    constexpr int kRounds = 3;
    const auto [screens, views] = keptTableScreens();
    malloc_trim(0);
    const Memory kept = measure();
    struct Join {
        double seconds = 1e9, work = 1e9;
    } keptJoin, afreshJoin;
    Memory released;
    const double games = double(GameRegistry::games().size());
    for (int round = 0; round < 2 * kRounds; ++round) {
        const bool afresh = round % 2 == 1;
        if (afresh) {
            GameController::resetForTests();
            malloc_trim(0);
            released = measure();
        }
        const double seconds = session.joinSeconds(), work = session.joinWorkSeconds();
        if (!session.playEveryTable()) return false;
        session.rest();
        Join& join = afresh ? afreshJoin : keptJoin;
        join.seconds = std::min(join.seconds, (session.joinSeconds() - seconds) / games);
        join.work = std::min(join.work, (session.joinWorkSeconds() - work) / games);
    }
    std::printf("table screens kept: %d, %zu views, %.1f MiB of heap (%.1f MiB resident)\n", screens, views,
                kept.heapMib - released.heapMib, kept.residentMib - released.residentMib);
    std::printf("joining a table, its screen kept: %.0f ms (%.0f ms of the main thread's work); made afresh: %.0f ms "
                "(%.0f ms)\n",
                keptJoin.seconds * 1000, keptJoin.work * 1000, afreshJoin.seconds * 1000, afreshJoin.work * 1000);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::max(10, std::atoi(argv[1])) : 30;
    sys::RunLoop::main().setVirtualClock(true);
    sys::setRequestedDisplayScale(2);
    sys::Sound::setOutputEnabled(false);  // nothing to hear headless

    standin::StandinServer server;
    standin::StandinDemo::Options demoOptions;
    demoOptions.greetingDelay = std::nullopt;
    demoOptions.robots.invitationDelay = 24 * 3600;  // only when the loop asks
    demoOptions.robots.robotDelay = 0.02;
    demoOptions.robots.holdPlayerTurns = true;
    auto demo = standin::StandinDemo::installOn(server, demoOptions);
    standin::HttpServer http;
    if (!server.start()) return 1;
    standin::StandinHttp::installOn(http, server.port());
    if (http.start() == 0) return 1;

    const bench::HeadlessRun run = bench::prepareHeadlessRun("session", http.port(), server.port());
    const app::ProgramOptions& options = run.options;
    int result = 1;
    {
        app::Program program(options);
        Session session(program, demo);
        if (program.launch() && session.signIn()) {
            const Memory start = measure();
            std::printf("signed in: resident %.1f MiB (highest %.1f), heap in use %.1f MiB\n", start.residentMib,
                        start.highestResidentMib, start.heapMib);
            std::vector<Memory> after;  // each cycle's
            bool ok = true;
            for (int cycle = 1; cycle <= cycles && ok; ++cycle) {
                ok = session.cycle();
                session.rest();
                after.push_back(measure());
                const Memory& now = after.back();
                std::printf("cycle %d: resident %.1f MiB (highest %.1f), heap in use %.1f MiB (kept: pictures %.1f, "
                            "resized pictures %.1f, text lines %.1f MiB)\n",
                            cycle, now.residentMib, now.highestResidentMib, now.heapMib,
                            double(ui::Image::cachedBytes()) / kMib, double(ui::resizedFormBytes()) / kMib,
                            double(ui::cachedTextLayoutBytes()) / kMib);
                std::fflush(stdout);
            }
            if (ok) {
                // One cycle's figures move by a megabyte either way with what the caches hold at that
                // moment and how the allocator's pages are filled; five cycles together show a trend.
                const Memory tenth = meanOfFive(after, 10), last = meanOfFive(after, cycles);
                const double residentGrowth = last.residentMib / tenth.residentMib - 1;
                const double heapGrowth = last.heapMib / tenth.heapMib - 1;
                const bool met = std::max(residentGrowth, heapGrowth) < kGoalGrowth;
                std::printf("resident (heap in use): cycle 1 %.1f (%.1f), cycle 10 %.1f (%.1f), cycle %d %.1f (%.1f) "
                            "MiB\n",
                            after[0].residentMib, after[0].heapMib, after[9].residentMib, after[9].heapMib, cycles,
                            after.back().residentMib, after.back().heapMib);
                std::printf("growth from cycle 10 to %d, each the mean of the five cycles up to it: resident %.1f %%, "
                            "heap %.1f %% (goal under %.0f %%): %s\n",
                            cycles, residentGrowth * 100, heapGrowth * 100, kGoalGrowth * 100, met ? "met" : "NOT met");
                result = met ? 0 : 1;
                const Resident kinds = residentByKind();
                const struct mallinfo2 heap = mallinfo2();
                std::printf("resident after cycle %d: %.1f MiB of mapped files (the program, its libraries, fonts), "
                            "%.1f MiB of its own: heap in use %.1f MiB (and %.1f MiB free inside the heap, its whole pages given "
                            "back)\n",
                            cycles, kinds.filesMib, kinds.anonymousMib, after.back().heapMib,
                            double(heap.fordblks) / kMib);
                if (!compareKeptTableScreens(session)) {
                    std::fprintf(stderr, "the table rounds failed: %s\n", session.why().c_str());
                    result = 1;
                }
            } else {
                std::fprintf(stderr, "the loop failed: %s\n", session.why().c_str());
            }
        } else {
            std::fprintf(stderr, "signing in failed: %s\n", session.why().c_str());
        }
        program.shutDown();
    }
    http.stop();
    server.stop();
    std::filesystem::remove_all(run.folder);
    return result;
}
