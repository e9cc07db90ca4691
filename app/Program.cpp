#include "Program.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "SandboxStore.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/backend/RasterScreen.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/net/Http.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "screens/FriendListView.h"
#include "screens/UserDataView.h"
#include "shell/EnterKey.h"
#include "shell/EscapeKey.h"
#include "shell/Resources.h"
#include "social/SNDialog.h"

namespace zuno::app {

namespace {
// A screen is drawn for its snapshot once its animations have ended, or after this long.
constexpr double kSettleLimitSeconds = 3;
constexpr double kSettleStepSeconds = 0.1;
// How long the end waits for the connection's threads.
constexpr double kCloseWaitSeconds = 3;

// The fields that take typing: one-line fields, and text views that may be edited.
void collectFields(const std::shared_ptr<ui::View>& view, std::vector<std::shared_ptr<ui::View>>& fields) {
    if (!view || view->isHidden()) return;
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(view); field && field->isEnabled()) {
        fields.push_back(field);
        return;
    }
    if (auto text = std::dynamic_pointer_cast<ui::TextView>(view); text && text->isEditable()) {
        fields.push_back(text);
        return;
    }
    for (const auto& sub : view->subviews()) collectFields(sub, fields);
}
}  // namespace

void DesktopAppDelegate::didShowViewController(ui::NavigationController& nav, ui::ViewController& screen,
                                               bool animated) {
    ZunoOnlineAppDelegate::didShowViewController(nav, screen, animated);
    if (onScreenShown) onScreenShown(screen);
}

Program::Program(ProgramOptions options) : options_(std::move(options)) {}

Program::~Program() { shutDown(); }

bool Program::launch() {
    Resources::setConfigurationFile(options_.configFile);
    // Before launch: the transactions it reports reach the purchase helper the launch registers.
    if (options_.sandboxStore) sandboxStore_ = SandboxStore::install(sys::dataFolder());
    delegate_ = std::make_shared<DesktopAppDelegate>();
    delegate_->onScreenShown = [this](ui::ViewController& screen) { screenShown(screen); };
    ui::Application::shared().setDelegate(delegate_);
    if (!ui::Application::shared().launch()) return false;
    if (options_.provider) GlobalService::setPROVIDER(static_cast<int8_t>(*options_.provider));
    // The root screen was shown while the stack was being put in place.
    if (auto top = delegate_->navigationController->topViewController()) screenShown(*top);
    return true;
}

void Program::screenShown(ui::ViewController& screen) {
    if (!options_.snapshotDir || &screen == lastShown_) return;
    lastShown_ = &screen;
    // Drawn from the loop, once the screen has been put in place and laid out.
    std::weak_ptr<ui::ViewController> weak = std::static_pointer_cast<ui::ViewController>(screen.shared_from_this());
    sys::RunLoop::main().postDelayed(kSettleStepSeconds, [this, weak] { snapshotWhenSettled(weak, 0); });
}

void Program::snapshotWhenSettled(std::weak_ptr<ui::ViewController> weak, double waited) {
    auto screen = weak.lock();
    if (!screen || !delegate_ || delegate_->navigationController->topViewController() != screen) return;
    if (ui::Animator::shared().hasRunningAnimations() && waited < kSettleLimitSeconds) {
        sys::RunLoop::main().postDelayed(kSettleStepSeconds, [this, weak, waited] {
            snapshotWhenSettled(weak, waited + kSettleStepSeconds);
        });
        return;
    }
    const std::string name = screen->nibName().value_or("screen");
    ui::RasterScreen raster;
    // The screen alone: a dialog that happens to be up gets a picture of its own.
    raster.renderWindow(*delegate_->window);
    if (writeSnapshot(raster, name)) lastSnapshotOf_ = name;
}

int Program::snapshotNewDialogs() {
    if (!options_.snapshotDir) return 0;
    int drawn = 0;
    for (const auto& alert : ui::AlertView::visibleAlerts()) {
        if (alert->numberOfButtons() == 0) continue;  // a progress note, not a question
        const bool seen = std::any_of(dialogsDrawn_.begin(), dialogsDrawn_.end(),
                                      [&](const std::weak_ptr<ui::AlertView>& d) { return d.lock() == alert; });
        if (seen) continue;
        dialogsDrawn_.push_back(alert);
        ui::RasterScreen raster;
        raster.renderApplication();
        if (writeSnapshot(raster, "dialog")) ++drawn;
    }
    return drawn;
}

bool Program::writeSnapshot(ui::RasterScreen& raster, const std::string& name) {
    std::filesystem::create_directories(*options_.snapshotDir);
    const std::string path = sys::format("%@/%02d-%@.png", *options_.snapshotDir, snapshots_ + 1, name);
    if (!raster.writePng(path)) {
        sys::Log::warning("snapshot not written: " + path);
        return false;
    }
    ++snapshots_;
    std::printf("snapshot %s\n", path.c_str());
    std::fflush(stdout);
    if (snapshotObserver_) snapshotObserver_(name);
    return true;
}

void Program::shutDown() {
    if (shutDown_ || !delegate_) return;
    shutDown_ = true;
    sys::Http::cancelAll();
    auto client = MobileClient::getInstance();
    if (client->isConnected()) client->manualDisconnect();
    sys::RunLoop::main().runUntil([client] { return client->runningThreadCount() == 0; }, kCloseWaitSeconds);
    sys::UserDefaults::standard().synchronize();
    ui::Application::shared().terminate();
}

void focusNextField() {
    // A dialog has the keys while it shows; the fields under it wait.
    if (ui::AlertView::topAlert()) return;
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->window) return;
    std::vector<std::shared_ptr<ui::View>> fields;
    // Open dialogs and sheets lie over the screen: their fields come last, so start from the top.
    collectFields(delegate->window, fields);
    if (fields.empty()) return;
    size_t next = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]->isFirstResponder()) next = (i + 1) % fields.size();
    }
    fields[next]->becomeFirstResponder();
}

bool pressGameKey(GameKey key) {
    // A dialog on top, or typing into a field (a chat line), keeps its keys.
    if (ui::AlertView::topAlert() || dynamic_cast<ui::KeyInput*>(ui::Responder::firstResponder())) return false;
    auto delegate = ZunoOnlineAppDelegate::current();
    auto top = delegate && delegate->navigationController ? delegate->navigationController->topViewController() : nullptr;
    auto* target = dynamic_cast<GameKeyTarget*>(top.get());
    return target && target->gameKeyDown(key);
}

void confirmDialog() { enter::confirmTopDialog(); }

void goBack() {
    // What lies over the screen takes the key first, the dialog on top of all.
    if (escape::closeTopDialog()) return;
    // A social network panel over the window closes first, as its close button would.
    if (auto window = ui::Application::shared().keyWindow(); window && !window->subviews().empty()) {
        if (auto dialog = std::dynamic_pointer_cast<SNDialog>(window->subviews().back())) {
            dialog->cancel();
            return;
        }
    }
    // An open editor of the personal data closes unsaved first.
    if (auto* field = dynamic_cast<ui::TextField*>(ui::Responder::firstResponder())) {
        if (auto personalData = std::dynamic_pointer_cast<UserDataView>(field->delegate())) {
            personalData->cancelEditing();
            return;
        }
    }
    if (escape::closeTopSheet() || escape::closeSideMenu()) return;
    auto delegate = ZunoOnlineAppDelegate::current();
    // Typing in a chat panel: Escape ends the typing, not the screen.
    auto top = delegate && delegate->navigationController ? delegate->navigationController->topViewController() : nullptr;
    auto friends = std::dynamic_pointer_cast<FriendListView>(top);
    if (friends && friends->takeEscapeKey()) return;
    // A table has no back button: its Leave button is the way out.
    if (escape::leaveTable()) return;
    if (!delegate || !delegate->btnBack || delegate->btnBack->isHidden()) return;
    delegate->btnBack->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
}

}  // namespace zuno::app
