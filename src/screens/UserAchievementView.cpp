#include "screens/UserAchievementView.h"

#include <algorithm>

#include "lobby/GameRegistry.h"
#include "platform/core/Format.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
constexpr double kRowHeight = 150;
constexpr double kHeaderHeight = 30;
const char* const kCaptionKeys[AchievementRecords::kFigures] = {"ZUNO_exp", "ZUNO_won", "ZUNO_lose", "ZUNO_draw",
                                                                 "ZUNO_giveup"};

std::shared_ptr<ui::Label> whiteLabel(ui::Rect frame, std::string text) {
    auto label = std::make_shared<ui::Label>(frame);
    label->setBackgroundColor(ui::Color::clear());
    label->setTextColor(ui::Color::white());
    label->setText(std::move(text));
    return label;
}
}  // namespace

bool AchievementRecords::add(const std::vector<int32_t>& record) {
    if (record.empty() || std::find(games_.begin(), games_.end(), record.front()) == games_.end()) return false;
    const size_t figures = std::min(record.size() - 1, kFigures);
    figures_[record.front()] = std::vector<int32_t>(record.begin() + 1, record.begin() + 1 + long(figures));
    return true;
}

std::vector<int32_t> AchievementRecords::figuresOfSection(int section) const {
    if (section < 0 || section >= int(games_.size())) return {};
    auto it = figures_.find(games_[size_t(section)]);
    return it == figures_.end() ? std::vector<int32_t>{} : it->second;
}

std::string AchievementRecords::titleKey(int gameType) {
    // Games the registry does not know, and those it files under more games, share one heading.
    const GameDescriptor* game =
        gameType >= INT8_MIN && gameType <= INT8_MAX ? GameRegistry::find(int8_t(gameType)) : nullptr;
    return game ? game->achievementTitleKey : "ZUNO_moreGames";
}

const ui::BindingTable& UserAchievementView::bindings() {
    using B = ui::Bind<UserAchievementView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("myTableView", &UserAchievementView::myTableView)});
    return table;
}

UserAchievementView::UserAchievementView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void UserAchievementView::viewDidLoad() {
    listDefineInfos.clear();
    for (const char* key : kCaptionKeys) listDefineInfos.push_back(Resources::getInstance().textForKey(key));
    ZunoViewController::viewDidLoad();
}

void UserAchievementView::updateViewWithAchievement(const std::vector<int32_t>& record, int askedGame) {
    if (record.empty() || record.front() != askedGame) return;
    if (records_.add(record)) forceReloadTableView();
}

void UserAchievementView::forceReloadTableView() {
    if (myTableView) myTableView->reloadData();
}

int UserAchievementView::numberOfSectionsInTableView(ui::TableView&) { return int(records_.games().size()); }

int UserAchievementView::numberOfRowsInSection(ui::TableView&, int) { return 1; }

std::optional<double> UserAchievementView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) { return kRowHeight; }

std::optional<double> UserAchievementView::heightForHeaderInSection(ui::TableView&, int) { return kHeaderHeight; }

std::optional<ui::IndexPath> UserAchievementView::willSelectRowAtIndexPath(ui::TableView&, ui::IndexPath) {
    return std::nullopt;
}

std::shared_ptr<ui::View> UserAchievementView::viewForHeaderInSection(ui::TableView&, int section) {
    auto header = std::make_shared<ui::View>(ui::Rect(0, 0, 480, kHeaderHeight));
    header->setBackgroundColor(ui::Color::clear());
    auto band = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 480, kHeaderHeight));
    band->setImage(ui::Image::imageNamed("phong-tieu-de.png"));
    header->addSubview(band);
    auto title = std::make_shared<ui::Label>(ui::Rect(120, 5, 180, 30));
    title->setBackgroundColor(ui::Color::clear());
    title->setTextColor(ui::Color::red());
    title->setFont(ui::Font::boldSystemFontOfSize(15));
    title->setTextAlignment(ui::TextAlignment::Center);
    const auto& games = records_.games();
    const int game = section >= 0 && section < int(games.size()) ? games[size_t(section)] : 0;
    title->setText(Resources::getInstance().textForKey(AchievementRecords::titleKey(game)));
    header->addSubview(title);
    return header;
}

std::shared_ptr<ui::TableViewCell> UserAchievementView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    static const std::string kIdentifier = "AchievementCell";
    auto cell = table.dequeueReusableCellWithIdentifier(kIdentifier);
    if (!cell) cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Default, kIdentifier);
    cell->setBackgroundColor(ui::Color::clear());
    cell->setSelectionStyle(ui::TableViewCell::SelectionStyle::None);
    auto content = cell->contentView();
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(content->subviews())) sub->removeFromSuperview();
    auto box = std::make_shared<ui::View>(ui::Rect(20, 0, 480, 180));
    box->setBackgroundColor(ui::Color::clear());
    const std::vector<int32_t> figures = records_.figuresOfSection(path.section);
    for (size_t k = 1; k <= figures.size() && k <= listDefineInfos.size(); ++k) {
        box->addSubview(whiteLabel(ui::Rect(0, 25.0 * double(k), 150, 22), listDefineInfos[k - 1]));
        box->addSubview(whiteLabel(ui::Rect(150, 25.0 * double(k), 400, 22), sys::format("%d", figures[k - 1])));
    }
    content->addSubview(box);
    return cell;
}

ZUNO_REGISTER_SCREEN(UserAchievementView)

}  // namespace zuno
