#include "HeadlessWalk.h"

#include "platform/core/RunLoop.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "screens/GameView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/ServerView.h"

namespace zuno::app {

namespace {
constexpr double kStepSeconds = 0.5;
// How long the walk waits for a dialog (the robot's invitation) after the game list's picture.
constexpr double kDialogWaitSeconds = 6;
}

HeadlessWalk::HeadlessWalk(Program& program, std::string user, std::string password)
    : program_(program), user_(std::move(user)), password_(std::move(password)) {}

bool HeadlessWalk::settled() const {
    return !program_.navigation().isTransitioning() && !ui::Animator::shared().hasRunningAnimations();
}

void HeadlessWalk::step() {
    auto top = program_.navigation().topViewController();
    auto& window = *program_.delegate()->window;
    auto& app = ui::Application::shared();
    if (!settled()) return;
    // When pictures are asked for, each screen's is taken before the walk leaves it.
    if (top && program_.takesSnapshots() && program_.lastSnapshotOf() != top->nibName().value_or("screen")) return;
    if (auto login = std::dynamic_pointer_cast<LoginView>(top)) {
        if (typed_) {
            // Back at the login screen: the server's refusal or a failed connection is on show.
            for (const auto& alert : ui::AlertView::visibleAlerts()) {
                if (alert->numberOfButtons() == 0) continue;
                why_ = alert->message().value_or("signing in failed");
                done_ = true;
                return;
            }
            return;
        }
        typed_ = true;
        window.tapView(*login->txvUser);
        app.sendText(user_);
        focusNextField();
        app.sendText(password_);
        app.sendReturn();
    } else if (auto servers = std::dynamic_pointer_cast<ServerView>(top)) {
        if (picked_ || servers->isFetching()) return;
        if (servers->listServers.empty()) {
            why_ = servers->fetchError() ? "no server list could be fetched: " + *servers->fetchError()
                                         : "the server list is empty";
            done_ = true;
            return;
        }
        picked_ = true;
        servers->didSelectRowAtIndexPath(*servers->tableView, ui::IndexPath{0, 0});
    } else if (auto menu = std::dynamic_pointer_cast<MainView>(top)) {
        if (opened_) return;
        opened_ = true;
        window.tapView(*menu->btnPlayGames);
    } else if (std::dynamic_pointer_cast<GameView>(top)) {
        // When pictures are asked for: once the game list's is taken, then the robot's invitation,
        // which comes a moment later, in a picture of its own (unless none comes).
        if (program_.takesSnapshots()) {
            dialogsPictured_ += program_.snapshotNewDialogs();
            waitedForDialog_ += kStepSeconds;
            if (dialogsPictured_ == 0 && waitedForDialog_ < kDialogWaitSeconds) return;
        }
        ok_ = true;
        done_ = true;
    }
}

bool HeadlessWalk::run() {
    auto& loop = sys::RunLoop::main();
    auto timer = loop.scheduleRepeating(kStepSeconds, [this] { step(); });
    // On the loop's clock: real time, or a test's virtual clock.
    for (double ran = 0; !done_ && ran < kTimeLimitSeconds; ran += kStepSeconds) loop.runFor(kStepSeconds);
    loop.cancel(timer);
    if (!done_) why_ = "the game list was not reached in time";
    return ok_;
}

}  // namespace zuno::app
