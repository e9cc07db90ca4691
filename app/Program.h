#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ProgramOptions.h"
#include "SandboxStore.h"
#include "shell/GameKeys.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno::ui {
class AlertView;
class RasterScreen;
}  // namespace zuno::ui

namespace zuno::app {

// The application delegate of the desktop program: the phone's, plus a word to the program each time
// a screen has been shown (for the snapshots).
class DesktopAppDelegate : public ZunoOnlineAppDelegate {
public:
    std::function<void(ui::ViewController& screen)> onScreenShown;
    void didShowViewController(ui::NavigationController& nav, ui::ViewController& screen, bool animated) override;
};

// The client as a desktop program: the launch sequence in a window or headless, the snapshots of the
// screens shown, and a clean end (connection closed, user defaults written).
class Program {
public:
    explicit Program(ProgramOptions options);
    ~Program();

    // The launch sequence; the login screen is then on top.
    bool launch();
    // Closes the connection (waiting for its threads) and writes the user defaults.
    void shutDown();

    std::shared_ptr<DesktopAppDelegate> delegate() const { return delegate_; }
    ui::NavigationController& navigation() const { return *delegate_->navigationController; }
    // The store of --sandbox-store, if it is in use.
    std::shared_ptr<SandboxStore> sandboxStore() const { return sandboxStore_; }
    // Snapshot files written so far.
    int snapshotsWritten() const { return snapshots_; }
    bool takesSnapshots() const { return options_.snapshotDir.has_value(); }
    // The interface file name of the screen last drawn to a file.
    const std::string& lastSnapshotOf() const { return lastSnapshotOf_; }
    // When pictures are taken: draws each dialog with buttons newly shown over the screen, in a
    // picture of its own (a screen's picture shows the screen alone). Answers how many were drawn.
    int snapshotNewDialogs();
    // Told the name of each picture once it is written, while the screen still shows what it holds.
    void setSnapshotObserver(std::function<void(const std::string& name)> observer) {
        snapshotObserver_ = std::move(observer);
    }

private:
    void screenShown(ui::ViewController& screen);
    void snapshotWhenSettled(std::weak_ptr<ui::ViewController> screen, double waited);
    bool writeSnapshot(ui::RasterScreen& raster, const std::string& name);

    ProgramOptions options_;
    std::shared_ptr<DesktopAppDelegate> delegate_;
    std::shared_ptr<SandboxStore> sandboxStore_;
    int snapshots_ = 0;
    std::string lastSnapshotOf_;
    const ui::ViewController* lastShown_ = nullptr;
    std::vector<std::weak_ptr<ui::AlertView>> dialogsDrawn_;
    std::function<void(const std::string& name)> snapshotObserver_;
    bool shutDown_ = false;
};

// Desktop keys: Tab gives the keyboard to the next text field of the screen (after the last, the
// first); Escape closes what lies on top (a dialog, a social network panel, a sheet, the side menu),
// else it is a table's Leave button, or the back button when it shows.
void focusNextField();
void goBack();
// Enter over a dialog: the dialog on top is answered by its main button (the window's Enter reaches it
// through the application, which gives a dialog the keys while it shows).
void confirmDialog();
// A game key (arrows, Space) for the screen on top when it plays with keys and nothing takes text;
// answers whether the screen used it.
bool pressGameKey(GameKey key);

}  // namespace zuno::app
