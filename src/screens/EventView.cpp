#include "screens/EventView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PageFetch.h"
#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

namespace {
std::string topBarTitle() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->lblWindowTitle) return {};
    return delegate->lblWindowTitle->text().value_or(std::string());
}

std::string upperText(const char* key) { return sys::uppercase(Resources::getInstance().textForKey(key)); }
}  // namespace

const ui::BindingTable& EventView::bindings() {
    using B = ui::Bind<EventView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("webView", &EventView::webView),
                                            B::outlet("tvEvent", &EventView::tvEvent),
                                            B::action("doRefresh:", &EventView::doRefresh),
                                        });
    return table;
}

EventView::EventView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void EventView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    webView->setHidden(true);
    tvEvent->setHidden(true);
}

void EventView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    const std::string title = topBarTitle();
    if (title.empty()) return;
    if (title == upperText("ZUNO_term")) {
        showCachedPage("ZUNO_term", "termofuser", "LinkTerm");
    } else if (title == upperText("ZUNO_guide")) {
        showCachedPage("ZUNO_guide", "guideofuser", "LinkGuide");
    } else if (title == upperText("ZUNO_event")) {
        doRefresh(nullptr);
    }
}

void EventView::showCachedPage(const char* logKey, const char* defaultsKey, const char* configKey) {
    sys::Log::line(logKey);
    showLoadingScreen();
    sys::UserDefaults& defaults = sys::UserDefaults::standard();
    std::optional<std::string> page = defaults.stringForKey(defaultsKey);
    if (!page || page->empty()) {
        sys::HttpFetchResult fetched = fetchPage(Resources::getInstance().configValue(configKey).asText());
        page = fetched.body.value_or(std::string());
        // Only a page that came is kept: a failed fetch is tried again on the next visit.
        if (fetched.ok() && !page->empty()) {
            defaults.setObject(sys::Value(*page), defaultsKey);
            defaults.synchronize();
        }
    }
    webView->loadHTMLString(*page, std::nullopt);
    hideLoadingScreen();
    webView->setHidden(false);
    tvEvent->setHidden(true);
}

void EventView::doRefresh(ui::Object*) {
    showLoadingScreen();
    GlobalService::getInstance().getInfoWithKey(kEventInfoKey);
}

void EventView::showEventWithInfo(const std::string& info) {
    tvEvent->setText(info);
    webView->setHidden(true);
    tvEvent->setHidden(false);
    hideLoadingScreen();
}

const ui::BindingTable& HelpView::bindings() {
    using B = ui::Bind<HelpView>;
    static const ui::BindingTable table(&ui::ViewController::bindings(), {B::outlet("tvEvent", &HelpView::tvEvent)});
    return table;
}

ZUNO_REGISTER_SCREEN(EventView)
ZUNO_REGISTER_SCREEN(HelpView)

}  // namespace zuno
