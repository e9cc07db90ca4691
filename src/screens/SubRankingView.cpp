#include "screens/SubRankingView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerRows.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/TableSheetHost.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

// ---- cellSubRanking

const ui::BindingTable& cellSubRanking::bindings() {
    using B = ui::Bind<cellSubRanking>;
    static const ui::BindingTable table(&ui::Responder::bindings(),
                                        {B::outlet("lblIndex", &cellSubRanking::lblIndex),
                                         B::outlet("imgAvatar", &cellSubRanking::imgAvatar),
                                         B::outlet("lblRank", &cellSubRanking::lblRank),
                                         B::outlet("lblStatus", &cellSubRanking::lblStatus),
                                         B::outlet("lblInfo", &cellSubRanking::lblInfo),
                                         B::outlet("lblName", &cellSubRanking::lblName)});
    return table;
}

cellSubRanking::cellSubRanking()
    : ui::TableViewCell(ui::TableViewCell::Style::Subtitle, std::string(SubRankingView::kCellIdentifier)) {}

ZUNO_REGISTER_VIEW(cellSubRanking)

// ---- SubRankingView

const ui::BindingTable& SubRankingView::bindings() {
    using B = ui::Bind<SubRankingView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("myTableView", &SubRankingView::myTableView),
                                            B::outlet("btnNext", &SubRankingView::btnNext),
                                            B::outlet("btnPrevious", &SubRankingView::btnPrevious),
                                            B::outlet("lblNextPage", &SubRankingView::lblNextPage),
                                            B::outlet("lblPrePage", &SubRankingView::lblPrePage),
                                            B::outlet("playerDetailView", &SubRankingView::playerDetailView),
                                            B::action("onNext:", &SubRankingView::onNext),
                                            B::action("onPrevious:", &SubRankingView::onPrevious),
                                            B::action("doExit:", &SubRankingView::doExit),
                                        });
    return table;
}

SubRankingView::SubRankingView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

SubRankingView::~SubRankingView() {
    if (unlock_) sys::RunLoop::main().cancel(unlock_);
}

void SubRankingView::viewDidLoad() {
    showLoadingScreen();
    ZunoViewController::viewDidLoad();
    listSubRanking.clear();
    auto self = std::dynamic_pointer_cast<SubRankingView>(shared_from_this());
    myTableView->setDataSource(self);
    myTableView->setTableDelegate(self);
    requestPage();
}

void SubRankingView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_ranking");
    lblNextPage->setText(text("ZUNO_nextPage"));
    lblPrePage->setText(text("ZUNO_previousPage"));
}

void SubRankingView::requestPage() {
    if (subRankingType != 0) {
        GlobalService::getInstance().requestStrongestWithPage(pager_.page(), static_cast<int8_t>(subRankingType));
    } else {
        GlobalService::getInstance().requestRichestWithPage(pager_.page());
    }
}

void SubRankingView::setListSubRanking(std::vector<PlayerPtr> players) {
    if (players.empty()) sys::Log::line(sys::format("ranking: page %d is empty", {int64_t(pager_.page())}));
    if (players.size() > RankingPager::kPageRows)
        sys::Log::line(sys::format("ranking: page %d holds %d players", {int64_t(pager_.page()), int64_t(players.size())}));
    // Past the end the last page with rows comes back, as it was shown.
    if (pager_.pageReceived(players.size())) players = lastRows_;
    else if (!players.empty()) lastRows_ = players;
    listSubRanking = std::move(players);
    showButtons();
}

void SubRankingView::forceReloadTableView() {
    forceReload = true;
    myTableView->reloadData();
}

void SubRankingView::showButtons() {
    btnNext->setEnabled(pager_.nextEnabled());
    btnPrevious->setEnabled(pager_.previousEnabled());
}

// Both buttons stay locked for 2.0 s from the press, whenever the page comes.
void SubRankingView::turnPage() {
    showButtons();
    showLoadingScreen();
    listSubRanking.clear();
    myTableView->reloadData();
    requestPage();
    if (unlock_) sys::RunLoop::main().cancel(unlock_);
    std::weak_ptr<ui::Responder> weak = shared_from_this();
    unlock_ = sys::RunLoop::main().postDelayed(RankingPager::kLockSeconds, [weak] {
        if (auto self = std::dynamic_pointer_cast<SubRankingView>(weak.lock())) {
            self->unlock_ = 0;
            self->setEnabledForButton();
        }
    });
}

void SubRankingView::onNext(ui::Object*) {
    if (pager_.onNext()) turnPage();
}

void SubRankingView::onPrevious(ui::Object*) {
    if (pager_.onPrevious()) turnPage();
}

void SubRankingView::setEnabledForButton() {
    pager_.setEnabledForButton();
    showButtons();
}

void SubRankingView::doExit(ui::Object*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void SubRankingView::onRequestDetail(const PlayerDetail& detail) {
    data = detail;
    auto sheet = std::dynamic_pointer_cast<PlayerDetailSheet>(playerDetailView);
    if (!sheet) return;
    sheet->updateViewWithData(detail);
    view()->addSubview(playerDetailView->view());
    playerDetailView->viewWillAppear(false);
}

int SubRankingView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listSubRanking.size()); }

std::optional<double> SubRankingView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) {
    return playerrow::kRowHeight;
}

std::shared_ptr<ui::TableViewCell> SubRankingView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    std::shared_ptr<ui::TableViewCell> cell = forceReload ? nullptr : table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) cell = playerrow::newCell(ui::TableViewCell::Style::Subtitle, kCellIdentifier);
    playerrow::clear(*cell);
    if (path.row < 0 || path.row >= static_cast<int>(listSubRanking.size()) || !listSubRanking[size_t(path.row)])
        return cell;
    const Player& player = *listSubRanking[size_t(path.row)];
    auto content = cell->contentView();
    content->addSubview(playerrow::nameLabel(player.name()));
    content->addSubview(playerrow::statusLabel(playerrow::statusOf(player)));
    std::string info;
    if (subRankingType == 0) {
        info = playerrow::moneyText(player.money());
    } else {
        info = "Level: " + playerrow::levelText(player.level().get());
        sys::Log::line(sys::format("exp: %@", {std::to_string(player.exp())}));
    }
    content->addSubview(playerrow::infoLabel(info));
    content->addSubview(playerrow::avatarView(player.avatar()));

    // Its right edge clear of the unread-mail button, which stands over the top row's right end.
    auto place = std::make_shared<ui::Label>(ui::Rect(0, 10, 425, 32));
    place->setTextColor(ui::Color::white());
    place->setFont(ui::Font::systemFontOfSize(16));
    place->setBackgroundColor(ui::Color::clear());
    place->setTextAlignment(ui::TextAlignment::Right);
    place->setText(std::to_string(pager_.placeOf(path.row)));
    content->addSubview(place);
    if (path.row == static_cast<int>(listSubRanking.size()) - 1) forceReload = false;
    content->addSubview(playerrow::imageAt(ui::Rect(10, 58, 460, 2), "line_server_list.png"));
    return cell;
}

void SubRankingView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(listSubRanking.size()) || !listSubRanking[size_t(path.row)]) return;
    GlobalService::getInstance().requestInfoOfWithIDDB(listSubRanking[size_t(path.row)]->IDDB());
}

ZUNO_REGISTER_SCREEN(SubRankingView)

}  // namespace zuno
