// What `zuno` says when it cannot start as asked: no display for its window, or a configuration file
// that is not one. Each is one line naming what is wrong and what to do.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ConfigurationFile.h"
#include "Program.h"
#include "WindowRun.h"
#include "platform/backend/SdlWindowBackend.h"
#include "support/PlatformReset.h"
#include "support/StandardError.h"

using namespace zuno;

namespace {

TEST(ProgramStartTest, WithoutADisplayTheWindowRunSaysSoNamesHeadlessAndEndsWithStatusTwo) {
    ui::SdlWindowBackend::setDisplayProbe({[] { return false; }, [](int) { return std::nullopt; }});
    app::Program program(app::ProgramOptions{});
    int status = -1;
    const std::string printed = zuno::testing::standardErrorOf([&] { status = app::runInWindow(program); });
    ui::SdlWindowBackend::setDisplayProbe({});
    EXPECT_EQ(status, 2);
    EXPECT_EQ(printed, "zuno: no display to show the window on; zuno --headless runs without one\n");
    EXPECT_FALSE(program.delegate());  // nothing was started
}

TEST(ProgramStartTest, AConfigurationFileThatIsNotOneIsNamedWithItsKey) {
    const std::string folder = zuno::testing::makeTemporaryFolder("configurations");
    auto plist = [](const std::string& body) {
        return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0">)" + body + "</plist>";
    };
    // The three keys a configuration must have, with the port given.
    auto withPort = [](const std::string& port) {
        return "<key>Server</key><string>127.0.0.1</string><key>Port</key>" + port +
               "<key>LinkServer</key><string>http://127.0.0.1:20106/serverlist</string>";
    };
    const std::string good = withPort("<string>20105</string>");
    struct Case {
        const char* name;
        std::string text;
        std::string problem;  // after the file's path; empty for a good file
    };
    const Case cases[] = {
        {"good", plist("<dict>" + good + "<key>AppStore</key><false/></dict>"), ""},
        {"text", "Server = 127.0.0.1", ":1: No document element found (the configuration file is not a property list)"},
        {"array", plist("<array/>"), ": the configuration is not a property list dictionary"},
        {"empty", plist("<dict/>"), ": Server is missing (the game server's address)"},
        {"no-list",
         plist("<dict><key>Server</key><string>s</string><key>Port</key><integer>20105</integer></dict>"),
         ": LinkServer is missing (the address of the server list)"},
        {"port", plist("<dict>" + withPort("<string>80a</string>") + "</dict>"),
         ": Port (the game server's port) is not a port number from 1 to 65535: '80a'"},
        {"big-port", plist("<dict>" + withPort("<integer>70000</integer>") + "</dict>"),
         ": Port (the game server's port) is not a port number from 1 to 65535: 70000"},
        {"ftp", plist("<dict>" + good + "<key>LinkGuide</key><string>ftp://host/guide</string></dict>"),
         ": LinkGuide (the address of the guide page) is not an http or https address: 'ftp://host/guide'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder + "/" + c.name + ".plist";
        std::ofstream(path) << c.text;
        EXPECT_EQ(app::checkConfigurationFile(path), c.problem.empty() ? "" : path + c.problem);
    }
}

}  // namespace
