#pragma once

// What the session logic's event files share: the shell, the screen on top, the main thread, texts and
// dialogs. Screens are reached through the interfaces the lobby owns (ScreenEvents.h and its siblings).

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "lobby/ScreenEvents.h"
#include "platform/ui/ViewController.h"

namespace zuno {

class ILobbyShell;
class ILobbyUi;

namespace session {

std::shared_ptr<ILobbyShell> shell();
std::shared_ptr<ILobbyUi> lobbyUi();
std::shared_ptr<ui::ViewController> topScreen();

// The top screen when it takes the events of T, else none.
template <typename T>
std::shared_ptr<T> topScreenAs() {
    return std::dynamic_pointer_cast<T>(topScreen());
}

// The screen (or tab) behind one of its event interfaces.
template <typename Events>
std::shared_ptr<ui::ViewController> controllerOf(const std::shared_ptr<Events>& events) {
    return std::dynamic_pointer_cast<ui::ViewController>(events);
}

// Hides the spinner of a screen that shows one.
template <typename Screen>
void hideLoadingScreen(const std::shared_ptr<Screen>& screen) {
    if (auto loading = std::dynamic_pointer_cast<LoadingScreen>(screen)) loading->hideLoadingScreen();
}

template <typename... Screens>
bool isOneOf(const std::shared_ptr<ui::ViewController>& screen) {
    return screen && (... || (dynamic_cast<Screens*>(screen.get()) != nullptr));
}

// Runs the work at once on the main thread; from any other thread, hands it over without waiting.
void onMainThread(std::function<void()> work);

// The text of a localisation key in the current language.
std::string text(std::string_view key);

// An information dialog: no action is pending when OK is pressed.
void showInformation(const std::string& message);

// A confirmation dialog: "ZUNO_cancel" and the given OK title (a localisation key).
void showConfirmation(const std::string& message, std::string_view okKey);

}  // namespace session
}  // namespace zuno
