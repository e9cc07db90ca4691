// The Phom-family bottom menu with its start-button blink, on the virtual clock.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/Button.h"
#include "shell/Resources.h"
#include "table/TableBottomMenu.h"

using namespace zuno;

namespace {

class BottomMenu : public ::testing::Test {
protected:
    void TearDown() override { sys::RunLoop::main().reset(); }
    static std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
    std::string startTitle() const { return start->titleForState(ui::ControlState::Normal).value_or(""); }

    std::shared_ptr<ui::Button> start = std::make_shared<ui::Button>(ui::Button::Type::Custom);
    std::shared_ptr<ui::Button> config = std::make_shared<ui::Button>(ui::Button::Type::Custom);
};

TEST_F(BottomMenu, CodesSetBothButtons) {
    TableBottomMenu menu(TableBottomMenu::phomRules());
    menu.setButtons(start, config);
    const struct {
        int code;
        const char* start;  // nullptr: hidden
        const char* config;
    } cases[] = {
        {1, "ZUNO_start", "ZUNO_option"}, {2, "ZUNO_ready", nullptr}, {3, "ZUNO_fire", nullptr},
        {4, "ZUNO_continuee", nullptr},   {6, "ZUNO_eat", "ZUNO_get"}, {7, "ZUNO_haPhom", nullptr},
        {10, nullptr, nullptr},           {0, nullptr, nullptr},      {5, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        menu.createBottomMenu(c.code);
        EXPECT_EQ(start->isHidden(), c.start == nullptr) << c.code;
        if (c.start) {
            EXPECT_EQ(startTitle(), text(c.start)) << c.code;
            EXPECT_TRUE(menu.startTitled(c.start)) << c.code;
        }
        EXPECT_EQ(config->isHidden(), c.config == nullptr) << c.code;
        if (c.config) {
            EXPECT_TRUE(menu.configTitled(c.config)) << c.code;
        }
    }
    // A kind without a title leaves the title as it is; fire and lay down show the button.
    menu.createBottomMenu(10);
    menu.setKindOfStart(4);
    EXPECT_TRUE(start->isHidden());
    menu.setKindOfStart(5);
    EXPECT_FALSE(start->isHidden());
    EXPECT_EQ(startTitle(), text("ZUNO_haPhom"));
}

TEST_F(BottomMenu, OnlyStartReadyAndContinueBlink) {
    auto skip = std::make_shared<ui::Button>(ui::Button::Type::Custom);
    skip->setHidden(true);
    TableBottomMenu::Rules rules = TableBottomMenu::phomRules();
    rules.kinds[9] = {"ZUNO_guiPhom", true, true};
    auto menu = std::make_unique<TableBottomMenu>(rules);
    menu->setButtons(start, config, skip);
    const struct {
        int kind;
        bool blinks;
    } cases[] = {{0, true}, {1, true}, {8, true}, {2, false}, {3, false}, {6, false}, {9, false}};
    for (const auto& c : cases) {
        menu->setKindOfStart(c.kind);
        EXPECT_EQ(menu->blink().isPending(), c.blinks) << c.kind;
        const auto first = start->backgroundImageForState(ui::ControlState::Normal);
        sys::RunLoop::main().runFor(0.2);
        const auto second = start->backgroundImageForState(ui::ControlState::Normal);
        EXPECT_EQ(first != second, c.blinks) << c.kind;
    }
    EXPECT_FALSE(skip->isHidden());
    // The blink dies with its screen.
    menu->setKindOfStart(0);
    menu.reset();
    EXPECT_NO_FATAL_FAILURE(sys::RunLoop::main().runFor(1));
}

}  // namespace
