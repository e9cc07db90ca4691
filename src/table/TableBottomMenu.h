#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/RunLoop.h"

namespace zuno {

namespace ui {
class Button;
class Label;
}  // namespace ui

namespace tabletext {
// A language key's text.
std::string text(const char* key);
// A language key's text in capitals, Vietnamese letters included: the start buttons' titles, shown
// and compared in this form.
std::string upperText(const char* key);
}  // namespace tabletext

// The bottom bar's buttons that change their role (the action button, the second button, the pick /
// options button) show it as their title (which is also how a tap finds the role) beside its picture.
namespace tablebar {
// The picture of the role whose title is the text of the key; none for a key without one.
const char* pictureOf(std::string_view titleKey);
// Titles the button with the key's text (its label too) and shows the role's picture.
void showRole(ui::Button& button, const char* titleKey);
// A role the player cannot use now keeps its place in the bar, dimmed, and takes no tap.
void setUsable(ui::Button& button, bool usable);
}  // namespace tablebar

// The start button's highlight: while its title is the text of "ZUNO_start", "ZUNO_ready" or
// "ZUNO_continuee" (compared in upper case), its background alternates between "button_chuc_nang.png"
// and "button_chuc_nang2.png" every 0.2 s; any other title gets the plain background and stops it.
// The blink belongs to its screen: the screen cancels it when it leaves or disappears (and the
// destructor does). A table with other pictures, or whose cancel title blinks too, gives its look.
class StartButtonBlink {
public:
    struct Look {
        std::string plain = "button_chuc_nang.png";
        std::string lit = "button_chuc_nang2.png";
        bool cancelBlinks = false;  // "ZUNO_cancel" blinks as well
    };

    StartButtonBlink() = default;
    explicit StartButtonBlink(Look look) : look_(std::move(look)) {}
    StartButtonBlink(const StartButtonBlink&) = delete;
    StartButtonBlink& operator=(const StartButtonBlink&) = delete;
    ~StartButtonBlink() { cancel(); }

    // Cancels a pending step and runs one at once (`changeBackgroundOfStart`).
    void restart(const std::shared_ptr<ui::Button>& button);
    void cancel();
    bool isPending() const { return timer_ != 0; }

private:
    // One blink; answers whether the button still blinks (else the blink ends).
    bool step();

    Look look_;
    std::weak_ptr<ui::Button> button_;
    sys::RunLoop::TimerId timer_ = 0;
    bool lit_ = false;
};

// The two bottom buttons of the Phom tables and Poker: the main button (`btnStart`), whose role is its
// title, and the second button (`btnConfig`). `createBottomMenu:` sets both from a menu code,
// `setKindOfStart:` the main button's title from a kind. A game with other titles or menus changes the
// rules it is made with.
class TableBottomMenu {
public:
    struct Kind {
        const char* titleKey;
        bool showsStart = false;  // the kind also shows the main button
        bool showsSkip = false;   // and the skip button
    };
    struct Menu {
        std::optional<int> startKind;              // none: the main button is hidden
        std::optional<const char*> configTitleKey;  // none: the second button is hidden
    };
    struct Rules {
        std::map<int, Kind> kinds;  // a kind not listed leaves the title as it is
        std::map<int, Menu> menus;  // a code not listed hides both buttons (waiting)
    };

    // Kinds 0 start, 1 ready, 2 not ready, 3 fire, 5 lay down, 6 eat, 7 draw, 8 continue; menus 1 (after a
    // deal, owner), 2 (after a deal, others), 3 (fire), 4 (continue), 6 (eat or draw), 7 (lay down).
    static Rules phomRules();

    explicit TableBottomMenu(Rules rules) : rules_(std::move(rules)) {}

    // The buttons of the screen's interface file (any may be missing).
    void setButtons(std::shared_ptr<ui::Button> start, std::shared_ptr<ui::Button> config,
                    std::shared_ptr<ui::Button> skip = nullptr);

    void createBottomMenu(int code);
    void setKindOfStart(int kind);
    // The main button's title is the text of the key (how a click finds its role).
    bool startTitled(const char* key) const;
    bool configTitled(const char* key) const;

    StartButtonBlink& blink() { return blink_; }

private:
    Rules rules_;
    std::shared_ptr<ui::Button> start_, config_, skip_;
    StartButtonBlink blink_;
};

}  // namespace zuno
