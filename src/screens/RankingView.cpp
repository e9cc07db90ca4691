#include "screens/RankingView.h"

#include "lobby/GlobalService.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerRows.h"
#include "screens/ScreenTitle.h"
#include "screens/SubRankingView.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
constexpr const char* kCellIdentifier = "CellRankingView";
constexpr int32_t kTopList = 1;
}  // namespace

const ui::BindingTable& RankingView::bindings() {
    using B = ui::Bind<RankingView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("myTableView", &RankingView::myTableView),
                                            B::action("doExit:", &RankingView::doExit),
                                        });
    return table;
}

RankingView::RankingView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void RankingView::viewDidLoad() {
    showLoadingScreen();
    ZunoViewController::viewDidLoad();
    listRanking.clear();
    auto self = std::dynamic_pointer_cast<RankingView>(shared_from_this());
    myTableView->setDataSource(self);
    myTableView->setTableDelegate(self);
    GlobalService::getInstance().getListWithType(kTopList);
}

void RankingView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_ranking");
}

void RankingView::forceReloadTableView() {
    forceReload = true;
    myTableView->reloadData();
}

void RankingView::doExit(ui::Object*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
    setWindowTitle(Resources::getInstance().textForKey("ZUNO_Zuno"));
}

int RankingView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listRanking.size()); }

std::shared_ptr<ui::TableViewCell> RankingView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) {
        cell = playerrow::newCell(ui::TableViewCell::Style::Default, kCellIdentifier);
        cell->textLabel()->setTextColor(ui::Color::white());
        cell->textLabel()->setFont(ui::Font::boldSystemFontOfSize(16));
        cell->imageView()->setImage(ui::Image::imageNamed("icon-thanh-tich.png"));
        cell->contentView()->addSubview(playerrow::imageAt(ui::Rect(10, 38, 460, 2), "line_server_list.png"));
    }
    const bool inList = path.row >= 0 && path.row < static_cast<int>(listRanking.size()) && listRanking[size_t(path.row)];
    cell->textLabel()->setText(inList ? listRanking[size_t(path.row)]->info().value_or(std::string()) : std::string());
    return cell;
}

void RankingView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(listRanking.size()) || !listRanking[size_t(path.row)]) return;
    const Ranking& ranking = *listRanking[size_t(path.row)];
    auto page = std::make_shared<SubRankingView>();
    page->subRankingType = ranking.gameId();
    if (auto nav = navigationController()) nav->pushViewController(page, true);
    setWindowTitle(ranking.info().value_or(std::string()));
}

ZUNO_REGISTER_SCREEN(RankingView)

}  // namespace zuno
