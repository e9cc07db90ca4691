#include "screens/ServerView.h"

#include "net/MobileClient.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/ScreenTitle.h"
#include "screens/ServerListText.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr const char* kCacheKey = "serverdata";
}  // namespace

const ui::BindingTable& ServerView::bindings() {
    using B = ui::Bind<ServerView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("tableView", &ServerView::tableView),
                                         B::outlet("lblFetchError", &ServerView::lblFetchError),
                                         B::outlet("btnTryAgain", &ServerView::btnTryAgain),
                                         B::action("doTryAgain:", &ServerView::doTryAgain)});
    return table;
}

ServerView::ServerView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ServerView::~ServerView() {
    if (fetch_) fetch_->cancel();
}

void ServerView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    try {
        std::weak_ptr<ServerView> weak = std::static_pointer_cast<ServerView>(shared_from_this());
        sys::RunLoop::main().postDelayed(0.5, [weak] {
            if (auto self = weak.lock()) self->closeDialog();
        });
        Resources::getInstance().renewAvatarMemory();
        auto me = std::static_pointer_cast<ServerView>(shared_from_this());
        tableView->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(me));
        tableView->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(me));
        if (!refreshHeaderView) {
            const double height = tableView->bounds().size.height;
            refreshHeaderView = std::make_shared<RefreshTableHeaderView>(ui::Rect(0, -height, 480, height));
            refreshHeaderView->setBackgroundColor(std::nullopt);
            refreshHeaderView->setBottomBorderThickness(1);
            tableView->addSubview(refreshHeaderView);
            tableView->setShowsVerticalScrollIndicator(true);
        }
    } catch (const std::exception& e) {
        sys::Log::warning("Exception " + sys::failureName(e));
    }
}

void ServerView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_selectArea");
}

void ServerView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    try {
        showLoadingScreen();
        detectInfos();
    } catch (const std::exception& e) {
        sys::Log::warning("Exception " + sys::failureName(e));
    }
}

void ServerView::closeDialog() { UIController::closeDialog(); }

void ServerView::clearList() {
    listServers.clear();
    // The table must not keep rows of the old list while the new one is on its way.
    if (tableView) tableView->reloadData();
}

void ServerView::detectInfos() {
    clearList();
    std::optional<std::string> cached = sys::UserDefaults::standard().stringForKey(kCacheKey);
    const bool shownFromCache = cached && !cached->empty();
    if (shownFromCache) {
        showServerText(cached);
        hideLoadingScreen();
    }
    // Servers move: a fresh list replaces the cached one; the cached one stays when none comes.
    fetchServerText([this, shownFromCache](std::optional<std::string> text) {
        if (text || !shownFromCache) showServerText(text);
        if (!shownFromCache) hideLoadingScreen();
    });
}

void ServerView::onConnectFail() {
    // The list may name a server that is no more: the next list waits for a fresh one.
    sys::UserDefaults::standard().removeObjectForKey(kCacheKey);
}

void ServerView::doRefresh() {
    clearList();
    fetchServerText([this](std::optional<std::string> text) {
        showServerText(text);
        // Every refresh ends, whatever came back.
        std::weak_ptr<ServerView> weak = std::static_pointer_cast<ServerView>(shared_from_this());
        sys::RunLoop::main().post([weak] {
            if (auto self = weak.lock()) self->dataSourceDidFinishLoadingNewData();
        });
    });
}

// The note shows only over an empty page: fetched again as when the screen first appeared.
void ServerView::doTryAgain(ui::Object*) {
    showLoadingScreen();
    detectInfos();
}

void ServerView::showFetchFailure(bool shown) {
    if (lblFetchError) lblFetchError->setHidden(!shown);
    if (btnTryAgain) btnTryAgain->setHidden(!shown);
}

void ServerView::fetchServerText(std::function<void(std::optional<std::string>)> then) {
    // A fetch on its way answers every caller: a cancelled one would leave a spinner or a pull-refresh
    // that never ends.
    waitingForFetch_.push_back(std::move(then));
    if (fetch_) return;
    showFetchFailure(false);
    const std::string url = Resources::getInstance().configValue("LinkServer").asText();
    sys::HttpRequest request = sys::HttpRequest::get(url);
    request.timeoutSeconds = kFetchTimeoutSeconds;
    std::weak_ptr<ServerView> weak = std::static_pointer_cast<ServerView>(shared_from_this());
    fetch_ = sys::Http::start(std::move(request), [weak](const sys::HttpOutcome& outcome) {
        auto self = weak.lock();
        if (!self) return;
        self->fetch_.reset();
        std::optional<std::string> text;
        self->fetchError_.reset();
        if (!outcome.succeeded()) {
            self->fetchError_ = outcome.error;
            sys::Log::warning("Server list: " + outcome.error);
        } else if (!sys::isValidUtf8(outcome.response.body)) {
            self->fetchError_ = "the answer is not UTF-8 text";
            sys::Log::warning("Server list: the answer is not UTF-8 text");
        } else {
            text = outcome.response.body;
            auto& defaults = sys::UserDefaults::standard();
            defaults.setObject(sys::Value(*text), kCacheKey);
            defaults.synchronize();
        }
        auto waiting = std::move(self->waitingForFetch_);
        self->waitingForFetch_.clear();
        for (const auto& then : waiting) then(text);
        // A list shown from the cache stays as it is; an empty page says why it is empty.
        self->showFetchFailure(self->fetchError_ && self->listServers.empty());
    });
}

void ServerView::showServerText(const std::optional<std::string>& text) {
    if (text) {
        sys::Log::line(*text);
        listServers = parseServerList(*text);
        // The server just picked here is the one signed in to, whatever a late list says.
        if (!serverPicked_) forgetServerNotIn(listServers);
    }
    if (tableView) tableView->reloadData();
}

void ServerView::dataSourceDidFinishLoadingNewData() {
    reloading = false;
    auto table = tableView;
    ui::View::animate(0.3, [table] { table->setContentInset(ui::EdgeInsets{0, 0, 0, 0}); });
    refreshHeaderView->setState(RefreshTableHeaderView::kNormal);
    refreshHeaderView->setCurrentDate();
}

int ServerView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listServers.size()); }

std::optional<double> ServerView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) { return kRowHeight; }

std::shared_ptr<ui::TableViewCell> ServerView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier("CellServerView");
    if (!cell) {
        cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Default, "CellServerView");
        // The rows lie on the screen's background.
        cell->setBackgroundColor(std::nullopt);
    }
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(cell->subviews())) sub->removeFromSuperview();
    const auto& server = listServers.at(static_cast<size_t>(path.row));

    auto icon = std::make_shared<ui::ImageView>(ui::Rect(40, 15, 30, 55));
    icon->setImage(ui::Image::imageNamed("area.png"));
    cell->addSubview(icon);
    auto name = std::make_shared<ui::Label>(ui::Rect(90, 20, 100, 30));
    name->setText(server->sNAME());
    name->setTextColor(ui::Color::white());
    name->setFont(ui::Font::boldSystemFontOfSize(18));
    name->setBackgroundColor(std::nullopt);
    cell->addSubview(name);
    auto line = std::make_shared<ui::ImageView>(ui::Rect(29, 76, 422, 4));
    line->setImage(ui::Image::imageNamed("line_server_list.png"));
    cell->addSubview(line);
    return cell;
}

void ServerView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(listServers.size())) return;
    const auto& server = listServers[static_cast<size_t>(path.row)];
    GlobalService::setIP(server->sIP());
    GlobalService::setPORT(serverPortValue(server->sPORT()));
    loginning();
}

void ServerView::loginning() {
    serverPicked_ = true;
    UIController::setOkValue(UIController::okConnectLogin);
    UIController::startCancelDlg(Resources::getInstance().textForKey("ZUNO_logging"));
    if (GlobalService::isConnected()) MobileClient::getInstance()->manualDisconnect();
    auto& service = GlobalService::getInstance();
    service.setConnectOKListener(std::dynamic_pointer_cast<ConnectOKListener>(shared_from_this()));
    service.connect();
}

void ServerView::onConnectOK() {
    auto& service = GlobalService::getInstance();
    service.getInfoWithKey(8);
    auto& defaults = sys::UserDefaults::standard();
    const std::optional<std::string> name = defaults.stringForKey("uname");
    const std::optional<std::string> password = defaults.stringForKey("password");
    defaults.setObject(sys::Value(GlobalService::IP()), "ipServer");
    defaults.setInteger(GlobalService::PORT(), "portServer");
    defaults.synchronize();
    service.loginWithUsername(name, password, GlobalService::VERSION());
}

void ServerView::scrollViewDidScroll(ui::ScrollView& scrollView) {
    if (!scrollView.isDragging() || reloading) return;
    const double offset = scrollView.contentOffset().y;
    if (refreshHeaderView->state() == RefreshTableHeaderView::kPulling && offset > kRefreshOffset && offset < 0) {
        refreshHeaderView->setState(RefreshTableHeaderView::kNormal);
    } else if (refreshHeaderView->state() == RefreshTableHeaderView::kNormal && offset < kRefreshOffset) {
        refreshHeaderView->setState(RefreshTableHeaderView::kPulling);
    }
}

void ServerView::scrollViewDidEndDragging(ui::ScrollView& scrollView, bool) {
    if (scrollView.contentOffset().y > kRefreshOffset || reloading) return;
    reloading = true;
    doRefresh();
    refreshHeaderView->setState(RefreshTableHeaderView::kLoading);
    auto table = tableView;
    ui::View::animate(0.2, [table] { table->setContentInset(ui::EdgeInsets{kLoadingInset, 0, 0, 0}); });
}

ZUNO_REGISTER_SCREEN(ServerView)

}  // namespace zuno
