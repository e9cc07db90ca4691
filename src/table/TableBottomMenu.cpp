#include "table/TableBottomMenu.h"

#include "platform/core/Text.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "shell/Resources.h"

namespace zuno {

namespace tabletext {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
std::string upperText(const char* key) { return sys::uppercase(text(key)); }
}  // namespace tabletext

namespace tablebar {
const char* pictureOf(std::string_view titleKey) {
    static const std::map<std::string_view, const char*> pictures = {
        // the action button, on its yellow
        {"ZUNO_start", "bar-start.png"},
        {"ZUNO_ready", "bar-ready.png"},
        {"ZUNO_noReady", "bar-not-ready.png"},
        {"ZUNO_fire", "bar-play.png"},
        {"ZUNO_discard", "bar-play.png"},
        {"ZUNO_skip", "bar-pass.png"},
        {"ZUNO_continuee", "bar-continue.png"},
        {"ZUNO_showAllCards", "bar-show-all.png"},
        {"ZUNO_botBai", "bar-draw.png"},
        {"ZUNO_eat", "bar-eat.png"},
        {"ZUNO_haPhom", "bar-lay-down.png"},
        {"ZUNO_guiPhom", "bar-send.png"},
        // the second and pick / options buttons, on tiles
        {"ZUNO_option", "bar-options.png"},
        {"ZUNO_autoselect", "bar-pick.png"},
        {"ZUNO_dat_cuoc", "bar-stake.png"},
        {"ZUNO_showOnceCard", "bar-show-one.png"},
        {"ZUNO_dangBai", "bar-stand.png"},
        {"ZUNO_get", "bar-take-card.png"},
        {"ZUNO_thoiGui", "bar-stop-sending.png"},
    };
    const auto found = pictures.find(titleKey);
    return found == pictures.end() ? nullptr : found->second;
}

void showRole(ui::Button& button, const char* titleKey) {
    const std::string title = tabletext::text(titleKey);
    if (button.titleLabel()) button.titleLabel()->setText(title);
    button.setTitle(title);
    const char* picture = pictureOf(titleKey);
    button.setImage(picture ? ui::Image::imageNamed(picture) : nullptr);
}

void setUsable(ui::Button& button, bool usable) {
    constexpr double kDimmed = 0.4;
    button.setEnabled(usable);
    button.setAlpha(usable ? 1.0 : kDimmed);
    // Dimmed once: a background faded inside the faded button would leave its title on the dark bar.
    button.setAdjustsImageWhenDisabled(false);
}
}  // namespace tablebar

namespace {
using tabletext::text;
using tabletext::upperText;

std::string titleOf(const std::shared_ptr<ui::Button>& button) {
    return button ? button->titleForState(ui::ControlState::Normal).value_or("") : std::string();
}
}  // namespace

void StartButtonBlink::restart(const std::shared_ptr<ui::Button>& button) {
    button_ = button;
    cancel();
    // The destructor cancels the blink, so it never outlives its screen.
    if (step()) timer_ = sys::RunLoop::main().scheduleRepeating(0.2, [this] { step(); });
}

void StartButtonBlink::cancel() {
    if (timer_ != 0) sys::RunLoop::main().cancel(timer_);
    timer_ = 0;
}

bool StartButtonBlink::step() {
    auto button = button_.lock();
    const std::string title = sys::uppercase(titleOf(button));
    const bool blinks = title == upperText("ZUNO_start") || title == upperText("ZUNO_ready") ||
                        title == upperText("ZUNO_continuee") || (look_.cancelBlinks && title == upperText("ZUNO_cancel"));
    if (!button || !blinks) {
        if (button) button->setBackgroundImage(ui::Image::imageNamed(look_.plain));
        cancel();
        return false;
    }
    lit_ = !lit_;
    button->setBackgroundImage(ui::Image::imageNamed(lit_ ? look_.lit : look_.plain));
    return true;
}

TableBottomMenu::Rules TableBottomMenu::phomRules() {
    Rules rules;
    rules.kinds = {
        {0, {"ZUNO_start"}},         {1, {"ZUNO_ready"}},      {2, {"ZUNO_noReady"}},
        {3, {"ZUNO_fire", true}},    {5, {"ZUNO_haPhom", true}}, {6, {"ZUNO_eat"}},
        {7, {"ZUNO_get"}},           {8, {"ZUNO_continuee"}},
    };
    rules.menus = {
        {1, {0, "ZUNO_option"}}, {2, {1, std::nullopt}}, {3, {3, std::nullopt}},
        {4, {8, std::nullopt}},  {6, {6, "ZUNO_get"}},  {7, {5, std::nullopt}},
    };
    return rules;
}

void TableBottomMenu::setButtons(std::shared_ptr<ui::Button> start, std::shared_ptr<ui::Button> config,
                                 std::shared_ptr<ui::Button> skip) {
    start_ = std::move(start);
    config_ = std::move(config);
    skip_ = std::move(skip);
}

void TableBottomMenu::createBottomMenu(int code) {
    const auto found = rules_.menus.find(code);
    const Menu menu = found == rules_.menus.end() ? Menu{} : found->second;
    if (start_) start_->setHidden(!menu.startKind);
    if (menu.startKind) setKindOfStart(*menu.startKind);
    if (!config_) return;
    config_->setHidden(!menu.configTitleKey);
    if (menu.configTitleKey) tablebar::showRole(*config_, *menu.configTitleKey);
}

void TableBottomMenu::setKindOfStart(int kind) {
    const auto found = rules_.kinds.find(kind);
    if (found != rules_.kinds.end() && start_) {
        const Kind& k = found->second;
        tablebar::showRole(*start_, k.titleKey);
        if (k.showsStart) start_->setHidden(false);
        if (k.showsSkip && skip_) skip_->setHidden(false);
    }
    blink_.restart(start_);
}

bool TableBottomMenu::startTitled(const char* key) const { return start_ && titleOf(start_) == text(key); }

bool TableBottomMenu::configTitled(const char* key) const { return config_ && titleOf(config_) == text(key); }

}  // namespace zuno
