#pragma once

#include <memory>
#include <string>

#include "lobby/LobbyScreenEvents.h"
#include "platform/ui/TextView.h"
#include "platform/ui/WebView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The guide, terms and event pages. The opener titles the top bar with the upper-cased guide, terms
// or event text, and the title decides the page: the guide and the terms are fetched once and kept
// in the user defaults; the event text comes from the game server.
class EventView : public ZunoViewController, public EventScreen {
    ZUNO_BINDINGS
public:
    // The server's information key of the event text.
    static constexpr int32_t kEventInfoKey = 6;

    EventView() : EventView("EventView") {}
    explicit EventView(std::string nibName);

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void doRefresh(ui::Object* sender);
    // The side menu does not open here.
    void showMenu() override {}
    void showEventWithInfo(const std::string& info) override;

    std::shared_ptr<ui::WebView> webView;
    std::shared_ptr<ui::TextView> tvEvent;

private:
    // Shows the page kept under the defaults key, fetching and keeping it first when there is none.
    void showCachedPage(const char* logKey, const char* defaultsKey, const char* configKey);
};

// A plain text screen filled by its interface file; nothing opens it.
class HelpView : public ui::ViewController {
    ZUNO_BINDINGS
public:
    HelpView() : ui::ViewController(std::string("HelpView")) {}
    std::shared_ptr<ui::TextView> tvEvent;
};

}  // namespace zuno
