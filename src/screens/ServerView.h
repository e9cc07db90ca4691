#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/GlobalService.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/net/Http.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "shell/RefreshTableHeaderView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The server list, from which the player signs in: the service's areas, fetched as text from the
// configuration's "LinkServer" and cached under "serverdata". The cached list shows at once while a
// fresh one is fetched; a failed connect drops the cache. A tap connects to the area and, once the
// server has accepted the client, signs in with the stored user name and password; a pull past 65
// points fetches the list again.
//
// The fetch runs off the main thread with a time-out, so the window never freezes; a failed or
// non-2xx answer, or one that is not UTF-8, counts as no text and is never cached. A failed fetch
// that leaves the page empty says so and offers to fetch again.
class ServerView : public ZunoViewController,
                   public ConnectOKListener,
                   public ui::TableViewDataSource,
                   public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 80;
    static constexpr double kRefreshOffset = -65;
    static constexpr double kLoadingInset = 60;
    static constexpr double kFetchTimeoutSeconds = 10;

    ServerView() : ServerView("ServerView") {}
    explicit ServerView(std::string nibName);
    ~ServerView() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    // Fills the list from the cache at once and from the network when it answers; hides the spinner
    // once a list is shown.
    void detectInfos();
    // Fills the list from the network, whatever the cache holds; ends the pull-refresh when done.
    void doRefresh();
    // The failure note's button: fetches the list again, with the spinner.
    void doTryAgain(ui::Object* sender);
    // Closes any dialog the login screen left open.
    void closeDialog();
    // Connects to the address chosen; the sign-in follows in onConnectOK.
    void loginning();
    void onConnectOK() override;
    void onConnectFail() override;
    void dataSourceDidFinishLoadingNewData();

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    void scrollViewDidEndDragging(ui::ScrollView& scrollView, bool willDecelerate) override;

    const std::vector<std::shared_ptr<Server>>& getListServers() const { return listServers; }
    bool isReloading() const { return reloading; }
    // True while a fetch of the list is on its way.
    bool isFetching() const { return fetch_ != nullptr; }
    // Why the last fetch brought no list, if it did not.
    const std::optional<std::string>& fetchError() const { return fetchError_; }

    std::vector<std::shared_ptr<Server>> listServers;
    std::shared_ptr<ui::TableView> tableView;
    // Shown while a failed fetch leaves the page empty.
    std::shared_ptr<ui::Label> lblFetchError;
    std::shared_ptr<ui::Button> btnTryAgain;
    std::shared_ptr<RefreshTableHeaderView> refreshHeaderView;
    bool reloading = false;
    std::string ip_server_old;
    int32_t port_server_old = 0;

private:
    // Fetches the list text and hands it (none on failure) to the continuation on the main thread;
    // a call while a fetch is on its way waits for that fetch.
    void fetchServerText(std::function<void(std::optional<std::string>)> then);
    void showServerText(const std::optional<std::string>& text);
    void clearList();
    void showFetchFailure(bool shown);

    std::shared_ptr<sys::HttpCall> fetch_;
    std::vector<std::function<void(std::optional<std::string>)>> waitingForFetch_;
    std::optional<std::string> fetchError_;
    bool serverPicked_ = false;
};

}  // namespace zuno
