#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/core/RunLoop.h"
#include "platform/services/ContactPicker.h"
#include "platform/services/MessageComposer.h"
#include "platform/services/Pasteboard.h"
#include "platform/services/UrlOpener.h"

using namespace zuno::sys;

namespace {
struct ResultCatcher : MessageComposeDelegate {
    std::vector<MessageComposeResult> results;
    void messageComposeViewController(MessageComposer& controller, MessageComposeResult result) override {
        results.push_back(result);
        controller.dismiss();
    }
};

struct PickerScreen : PeoplePickerDelegate {
    std::string phone = "unchanged";
    int cancels = 0;
    void peoplePickerNavigationControllerDidCancel(ContactPicker& picker) override {
        ++cancels;
        picker.dismiss();
    }
    bool peoplePickerNavigationController(ContactPicker& picker, const Person& person) override {
        if (!person.phoneNumbers.empty()) phone = person.phoneNumbers.front();
        picker.dismiss();
        return false;
    }
};
}  // namespace

TEST(MessageComposerTest, ADesktopCannotSendAndAPresentedDraftFails) {
    EXPECT_FALSE(MessageComposer::canSendText());
    auto catcher = std::make_shared<ResultCatcher>();
    auto composer = MessageComposer::create();
    composer->setBody("DK user");
    composer->setRecipients({"8088"});
    composer->setMessageComposeDelegate(catcher);
    MessageComposer::present(composer);
    EXPECT_TRUE(catcher->results.empty());  // not before the next turn
    RunLoop::main().runFor(0);
    EXPECT_EQ(catcher->results, (std::vector<MessageComposeResult>{MessageComposeResult::Failed}));
    EXPECT_FALSE(composer->isPresented());
}

TEST(MessageComposerTest, AnInjectedComposerAnswersAsTheTestChooses) {
    MessageComposer::setPlatform({[] { return true; }, [](const std::shared_ptr<MessageComposer>&) {}});
    EXPECT_TRUE(MessageComposer::canSendText());
    std::weak_ptr<ResultCatcher> weakCatcher;
    {
        auto catcher = std::make_shared<ResultCatcher>();
        weakCatcher = catcher;
        auto composer = MessageComposer::create();
        composer->setBody("body");
        composer->setRecipients({"1", "2"});
        composer->setMessageComposeDelegate(catcher);
        MessageComposer::present(composer);
    }
    // The draft keeps its delegate alive while it waits for the person.
    ASSERT_FALSE(weakCatcher.expired());
    auto presented = MessageComposer::presentedComposers();
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0]->body(), "body");
    EXPECT_EQ(presented[0]->recipients(), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(presented[0]->isPresented());
    auto catcher = weakCatcher.lock();
    presented[0]->finish(MessageComposeResult::Sent);
    presented[0]->finish(MessageComposeResult::Cancelled);  // told once only
    EXPECT_EQ(catcher->results, (std::vector<MessageComposeResult>{MessageComposeResult::Sent}));
    EXPECT_EQ(presented[0]->result(), MessageComposeResult::Sent);
    EXPECT_FALSE(presented[0]->isPresented());
    catcher.reset();
    EXPECT_TRUE(weakCatcher.expired());  // and lets go of it afterwards
}

TEST(ContactPickerTest, ADesktopPickerCancels) {
    auto screen = std::make_shared<PickerScreen>();
    auto picker = ContactPicker::create();
    picker->setPeoplePickerDelegate(screen);
    ContactPicker::present(picker);
    RunLoop::main().runFor(0);
    EXPECT_EQ(screen->cancels, 1);
    EXPECT_FALSE(picker->isPresented());
    EXPECT_EQ(screen->phone, "unchanged");
}

TEST(ContactPickerTest, AnInjectedPickerChoosesAPerson) {
    ContactPicker::setPlatform({[](const std::shared_ptr<ContactPicker>&) {}});
    auto screen = std::make_shared<PickerScreen>();
    auto picker = ContactPicker::create();
    picker->setPeoplePickerDelegate(screen);
    ContactPicker::present(picker);
    RunLoop::main().runFor(1);
    EXPECT_EQ(screen->cancels, 0);
    auto shown = ContactPicker::presentedPickers();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0]->selectPerson(Person{"No phone", {}}));
    EXPECT_EQ(screen->phone, "unchanged");
    EXPECT_FALSE(shown[0]->selectPerson(Person{"Lan", {"0912345678", "0987654321"}}));
    EXPECT_EQ(screen->phone, "0912345678");
    // A delegate that has gone is not called.
    screen.reset();
    EXPECT_FALSE(shown[0]->selectPerson(Person{"X", {"1"}}));
    shown[0]->cancel();
}

TEST(PasteboardTest, KeepsTheLastTextAndCanUseTheSystemClipboard) {
    Pasteboard& board = Pasteboard::general();
    EXPECT_EQ(board.string(), std::nullopt);
    board.setString("DK zuno 8088");
    board.setString("second");
    EXPECT_EQ(board.string(), "second");
    EXPECT_EQ(board.history(), (std::vector<std::string>{"DK zuno 8088", "second"}));

    std::string system = "from another program";
    board.setBackend({[&](const std::string& t) { system = t; }, [&] { return std::optional<std::string>(system); }});
    EXPECT_EQ(board.string(), "from another program");
    board.setString("copied");
    EXPECT_EQ(system, "copied");
    board.setBackend({});
    EXPECT_EQ(board.string(), "copied");
}

TEST(UrlOpenerTest, DialingAnswersNoAndWebPagesGoToTheBrowser) {
    EXPECT_FALSE(UrlOpener::openURL("telprompt:19001234"));
    EXPECT_FALSE(UrlOpener::openURL("tel:19001234"));
    EXPECT_FALSE(UrlOpener::openURL("snauth://authorize?client_id=1"));
    EXPECT_TRUE(UrlOpener::openURL("https://zuno.example/download"));
    EXPECT_TRUE(UrlOpener::canOpenURL("http://zuno.example/"));
    EXPECT_FALSE(UrlOpener::canOpenURL("telprompt:1"));
    auto opened = UrlOpener::opened();
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].url, "telprompt:19001234");
    EXPECT_FALSE(opened[0].answer);
    EXPECT_TRUE(opened[3].answer);
}

TEST(UrlOpenerTest, ATestCanMakeTheDesktopDial) {
    UrlOpener::setOpener([](const std::string& url) { return url.rfind("telprompt:", 0) == 0; },
                         [](const std::string&) { return true; });
    EXPECT_TRUE(UrlOpener::openURL("telprompt:19001234"));
    EXPECT_FALSE(UrlOpener::openURL("https://x/"));
    EXPECT_EQ(UrlOpener::openedUrls(), (std::vector<std::string>{"telprompt:19001234", "https://x/"}));
}

// The desktop's own opener hands the address to xdg-open; where that finds no browser and ends in
// failure, the caller hears of it on the main thread (the address was not opened after all).
TEST(UrlOpenerTest, ABrowserLauncherThatFailsIsReportedToTheCaller) {
    const auto folder = std::filesystem::temp_directory_path() / ("zuno-no-browser-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto launcher = folder / "xdg-open";
    std::ofstream(launcher) << "#!/bin/sh\nexit 3\n";
    std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
    const char* path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    ::setenv("PATH", folder.c_str(), 1);
    UrlOpener::setOpener(nullptr, nullptr);

    bool told = false;
    EXPECT_TRUE(UrlOpener::canOpenURL("https://zuno.example/download"));
    EXPECT_TRUE(UrlOpener::openURL("https://zuno.example/download", [&] { told = true; }));
    EXPECT_TRUE(RunLoop::main().runUntil([&] { return told; }, 20));

    ::setenv("PATH", savedPath.c_str(), 1);
    UrlOpener::resetForTests();
    std::filesystem::remove_all(folder);
}
