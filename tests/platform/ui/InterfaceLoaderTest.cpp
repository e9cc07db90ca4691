#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/core/Log.h"
#include "support/UiTest.h"
#include "platform/ui/Button.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/Label.h"
#include "platform/ui/LocalizedText.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"

namespace zuno::ui::test {
namespace {

class LoginScreen : public ViewController, public TableViewDataSource {
    ZUNO_BINDINGS
public:
    LoginScreen() : ViewController(std::string("LoginScreen")) {}
    std::shared_ptr<TextField> txvUser;
    std::shared_ptr<Label> lblTitle;
    std::shared_ptr<Button> btnLogin;
    std::shared_ptr<TableView> tableView;
    std::shared_ptr<ViewController> prompt;
    std::vector<std::string> log;
    void doLogin(Button* sender) { log.push_back(sender ? "doLogin: " + sender->currentTitle().value_or("") : "?"); }
    void textFieldDoneEditting(Object*) { log.push_back("done"); }
    int numberOfRowsInSection(TableView&, int) override { return 0; }
    std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView&, IndexPath) override { return nullptr; }
};

const BindingTable& LoginScreen::bindings() {
    using B = Bind<LoginScreen>;
    static const BindingTable table(&ViewController::bindings(),
                                    {
                                        B::outlet("txvUser", &LoginScreen::txvUser),
                                        B::outlet("lblTitle", &LoginScreen::lblTitle),
                                        B::outlet("btnLogin", &LoginScreen::btnLogin),
                                        B::outlet("tableView", &LoginScreen::tableView),
                                        B::outlet("prompt", &LoginScreen::prompt),
                                        B::action("doLogin:", &LoginScreen::doLogin),
                                        B::action("textFieldDoneEditting:", &LoginScreen::textFieldDoneEditting),
                                    });
    return table;
}

class Prompt : public ViewController {};

const char* kLoginXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<interface>
  <view frame="0 0 480 320" background="#204060">
    <label outlet="lblTitle" frame="10 10 200 30" text="Đăng nhập" font="bold 16" color="white" align="center"/>
    <textField outlet="txvUser" frame="10 50 200 31" placeholder="nick" borderStyle="roundedRect">
      <action event="editingDidEndOnExit" name="textFieldDoneEditting:"/>
    </textField>
    <button outlet="btnLogin" frame="10 100 120 40" title="Login" backgroundImage="button.png" tag="3">
      <state name="highlighted" title="..."/>
      <action event="touchUpInside" name="doLogin:"/>
    </button>
    <tableView outlet="tableView" frame="240 0 240 320" rowHeight="80" dataSource="owner"/>
  </view>
  <object class="PromptSheet" outlet="prompt"/>
</interface>
)";

class InterfaceLoaderTest : public UiTest {
protected:
    void writeFile(const std::string& name, const std::string& text) {
        std::ofstream(tempDir() / (name + ".xml")) << text;
        InterfaceLoader::setInterfaceRoot(tempDir().string());
    }
};

TEST_F(InterfaceLoaderTest, BindsOutletsAndActionsByName) {
    ScreenFactory::registerScreen("PromptSheet", [] { return std::make_shared<Prompt>(); });
    writeFile("LoginScreen", kLoginXml);
    auto screen = std::make_shared<LoginScreen>();
    auto view = screen->view();
    EXPECT_EQ(view->frame(), Rect(0, 0, 480, 320));
    EXPECT_EQ(view->viewController(), screen.get());
    ASSERT_TRUE(screen->lblTitle && screen->txvUser && screen->btnLogin && screen->tableView);
    EXPECT_EQ(screen->lblTitle->text(), "Đăng nhập");
    EXPECT_EQ(screen->lblTitle->font(), Font::boldSystemFontOfSize(16));
    EXPECT_EQ(screen->btnLogin->tag(), 3);
    EXPECT_EQ(screen->tableView->rowHeight(), 80);
    EXPECT_EQ(screen->tableView->dataSource().get(), static_cast<TableViewDataSource*>(screen.get()));
    ASSERT_TRUE(screen->prompt);
    EXPECT_TRUE(dynamic_cast<Prompt*>(screen->prompt.get()));
    EXPECT_TRUE(screen->btnLogin->backgroundImageForState(ControlState::Normal)->isPlaceholder());

    window->addSubview(view);
    window->tapView(*screen->btnLogin);
    EXPECT_EQ(screen->log, (std::vector<std::string>{"doLogin: Login"}));
    screen->txvUser->becomeFirstResponder();
    Application::shared().sendReturn();
    EXPECT_EQ(screen->log.back(), "done");
    EXPECT_FALSE(sys::Log::contains("interface file"));
}

TEST_F(InterfaceLoaderTest, ReportsEveryNameThatDoesNotBind) {
    auto screen = std::make_shared<LoginScreen>();
    auto result = InterfaceLoader::loadFromText(R"(<interface>
      <view frame="0 0 480 320">
        <label outlet="lblTitel" frame="0 0 10 10"/>
        <label outlet="btnLogin" frame="0 0 10 10"/>
        <button frame="0 0 10 10"><action event="touchUpInside" name="doLogn:"/></button>
        <button frame="0 0 10 10"><action event="touchUpInsde" name="doLogin:"/></button>
        <slidr frame="0 0 1 1"/>
        <label frame="1 2 3" text="x" colour="red"/>
      </view>
      <object class="NoSuchSheet" outlet="prompt"/>
    </interface>)", *screen, "Broken");
    EXPECT_TRUE(result.loaded);
    auto has = [&](const std::string& text) {
        for (const auto& p : result.problems) {
            if (p.find(text) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(has("no outlet 'lblTitel' in LoginScreen"));
    EXPECT_TRUE(has("outlet 'btnLogin' of LoginScreen does not take a label"));
    EXPECT_TRUE(has("no action 'doLogn:' in LoginScreen"));
    EXPECT_TRUE(has("unknown control event 'touchUpInsde'"));
    EXPECT_TRUE(has("unknown element 'slidr'"));
    EXPECT_TRUE(has("bad frame '1 2 3'"));
    EXPECT_TRUE(has("unknown attribute 'colour' on label"));
    EXPECT_TRUE(has("no class named 'NoSuchSheet'"));
    EXPECT_EQ(result.problems.size(), 8u);
    EXPECT_TRUE(sys::Log::contains("interface file Broken: no outlet 'lblTitel'"));
    // What did bind is there: the screen's view is the file's first view.
    EXPECT_TRUE(screen->isViewLoaded());
    EXPECT_EQ(screen->lblTitle, nullptr);
}

TEST_F(InterfaceLoaderTest, DamagedOrMissingFilesLoadNothing) {
    auto screen = std::make_shared<LoginScreen>();
    auto bad = InterfaceLoader::loadFromText("<interface><view frame='0 0 1 1'>", *screen, "Cut");
    EXPECT_FALSE(bad.loaded);
    ASSERT_EQ(bad.problems.size(), 1u);
    EXPECT_NE(bad.problems[0].find("not well-formed"), std::string::npos);
    InterfaceLoader::setInterfaceRoot(tempDir().string());
    auto missing = InterfaceLoader::load("Nothing", *screen);
    EXPECT_FALSE(missing.loaded);
    // Strict (debug builds' default): a screen whose file is missing fails loudly. Lenient (Release
    // builds' default): it gets a plain view and keeps the problem.
    auto orphan = std::make_shared<ViewController>(std::string("Nothing"));
    InterfaceLoader::setStrict(true);
    EXPECT_THROW(orphan->view(), InterfaceLoader::Failure);
    InterfaceLoader::setStrict(false);
    EXPECT_EQ(orphan->view()->frame(), Rect(0, 0, 480, 320));
    ASSERT_EQ(orphan->interfaceProblems().size(), 1u);
    EXPECT_NE(orphan->interfaceProblems()[0].find("cannot read"), std::string::npos);
}

TEST_F(InterfaceLoaderTest, CustomViewClassesMustBeOfTheElementsKind) {
    struct Fancy : Label {
        bool awoke = false;
        void awakeFromNib() override { awoke = true; }
    };
    ScreenFactory::registerView("FancyLabel", [] { return std::make_shared<Fancy>(); });
    auto screen = std::make_shared<LoginScreen>();
    auto result = InterfaceLoader::loadFromText(R"(<interface><view>
        <label class="FancyLabel" outlet="lblTitle" text="hi"/>
        <button class="FancyLabel" frame="0 0 1 1"/>
      </view></interface>)", *screen);
    ASSERT_TRUE(screen->lblTitle);
    auto* fancy = dynamic_cast<Fancy*>(screen->lblTitle.get());
    ASSERT_TRUE(fancy);
    EXPECT_TRUE(fancy->awoke);
    EXPECT_EQ(fancy->text(), "hi");
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("not a kind of button"), std::string::npos);
}

// A screen that records whether viewDidLoad ever saw its outlets.
class StrictScreen : public ViewController {
    ZUNO_BINDINGS
public:
    StrictScreen() : ViewController(std::string("StrictScreen")) {}
    std::shared_ptr<Label> lblTitle;
    bool loaded = false;
    void viewDidLoad() override { loaded = true; }
    void doGo() {}
};

const BindingTable& StrictScreen::bindings() {
    using B = Bind<StrictScreen>;
    static const BindingTable table(&ViewController::bindings(),
                                    {B::outlet("lblTitle", &StrictScreen::lblTitle), B::action("doGo:", &StrictScreen::doGo)});
    return table;
}

TEST_F(InterfaceLoaderTest, AScreenWhoseFileDoesNotBindFailsLoudlyBeforeViewDidLoad) {
    struct Case {
        const char* name;
        const char* xml;
        const char* problem;
    };
    const Case cases[] = {
        {"clean", R"(<interface><view><label outlet="lblTitle"/><button><action event="touchUpInside" name="doGo:"/></button></view></interface>)", nullptr},
        {"outlet misspelt", R"(<interface><view><label outlet="lblTitel"/></view></interface>)", "no outlet 'lblTitel'"},
        {"outlet left out", R"(<interface><view><label/></view></interface>)", "outlet 'lblTitle' is not connected"},
        {"action misspelt", R"(<interface><view><label outlet="lblTitle"/><button><action event="touchUpInside" name="doGoo:"/></button></view></interface>)", "no action 'doGoo:'"},
        {"unknown attribute", R"(<interface><view><label outlet="lblTitle" colour="red"/></view></interface>)", "unknown attribute 'colour'"},
        {"malformed", R"(<interface><view><label outlet="lblTitle"></view></interface>)", "not well-formed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("StrictScreen", c.xml);
        for (bool strict : {true, false}) {
            InterfaceLoader::setStrict(strict);
            auto screen = std::make_shared<StrictScreen>();
            if (!c.problem) {
                screen->view();
                EXPECT_TRUE(screen->loaded && screen->lblTitle);
                EXPECT_TRUE(screen->interfaceProblems().empty());
                continue;
            }
            if (strict) {
                try {
                    screen->view();
                    ADD_FAILURE() << "loaded without a failure";
                } catch (const InterfaceLoader::Failure& failure) {
                    EXPECT_EQ(failure.name(), "InterfaceFileException");
                    EXPECT_NE(failure.reason().find(c.problem), std::string::npos) << failure.reason();
                }
                EXPECT_FALSE(screen->loaded) << "viewDidLoad ran on a half-bound screen";
                EXPECT_FALSE(screen->isViewLoaded());
            } else {
                screen->view();
                ASSERT_FALSE(screen->interfaceProblems().empty());
                EXPECT_NE(screen->interfaceProblems()[0].find(c.problem), std::string::npos);
            }
        }
    }
}

// A custom view with attributes of its own.
class Badge : public Label {
    ZUNO_BINDINGS
public:
    std::string caption;
    int count = 0;
    double weight = 0;
    bool glowing = false;
    void setCaption(const std::string& text) { caption = text; }
    void setCount(int n) { count = n; }
    void setWeight(double w) { weight = w; }
    void setGlowing(bool on) { glowing = on; }
};

const BindingTable& Badge::bindings() {
    using B = Bind<Badge>;
    static const BindingTable table(&Label::bindings(), {
                                                            B::attribute("caption", &Badge::setCaption),
                                                            B::attribute("count", &Badge::setCount),
                                                            B::attribute("weight", &Badge::setWeight),
                                                            B::attribute("glowing", &Badge::setGlowing),
                                                        });
    return table;
}

class LanguageTable {
public:
    LanguageTable() {
        LocalizedText::setResolver([this](std::string_view key) -> std::optional<std::string> {
            auto it = texts.find(std::string(key));
            if (it == texts.end()) return std::nullopt;
            return it->second;
        });
    }
    ~LanguageTable() { LocalizedText::setResolver(nullptr); }
    std::map<std::string, std::string> texts;
};

TEST_F(InterfaceLoaderTest, CustomViewsTakeTheirOwnAttributesThroughTheirTable) {
    ScreenFactory::registerView("Badge", [] { return std::make_shared<Badge>(); });
    LanguageTable language;
    language.texts = {{"ZUNO_new", "New"}};
    auto screen = std::make_shared<LoginScreen>();
    auto result = InterfaceLoader::loadFromText(R"(<interface><view>
        <label class="Badge" outlet="lblTitle" caption="@ZUNO_new" count="3" weight="0.5" glowing="yes"/>
        <label class="Badge" count="three" glowing="maybe" size="9"/>
      </view></interface>)", *screen);
    auto* badge = dynamic_cast<Badge*>(screen->lblTitle.get());
    ASSERT_TRUE(badge);
    EXPECT_EQ(badge->caption, "New");
    EXPECT_EQ(badge->count, 3);
    EXPECT_DOUBLE_EQ(badge->weight, 0.5);
    EXPECT_TRUE(badge->glowing);
    ASSERT_EQ(result.problems.size(), 3u);
    EXPECT_NE(result.problems[0].find("bad value 'three' for count"), std::string::npos);
    EXPECT_NE(result.problems[1].find("bad value 'maybe' for glowing"), std::string::npos);
    EXPECT_NE(result.problems[2].find("unknown attribute 'size'"), std::string::npos);

    language.texts["ZUNO_new"] = "Mới";
    LocalizedText::languageChanged();
    EXPECT_EQ(badge->caption, "Mới");
}

TEST_F(InterfaceLoaderTest, TextsNamingLanguageKeysFollowTheLanguage) {
    LanguageTable language;
    language.texts = {{"ZUNO_login", "Login"}, {"ZUNO_nick", "Nick"}, {"ZUNO_title", "Sign in"}, {"ZUNO_wait", "Wait"}};
    auto screen = std::make_shared<LoginScreen>();
    auto result = InterfaceLoader::loadFromText(R"(<interface><view>
        <label outlet="lblTitle" text="@ZUNO_title"/>
        <textField outlet="txvUser" placeholder="@ZUNO_nick" text="@ZUNO_nick"/>
        <button outlet="btnLogin" title="@ZUNO_login"><state name="highlighted" title="@ZUNO_wait"/></button>
        <label text="@ZUNO_missing"/>
        <label text="plain@text"/>
      </view></interface>)", *screen);
    EXPECT_EQ(screen->lblTitle->text(), "Sign in");
    EXPECT_EQ(screen->txvUser->placeholder(), "Nick");
    EXPECT_EQ(screen->txvUser->text(), "Nick");
    EXPECT_EQ(screen->btnLogin->titleForState(ControlState::Normal), "Login");
    EXPECT_EQ(screen->btnLogin->titleForState(ControlState::Highlighted), "Wait");
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("unknown language key '@ZUNO_missing'"), std::string::npos);

    language.texts = {{"ZUNO_login", "Đăng nhập"}, {"ZUNO_nick", "Tên"}, {"ZUNO_title", "Vào"}, {"ZUNO_wait", "Chờ"}};
    LocalizedText::languageChanged();
    EXPECT_EQ(screen->lblTitle->text(), "Vào");
    EXPECT_EQ(screen->txvUser->placeholder(), "Tên");
    EXPECT_EQ(screen->btnLogin->titleForState(ControlState::Normal), "Đăng nhập");
    EXPECT_EQ(screen->btnLogin->titleForState(ControlState::Highlighted), "Chờ");

    // Views that are gone are let go; without a table a key is a problem.
    result = {};
    screen.reset();
    EXPECT_EQ(LocalizedText::followedCount(), 0u);
    LocalizedText::setResolver(nullptr);
    auto other = std::make_shared<LoginScreen>();
    result = InterfaceLoader::loadFromText(R"(<interface><label outlet="lblTitle" text="@ZUNO_title"/></interface>)", *other);
    EXPECT_EQ(other->lblTitle->text(), "ZUNO_title");
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("no language table for '@ZUNO_title'"), std::string::npos);
}

TEST_F(InterfaceLoaderTest, ScreenFactoryMakesScreensByName) {
    ScreenFactory::registerScreen("RegisterView", [] { return std::make_shared<Prompt>(); });
    EXPECT_TRUE(ScreenFactory::hasScreen("RegisterView"));
    EXPECT_TRUE(dynamic_cast<Prompt*>(ScreenFactory::create("RegisterView").get()));
    EXPECT_EQ(ScreenFactory::create("Unheard"), nullptr);
    EXPECT_TRUE(sys::Log::contains("no screen class named Unheard"));
}

}  // namespace
}  // namespace zuno::ui::test
