#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "shell/RefreshTableHeaderView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// What the room list and the table list share: the bottom bar (play now, refresh, money transfer,
// top-up, logout) and the pull-to-refresh header over the list. A subclass names its list and the
// request that refreshes it.
class LobbyListScreen : public ZunoViewController {
    ZUNO_BINDINGS
public:
    // A pull past this offset (points above the top) refreshes.
    static constexpr double kPullThreshold = -65;
    static constexpr double kLoadingInset = 60;

    using ZunoViewController::ZunoViewController;

    // The room-name key of a game type, as the room and table titles show it; none for other games.
    static std::optional<std::string> roomNameKey(int8_t gameType);
    // Shows the text in the application's top bar.
    static void setTopBarTitle(const std::string& text);

    // A pull-to-refresh is running.
    virtual bool isReloading() const { return _reloading; }
    virtual void dataSourceDidFinishLoadingNewData();

    // The refresh button.
    void doUpdateRoomList(ui::Object* sender);
    // Play now: the server picks a table and answers as to a join.
    void doFindAutoBoard(ui::Object* sender);
    // The money-transfer sheet.
    void doTangWin(ui::Object* sender);
    void showMenuAction(ui::Object* sender) { showMenu(); }

    // The list's scroll delegate passes these on: dragging past the threshold arms the header,
    // letting go there refreshes.
    void pullDidScroll(ui::ScrollView& scrollView);
    void pullDidEndDragging(ui::ScrollView& scrollView);

    std::shared_ptr<RefreshTableHeaderView> refreshHeaderView;
    bool _reloading = false;
    std::shared_ptr<ui::Button> btnRefresh;
    std::shared_ptr<ui::Label> lblAutoFind, lblRefresh, lblTangWin, lblNapWin, lblDangXuat;
    // The money-transfer sheet, where the interface file holds one.
    std::shared_ptr<ui::ViewController> transferMoneyView;

protected:
    // The list the header belongs to.
    virtual ui::ScrollView* listView() const = 0;
    // Asks the server for the list again.
    virtual void requestList() = 0;
    void labelCaptions();

private:
    void animateTopInset(double top, double seconds);
};

}  // namespace zuno
