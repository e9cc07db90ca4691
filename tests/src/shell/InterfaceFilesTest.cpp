// The application's interface files against the classes that load them, and their language keys
// against the language tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"

using namespace zuno;

namespace {

class TitleScreen : public ui::ViewController {
    ZUNO_BINDINGS
public:
    std::shared_ptr<ui::Label> lblTitle;
};

const ui::BindingTable& TitleScreen::bindings() {
    using B = ui::Bind<TitleScreen>;
    static const ui::BindingTable table(&ui::ViewController::bindings(), {B::outlet("lblTitle", &TitleScreen::lblTitle)});
    return table;
}

TEST(InterfaceFiles, KeyedTextsComeFromTheLanguageTableAndFollowAChangeOfLanguage) {
    auto& resources = Resources::getInstance();
    resources.setCurrentLanguage("en");
    resources.loadLanguage();
    auto screen = std::make_shared<TitleScreen>();
    auto result = ui::InterfaceLoader::loadFromText(
        R"(<interface><view><label outlet="lblTitle" text="@ZUNO_OK"/></view></interface>)", *screen);
    EXPECT_TRUE(result.problems.empty());
    ASSERT_TRUE(screen->lblTitle);
    EXPECT_EQ(screen->lblTitle->text(), "OK");
    resources.setCurrentLanguage("vi");
    resources.loadLanguage();
    EXPECT_EQ(screen->lblTitle->text(), "Đồng ý");
}

// Each bundle/ui/<Name>.xml is the file of the screen (or view) class registered as <Name>: it loads
// with no problem at all (every outlet and action binds, every attribute and language key is known).
TEST(InterfaceFiles, EveryBundleFileLoadsCleanIntoItsClass) {
    Resources::getInstance();  // the language look-up
    std::filesystem::path folder = std::filesystem::path(ZUNO_BUNDLE_DIR) / "ui";
    std::vector<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    }
    ui::InterfaceLoader::setInterfaceRoot(folder.string());
    ui::InterfaceLoader::setStrict(false);  // gather every problem of every file
    for (const auto& file : files) {
        std::string name = file.stem().string();
        SCOPED_TRACE(name);
        std::vector<std::string> problems;
        if (auto screen = ui::ScreenFactory::create(name)) {
            if (screen->nibName() != name) {
                ADD_FAILURE() << "the class registered as " << name << " does not load " << name << ".xml";
                continue;
            }
            screen->view();
            problems = screen->interfaceProblems();
        } else if (name == "MainWindow") {  // the window's file, owned by the application delegate
            ZunoOnlineAppDelegate owner;
            problems = ui::InterfaceLoader::load(name, owner).problems;
        } else if (name == "SideMenu") {  // the side menu that any screen of the base class may load
            ZunoViewController owner;
            problems = ui::InterfaceLoader::load(name, owner).problems;
        } else if (auto view = ui::ScreenFactory::createView(name)) {
            problems = ui::InterfaceLoader::load(name, *view).problems;
        } else {
            ADD_FAILURE() << "no screen or view class is registered as " << name;
            continue;
        }
        for (const auto& p : problems) ADD_FAILURE() << p;
    }
}

}  // namespace
