#pragma once

// What the session logic's event files share: the screen on top, the main thread, texts and dialogs.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/ViewController.h"

namespace zuno {

class ILobbyUi;

namespace session {

std::shared_ptr<ILobbyUi> lobbyUi();
std::shared_ptr<ui::ViewController> topScreen();

// The top screen when it is a T (or a subclass), else none.
template <typename T>
std::shared_ptr<T> topScreenAs() {
    return std::dynamic_pointer_cast<T>(topScreen());
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
