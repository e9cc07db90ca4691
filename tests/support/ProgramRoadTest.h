#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "Program.h"
#include "platform/backend/RasterScreen.h"
#include "standin-server/StandinHttp.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/StandinInStep.h"

namespace zuno {
class MoneyView;
class ServerView;
class UserDataView;
}
namespace zuno::ui {
class Button;
class View;
}

namespace zuno::testing {

// The desktop program's own code, headless, against the stand-in over TCP and HTTP. A test's SetUp
// calls startStandin(), adds its accounts and stand-in parts, then launchProgram(); TearDown shuts the
// program down, stops the stand-in and puts the shared platform state back.
class ProgramRoadTest : public ::testing::Test {
protected:
    // Starts the server with sign-in and the lobby lists.
    void startStandin();
    // Starts the HTTP side and launches the program with a configuration pointing at the stand-in,
    // kept in a fresh folder of that name; `programOptions` adds to the options.
    void launchProgram(const std::string& folderName);
    // Ends the program and launches it again, on the same data and configuration.
    void relaunchProgram();
    // Signs in from the login screen and picks the first server; the main menu is then on top.
    void signInFromTheLoginScreen(const std::string& name, const std::string& password);
    // The server list on top: once it is listed, its first server; the main menu is then on top.
    void signInOnTheFirstServer(ServerView& servers);
    // The login screen on top switches the language with its flag (English to Vietnamese at first).
    void switchLanguageOnTheLoginScreen();
    void TearDown() override;

    // Runs the program and the stand-in on the virtual clock, a frame (0.05 s) at a time, until the
    // condition holds; false when it does not within the steps.
    static bool pump(const std::function<bool()>& done, int steps = 400);
    // Until nothing on the screen is on its way to rest: no change of screen, no animation that ends by
    // itself, no scroll view gliding, and no timer posted a moment ahead (up to a second: the next step
    // of a deal, a flight, a screen) still to fire. What moves for ever, a blink, a marquee or a clock
    // on a repeating timer, is left alone, and so is a longer wait (a turn clock's end, a dialog that
    // closes itself after seconds): the road acts while it runs. A screen that does not settle fails
    // the road, naming what still moves. The settled screen is then checked: laid out well, drawn
    // by the window's partial frames as a full redraw draws it, and at a table lighting the actions
    // of my turn only on my turn (support/TurnActions.h).
    void settle();
    // At a table's deal's end, once its money flies (a fly-text shows, which it does only while it moves,
    // so that no settled screen shows it): the windows are checked with each fly-text judged along the
    // rest of its way over the deal's end as it rests (support/LayoutCheck.h); then settle().
    void settleAsTheMoneyFlies();
    // At the table on top, my turn runs out with no action of mine: the clock runs until my turn's
    // clock shows empty, which must take the seconds the stand-in gives the turn, and nothing may end
    // my turn before; then, where the table passes for me, my table's request must reach the stand-in
    // before the stand-in's clock ends the turn, and elsewhere nothing of mine may, the stand-in's clock
    // ending it. The stand-in's clock, when it ends my turn, must have run it as long as mine, and at
    // most its grace longer. The screen settles with the robots waiting, as my turn left the table, and
    // they play on after.
    void letMyTurnRunOut();
    // The table's Leave, confirmed where the table asks; the stand-in has then ended the table and the
    // screen under it is on top, settled.
    void pressLeave(const std::shared_ptr<ui::ViewController>& table);
    // pressLeave, then the program runs on past every step of the left table (runPastTheLeftTablesSteps).
    void leave(const std::shared_ptr<ui::ViewController>& table);
    // leave(), then the robots' invitation to the next table of the game (of that kind) accepted: the
    // same table screen takes the join and, settled, shows nothing of a turn (support/NoLeftTurn.h),
    // above all of a turn of mine at the table left.
    void leaveAndJoinTheNext(const std::shared_ptr<ui::ViewController>& table, int8_t game,
                             standin::StandinTableKind kind);
    // Its second half, once the table is left.
    void joinTheNext(const std::shared_ptr<ui::ViewController>& table, int8_t game, standin::StandinTableKind kind);
    // A robot's invitation to a table shows, its OK to accept.
    static bool invitationShown();
    // The game whose robots' table the player sits at on the stand-in; -1 at none.
    int seatedGame() const;
    // Once the player sits at a table of the game on the stand-in and its screen is on top, settled: that
    // screen; none when that does not come.
    std::shared_ptr<ui::ViewController> waitForTable(int game);
    // Once the robots' table the program left has ended on the stand-in, the program runs on (on
    // whatever screen it shows) until every step of that table's game has come due, so that anything
    // of that table still to be sent would have reached it. Nothing of a left table may reach the
    // program, before its next join or after: each settled step and the road's end check it
    // (support/LeftTableMessages.h). By then my record of my money is the stand-in's balance, whatever
    // the table took or paid as it ended.
    void runPastTheLeftTablesSteps();
    // The program runs until its clock has reached `until`.
    static void runUntilTime(double until);
    // While it lives, a robot whose turn comes waits (the table can be looked at, and settled, as the
    // last turn left it); then the robots play on.
    class HeldRobotTurns {
    public:
        explicit HeldRobotTurns(standin::StandinRobotTables* tables);
        ~HeldRobotTurns();
        HeldRobotTurns(const HeldRobotTurns&) = delete;
        HeldRobotTurns& operator=(const HeldRobotTurns&) = delete;

    private:
        standin::StandinRobotTables* tables_;
    };
    // Every bubble listed says a long line at once through `say` (the table screen's own bubbles): while
    // they show, the settled screen is checked each second, until all have hidden.
    void everyBubbleSaysALongLine(const ui::View& screen, const std::vector<int>& bubbles,
                                  const std::function<void(int bubble, const std::string& line)>& say);
    // Once a screen of the type is on top, settled: that screen; none, failing the road with the type
    // and the screen on top instead, when it does not come.
    template <class Screen>
    std::shared_ptr<Screen> waitForTop() {
        std::shared_ptr<Screen> screen;
        const bool came = pump([&] {
            return bool(screen = std::dynamic_pointer_cast<Screen>(program->navigation().topViewController()));
        });
        if (!came) ADD_FAILURE() << notOnTop(typeid(Screen));
        settle();
        return screen;
    }
    // A player's tap at the view's middle: a single tap, after a double tap's time since the last.
    void tap(const ui::View& view);
    static void type(const std::string& text);
    // A field of the profile's personal data edited as a player edits it: tapped, emptied, typed, and
    // Enter.
    void editPersonalData(UserDataView& tab, ui::Button& field, const std::string& text);
    // A row of the top-up screen, scrolled into sight and tapped.
    void tapRow(MoneyView& screen, int row);
    // On the top-up screen just opened: a direct charge, confirmed; then back to the screen under it.
    void chargeDirectlyAndGoBack();
    // Types the user name and password into the login screen and logs in with Enter; answers the
    // server list that follows (none when it does not come).
    std::shared_ptr<ServerView> logInAs(const std::string& user, const std::string& password);
    // What a wait for a screen of the type that did not come on top says: the type and the screen on top.
    std::string notOnTop(const std::type_info& wanted) const;
    // The text of the dialog shown, empty when none.
    static std::string dialogText();
    // The configured "AppStoreUrl": the stand-in's download page.
    std::string storeAddress() const;
    // An amount of money as the seats and the profile show it.
    static std::string amountShown(int64_t money);
    // My account's balance as the stand-in holds it now; -1 while nobody is signed in.
    int64_t myServerBalance() const;
    // Back to the main menu, the profile's personal data show the amount; then the main menu again.
    void expectTheProfileShows(int64_t money);
    // Every label's text inside a view, each followed by "|".
    static std::string textsIn(const ui::View& view);

    standin::StandinServer server;
    // The stand-in's steps keep the program's clock (made before any part of the stand-in is installed).
    StandinInStep inStep{server};
    standin::HttpServer http;
    std::shared_ptr<standin::StandinSignIn> signIn;
    std::shared_ptr<standin::StandinLobbyLists> lists;
    // The robots' tables, where the road seats the player with them: the turn the table on top shows
    // is then held to theirs.
    std::shared_ptr<standin::StandinRobotTables> robots;
    std::unique_ptr<app::Program> program;
    app::ProgramOptions programOptions;

private:
    std::string configuration() const;
    // The window draws only what changed since its last frame: that frame, and a full redraw (as a
    // picture of the screen draws it), must show what every view drawn plainly, with no shortcut, shows
    // (a view that changes without saying so would stay stale on the screen; one left out for being
    // covered would be missing).
    void expectWindowFrameAsFullRedraw();
    // Nothing of a table left has reached the program since the last look; the robots' tables mark
    // each table's end, and the connection is listened to, from here on.
    void expectNothingOfALeftTable();
    // The turn check of a settled step.
    void expectTurnActions();

    double lastTap_ = -1;  // when tap() last tapped, on the loop's clock
};

}  // namespace zuno::testing
