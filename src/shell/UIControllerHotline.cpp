// The checks of what the device can do, and the hotline.
#include <algorithm>
#include <cctype>
#include <mutex>
#include <vector>

#include "platform/core/Device.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/services/UrlOpener.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::mutex readerMutex;
std::function<bool()>& switchOnSMSReader() {
    static std::function<bool()> reader;
    return reader;
}

// The numbers of a version text: "6.1.0-amd64" -> 6, 1, 0.
std::vector<long> versionNumbers(const std::string& version) {
    std::vector<long> numbers;
    size_t i = 0;
    while (i < version.size()) {
        if (!std::isdigit(static_cast<unsigned char>(version[i]))) {
            if (version[i] != '.') break;
            ++i;
            continue;
        }
        long n = 0;
        while (i < version.size() && std::isdigit(static_cast<unsigned char>(version[i])) && n < 1000000)
            n = n * 10 + (version[i++] - '0');
        numbers.push_back(n);
    }
    return numbers;
}

// The system version compared number by number with the given one (missing numbers count as 0).
bool systemVersionAtLeast(const std::string& wanted) {
    std::vector<long> have = versionNumbers(sys::Device::systemVersion());
    std::vector<long> want = versionNumbers(wanted);
    size_t n = std::max(have.size(), want.size());
    have.resize(n, 0);
    want.resize(n, 0);
    return have >= want;
}
}  // namespace

std::shared_ptr<UIController> UIController::sharedController() {
    static const std::shared_ptr<UIController> controller(new UIController());
    return controller;
}

void UIController::setSwitchOnSMSReader(std::function<bool()> reader) {
    std::lock_guard<std::mutex> lock(readerMutex);
    switchOnSMSReader() = std::move(reader);
}

bool UIController::checkApStore() {
    if (!Resources::getInstance().configValue("AppStore").asBool()) return false;
    std::function<bool()> reader;
    {
        std::lock_guard<std::mutex> lock(readerMutex);
        reader = switchOnSMSReader();
    }
    return reader && reader();
}

bool UIController::checkVersioniOS4() { return systemVersionAtLeast("4.0"); }
bool UIController::checkVersioniOS5() { return systemVersionAtLeast("5.0"); }

bool UIController::checkVersionToSendSMS() {
    if (!checkVersioniOS4()) return false;
    return sys::asciiLowercase(sys::Device::model()) == "iphone";
}

void UIController::callHotline(const std::string& number) {
    if (sys::UrlOpener::openURL("telprompt:" + number)) return;
    if (GlobalService::isConnected()) {
        sharedController()->onConnectOK();
        return;
    }
    GlobalService::getInstance().setConnectOKListener(sharedController());
    GlobalService::getInstance().connect();
}

void UIController::callHotlineFromServer(const std::string& number) {
    sys::Log::line("callHotlineFromServer " + number);
    if (sys::UrlOpener::openURL("telprompt:" + number)) return;
    // Nothing here dials (a desktop): the player reads the number and calls from a phone.
    const Resources& r = Resources::getInstance();
    setOkValue(okNone);
    startOKDlg(number.empty() ? r.textForKey("ZUNO_noHotline")
                              : sys::format(r.textForKey("ZUNO_hotlineFromServer"), number));
}

void UIController::onConnectOK() { GlobalService::getInstance().getInfoWithKey(2); }

}  // namespace zuno
