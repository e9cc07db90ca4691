// Registration, settings and the guide, terms and event pages.
#include <gtest/gtest.h>

#include "lobby/model/ZunoMessage.h"
#include "platform/core/Text.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/TextField.h"
#include "Program.h"
#include "screens/ConfigView.h"
#include "screens/EventView.h"
#include "screens/RegisterView.h"
#include "src/screens/LobbyScreensFixture.h"
#include "support/SnapshotCompare.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

sys::HttpFetchResult page(std::string body) {
    sys::HttpFetchResult r;
    r.status = 200;
    r.body = std::move(body);
    return r;
}
sys::HttpFetchResult failure() {
    sys::HttpFetchResult r;
    r.error = "refused";
    return r;
}

std::vector<std::string> hosts(const std::vector<std::shared_ptr<Server>>& servers) {
    std::vector<std::string> out;
    for (const auto& s : servers) out.push_back(s->sNAME() + "@" + s->sIP() + ":" + s->sPORT());
    return out;
}

}  // namespace

TEST_F(LobbyScreensTest, RegistrationChecksInOrderAndFallsBackToTheCachedServerList) {
    sys::UserDefaults::standard().setObject(sys::Value(std::string("Old|127.0.0.1:1")), "serverdata");
    setPageFetcher([](const std::string&) { return failure(); });
    auto screen = std::make_shared<RegisterView>();
    show(screen);
    EXPECT_EQ(hosts(screen->listServers), std::vector<std::string>{"Old@127.0.0.1:1"});
    EXPECT_EQ(title(), "REGISTER");
    EXPECT_TRUE(matchesScreen("screens_register"));

    struct Case {
        const char* name;
        const char *user, *pass, *again, *dialog;
    };
    const Case cases[] = {
        {"no user name comes first", "", "a", "b", "Please enter a user name."},
        {"differing passwords", "lan", "a", "b", "The two passwords differ."},
    };
    for (const Case& c : cases) {
        screen->txvUser->setText(c.user);
        screen->txvPass->setText(c.pass);
        screen->txvRePass->setText(c.again);
        screen->onRegister(screen->btnRegister.get());
        EXPECT_EQ(dialogText(), c.dialog) << c.name;
        EXPECT_EQ(UIController::okValue(), UIController::okNone) << c.name;
    }

    // An empty fetch also keeps the cached list; a good one replaces it.
    setPageFetcher([](const std::string&) { return page(""); });
    screen->detectInfos();
    EXPECT_EQ(screen->listServers.size(), 1u);
    setPageFetcher([](const std::string&) { return page("A|10.0.0.1:1;B|10.0.0.2:2;C|127.0.0.1:3;"); });
    screen->detectInfos();
    EXPECT_EQ(screen->listServers.size(), 3u);
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("serverdata"), "A|10.0.0.1:1;B|10.0.0.2:2;C|127.0.0.1:3;");
}

TEST_F(LobbyScreensTest, RegistrationKeyboardLiftsTheFormAndTheLanguageSwitches) {
    setPageFetcher([](const std::string&) { return page("A|h:1"); });
    auto screen = std::make_shared<RegisterView>();
    show(screen);
    const double rest = screen->viewScroll->center().y;
    auto lift = [&] {
        run(1);
        return rest - screen->viewScroll->center().y;
    };
    struct Step {
        const char* name;
        std::function<void()> event;
        double lifted;
    };
    // The lifts of 70 and 140 points stop where the form's first field, the user name at 64, stays 4
    // points below the top bar.
    const Step steps[] = {
        {"password field begins", [&] { screen->textField1BeginEditting(nullptr); }, 30},
        {"again: no further", [&] { screen->textField1BeginEditting(nullptr); }, 30},
        {"repeat field begins", [&] { screen->textField2BeginEditting(nullptr); }, 30},
        {"password field again", [&] { screen->textField1BeginEditting(nullptr); }, 30},
        {"background tapped", [&] { screen->backGroundHidden(nullptr); }, 0},
        {"repeat field straight away", [&] { screen->textField2BeginEditting(nullptr); }, 30},
        {"repeat field done", [&] { screen->textFieldDoneEditting(nullptr); }, 0},
    };
    for (const Step& s : steps) {
        s.event();
        EXPECT_EQ(lift(), s.lifted) << s.name;
    }

    // The three captions of the form are drawn at one size, whole, in either language.
    auto captionsFit = [&](const char* language) {
        for (const auto& caption : {screen->lblUsername, screen->lblPass, screen->lblRePass}) {
            EXPECT_EQ(caption->font(), screen->lblUsername->font()) << language;
            EXPECT_FALSE(caption->adjustsFontSizeToFitWidth()) << language;
            EXPECT_LE(caption->font().widthOfText(caption->textOrEmpty()), caption->bounds().width())
                << language << ": " << caption->textOrEmpty();
        }
    };
    captionsFit("en");
    // The logo has slid in at the top left: its "ONLINE" lies level with the user-name caption, which
    // must not read as its next word.
    run(1);
    for (const auto& caption : {screen->lblUsername, screen->lblPass, screen->lblRePass}) {
        const ui::Rect line = caption->convertRectToView(caption->bounds(), nullptr);
        const double textWidth = caption->font().widthOfText(caption->textOrEmpty());
        const double textLeft =
            caption->textAlignment() == ui::TextAlignment::Right ? line.maxX() - textWidth : line.minX();
        for (const auto& logo : screen->arrZunoOnline) {
            const ui::Rect mark = logo->convertRectToView(logo->bounds(), nullptr);
            if (mark.minY() < line.maxY() && line.minY() < mark.maxY()) {
                EXPECT_GE(textLeft - mark.maxX(), 24) << caption->textOrEmpty();
            }
        }
    }
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(Resources::getInstance().currentLanguage(), "vi");
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("language"), "vi");
    EXPECT_EQ(screen->lblUsername->text(), "Tài khoản");
    captionsFit("vi");
    EXPECT_EQ(screen->imgChangLanguage->image()->name(), "en.png");
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(screen->imgChangLanguage->image()->name(), "vi.png");
}

// However a field gets the keyboard, by a click or by Tab (which wraps from the last field to the
// first), the form lifts no further than keeps every field whole in the window, below the top bar and,
// while unread mail waits, below the mail button over the corner.
TEST_F(LobbyScreensTest, RegistrationKeepsTheFieldBeingTypedIntoInSight) {
    setPageFetcher([](const std::string&) { return page("A|h:1"); });
    for (const bool mailWaits : {false, true}) {
        SCOPED_TRACE(mailWaits ? "unread mail" : "no mail");
        if (mailWaits) UIController::addMessage(std::make_shared<ZunoMessage>());
        auto screen = std::make_shared<RegisterView>();
        show(screen);
        run(1);
        ASSERT_EQ(bool(UIController::btnAlertMessage()), mailWaits);
        const double top = mailWaits ? UIController::btnAlertMessage()->frame().maxY() : RegisterView::kTopBarHeight;
        const ui::Rect inSight(0, top, 480, 320 - top);
        // The field being typed into, and the others a player may click next.
        auto expectInSight = [&](const char* how) {
            run(1);
            ASSERT_TRUE(dynamic_cast<ui::TextField*>(ui::Responder::firstResponder())) << how;
            for (const auto& field : {screen->txvUser, screen->txvPass, screen->txvRePass}) {
                const ui::Rect frame = field->convertRectToView(field->bounds(), nullptr);
                EXPECT_TRUE(inSight.contains(frame)) << how << ": " << field->identifier() << " at " << frame.y();
            }
        };
        for (const auto& field : {screen->txvUser, screen->txvPass, screen->txvRePass}) {
            app->window->tapView(*field);
            EXPECT_TRUE(field->isFirstResponder());
            expectInSight("clicked");
        }
        screen->backGroundHidden(nullptr);
        for (int press = 0; press < 5; ++press) {
            app::focusNextField();
            expectInSight("Tab");
        }
        screen->backGroundHidden(nullptr);
        nav().popViewControllerAnimated(false);
        run(1);
    }
    UIController::setListMessage({});
}

TEST_F(LobbyScreensTest, SettingsSaveEachSwitchAndTwoLanguageChangesSendTwoRequests) {
    UIController::setRung(true);
    UIController::setInviting(false);
    auto screen = std::make_shared<ConfigView>();
    show(screen);
    EXPECT_TRUE(screen->switchRung->isOn());
    EXPECT_FALSE(screen->switchInviting->isOn());
    EXPECT_EQ(title(), "OPTIONS");
    EXPECT_TRUE(matchesScreen("screens_settings"));

    screen->switchRung->setOn(false);
    screen->switchRung->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    screen->switchInviting->setOn(true);
    screen->switchInviting->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    EXPECT_FALSE(UIController::rung());
    EXPECT_TRUE(UIController::inviting());
    sys::UserDefaults reread(sys::UserDefaults::standard().filePath());
    EXPECT_EQ(reread.objectForKey("savedRung"), sys::Value(false));
    EXPECT_EQ(reread.objectForKey("savedInviting"), sys::Value(true));

    sent();
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(screen->lblRung->text(), "Rung");
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(screen->lblRung->text(), "Vibration");
    sys::Data toVi{100, 0, 0, 0, 1}, toEn{100, 0, 0, 0, 1};
    for (uint8_t b : utf("vi")) toVi.push_back(b);
    for (uint8_t b : utf("en")) toEn.push_back(b);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{toVi, toEn}));
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("language"), "en");
}

// The switches' captions follow a language change at once, as the screen's labels do.
TEST_F(LobbyScreensTest, SettingsSwitchesTakeTheNewLanguagesCaptions) {
    auto screen = std::make_shared<ConfigView>();
    show(screen);
    const auto captions = [&] {
        ui::Application::shared().layoutIfNeeded();  // as before every frame drawn
        std::vector<std::string> out;
        for (const auto& control : {screen->switchRung, screen->switchInviting})
            for (const auto& label : {control->onLabel(), control->offLabel()}) out.push_back(label->textOrEmpty());
        return out;
    };
    EXPECT_EQ(captions(), (std::vector<std::string>{"ON", "OFF", "ON", "OFF"}));
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(captions(), (std::vector<std::string>{"BẬT", "TẮT", "BẬT", "TẮT"}));
    screen->doChangeLanguage(nullptr);
    EXPECT_EQ(captions(), (std::vector<std::string>{"ON", "OFF", "ON", "OFF"}));
}

TEST_F(LobbyScreensTest, GuideIsFetchedOnceAndOnlyAGoodPageIsKept) {
    int fetches = 0;
    std::string body;
    setPageFetcher([&](const std::string&) {
        ++fetches;
        return body.empty() ? failure() : page(body);
    });
    auto openAs = [&](const char* key) {
        auto screen = std::make_shared<EventView>();
        show(screen);
        app->lblWindowTitle->setText(sys::uppercase(Resources::getInstance().textForKey(key)));
        screen->viewWillAppear(false);
        screen->viewDidAppear(false);
        return screen;
    };
    auto first = openAs("ZUNO_guide");  // fails: nothing kept
    EXPECT_FALSE(first->webView->isHidden());
    EXPECT_FALSE(sys::UserDefaults::standard().stringForKey("guideofuser"));
    body = "<p>How to play</p>";
    openAs("ZUNO_guide");
    openAs("ZUNO_guide");
    EXPECT_EQ(fetches, 2);
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("guideofuser"), body);

    auto other = openAs("ZUNO_Zuno");
    EXPECT_TRUE(other->webView->isHidden());
    EXPECT_TRUE(other->tvEvent->isHidden());

    sent();
    auto event = openAs("ZUNO_event");
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{72, 6}}));
    event->showEventWithInfo("Double Win this week");
    EXPECT_FALSE(event->tvEvent->isHidden());
    EXPECT_TRUE(event->webView->isHidden());
    EXPECT_TRUE(matchesScreen("screens_event"));
}
