// The corner of the unread-mail button, which every screen but the login screen and the mailbox shows
// over its top-right corner while unread mail waits: what of the screen lies under it.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno::ui {
class View;
class ViewController;
}

namespace zuno::testing {

inline const ui::Rect kMailButtonFrame(435, 30, 44, 32);

enum class UnderMail {
    // Every view of the screen, shown or not (a hidden label shows during a game): the tables keep the
    // corner free of everything.
    anyView,
    // What a player reads or taps there, drawn before the button: the drawn extent of a shown text, a
    // control, a small picture of its own, a wide picture (a band, a strip) whose end lies there.
    whatIsSeen,
};

// Each view of the screen partly under the unread-mail button, named with its frame in the window; a
// backdrop that holds the whole place lies under everything anyway and is left out, and so are the
// views passed over (with what they hold). Empty when the screen shows no such button.
std::vector<std::string> viewsUnderTheMailButton(const ui::ViewController& screen, UnderMail which,
                                                 const std::vector<const ui::View*>& passedOver = {});

}  // namespace zuno::testing
