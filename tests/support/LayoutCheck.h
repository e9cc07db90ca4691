// What a player could not read or tap, found in the view tree as it is drawn: the screen on top and
// any dialog or sheet over it.
//
//   covered        a visible, enabled control (button, field, seat, card) whose centre does not hit
//                  the control itself: something drawn over it takes its taps. A card of a fanned hand
//                  needs only its visible strip to take the tap. Controls under a modal dialog or sheet
//                  are left out, since only the dialog takes taps then.
//   cut            a label or button title whose text, measured in its own font, does not fit its
//                  frame, unless the label truncates on purpose.
//   cut-alike      two texts of one row, or of one sheet or dialog (a button's title, a segment of a
//                  segmented control, a label), both cut as drawn so that they read the same though
//                  their whole texts differ: three tabs that all read "Áo...".
//   off-window     a visible view with a part outside the window (beyond one point), except a view
//                  wholly out of sight (a closed sheet or side menu), a view in an animation (on a
//                  road's settled screen only one that repeats for ever), and the content of a scroll
//                  view beyond its visible bounds. A view that an ancestor cuts off at the window's
//                  edge (the navigation stack's) runs off the window all the same.
//   texts-overlap  two texts of different views whose drawn text boxes overlap, or a text over a card.
//   flight-over    a table's money fly-text, which shows only while it flies, whose way from where it
//                  shows to where it lands passes over a text at rest (a name, a stake, a bubble's
//                  line), a card or a small picture.
//   bubble-over    a table's chat bubble showing over another one, over a text of another view (a
//                  name, money), over a card, or over play: the Blocks well during a game, the next
//                  piece, the opponent's gauge, a board's pieces, where they are drawn
//                  (support/DrawnPlay.h), not where the views tell the table they lie.
//   pictures-overlap  a card or a picture over much of a person-sized picture (an avatar) that it
//                  does not lie wholly on (a badge on its corner is meant so).
//   controls-overlap  two buttons, fields or switches that show themselves (a picture or a title), one
//                  drawn over part of the other (one wholly on the other is meant so); the unread-mail
//                  button's corner is checked on its own.
//   key-shown      a localisation key shown as text; other-language: a text of the other language's
//                  table (a Vietnamese word in the English interface or the reverse).
//   text-contrast  a text in about the colour of what lies under it (white on white cells): the
//                  contrast ratio of its letters as shown (faded, shadowed) against what lies behind
//                  them is under 1.5. Texts under a dialog are left out.
//   focus-hidden   the field that has the keyboard is not seen: hidden, under a view drawn over a
//                  quarter of it or more (the top bar, a sheet), or a quarter of it off the window or
//                  clipped away.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zuno::ui {
class View;
class ViewController;
}

namespace zuno::testing {

struct LayoutFinding {
    std::string screen;   // the screen on top, with the sheet or dialog the finding is in
    std::string rule;
    std::string subject;  // the views named, without frames or numbers: stable from run to run
    std::string detail;   // the frames and texts, for the person reading the failure

    // The line of tests/support/layout-known.txt that names it (without the test's name).
    std::string key() const { return screen + " | " + rule + " | " + subject; }
};

// Every window of the application as drawn now.
std::vector<LayoutFinding> checkLayoutOfWindows();
// A view drawn alone, its bounds standing for the window; with `bubblesOnly`, only its chat bubbles
// are judged (bubble-over), quickly.
std::vector<LayoutFinding> checkLayoutOfView(ui::View& root, bool bubblesOnly = false);

// A view named as the findings name it: its class with its identifier, title, picture or text.
std::string describeView(const ui::View& view);
// A screen named by its class.
std::string describeScreen(const ui::ViewController& screen);

// Adds a test failure for each finding that tests/support/layout-known.txt does not list for the
// running test; `when` says at which step. Known findings are remembered: one the list names for a
// test that passes but that never occurred fails the run at its end (the list only shrinks).
void expectKnownLayout(const std::vector<LayoutFinding>& findings, const std::string& when);
// Both of the above for the application's windows.
void expectWindowsLaidOut(const std::string& when);

}  // namespace zuno::testing
