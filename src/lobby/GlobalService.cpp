#include "lobby/GlobalService.h"

#include <atomic>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/ILobbyShell.h"
#include "net/MobileClient.h"
#include "platform/core/Bundle.h"
#include "platform/core/Device.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"

namespace zuno {

namespace {
struct ClassState {
    std::mutex mutex;
    std::optional<std::string> ip;
    int32_t port = 0;
    std::atomic<int8_t> provider{0};
    std::function<void()> connectOKAction;
};

ClassState& classState() {
    static ClassState* s = new ClassState();
    return *s;
}

std::string bundleVersion() {
    return sys::Bundle::main().objectForInfoDictionaryKey("CFBundleVersion").asText();
}
}  // namespace

GlobalService& GlobalService::getInstance() {
    static GlobalService* instance = new GlobalService();  // lives for the whole run
    return *instance;
}

GlobalService::GlobalService() : RequestService("Exception :") {}

bool GlobalService::isConnected() { return MobileClient::getInstance()->isConnected(); }

std::string GlobalService::IP() {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.ip) s.ip = ILobbyShell::shared()->configValue("Server").asText();
    return *s.ip;
}

void GlobalService::setIP(std::string ip) {
    sys::Log::line("iip: " + ip);
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.ip = std::move(ip);
}

int32_t GlobalService::PORT() {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.port == 0) s.port = static_cast<int32_t>(ILobbyShell::shared()->configValue("Port").asInteger());
    return s.port;
}

void GlobalService::setPORT(int32_t port) {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.port = port;
}

void GlobalService::useConfiguredAddress() {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.ip.reset();
    s.port = 0;
}

int8_t GlobalService::PROVIDER() { return classState().provider; }
void GlobalService::setPROVIDER(int8_t provider) { classState().provider = provider; }

void GlobalService::connect() {
    // Only a connection closed silently is replaced: one still open stays, and connecting opens nothing.
    if (!isConnected()) GlobalMessageHandler::getInstance().globalLogicHandler()->onConnectionReplaced();
    forgetUnconfirmedUpdates();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        giftPrices_.clear();
    }
    auto client = MobileClient::getInstance();
    client->setHandler(&GlobalMessageHandler::getInstance());
    client->connectToHost(IP(), static_cast<uint16_t>(PORT()));
}

void GlobalService::setConnectOKListener(std::weak_ptr<ConnectOKListener> listener) {
    std::lock_guard<std::mutex> lock(mutex_);
    connectOKListener_ = std::move(listener);
}

std::shared_ptr<ConnectOKListener> GlobalService::getConnectOKListener() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return connectOKListener_.lock();
}

std::function<void()> GlobalService::connectOKAction() {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.connectOKAction;
}

void GlobalService::setConnectOKAction(std::function<void()> action) {
    ClassState& s = classState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.connectOKAction = std::move(action);
}

void GlobalService::performConnectOKAction() {
    if (auto action = connectOKAction()) action();
}

void GlobalService::sendClientInformation() {
    const std::string device = bundleVersion() + ";" + sys::Device::model() + ";" + sys::Device::systemVersion();
    const std::string language = ILobbyShell::shared()->currentLanguage();
    send(-36, [&](Message& m) {
        m.writeByte(CLIENT_TYPE());
        m.writeByte(PROVIDER());
        m.writeUTF(VERSION());
        m.writeUTF(device);
        m.writeInt(480);
        m.writeInt(320);
        m.writeUTF(language);
    });
}

void GlobalService::sendClientInformationV2() {
    const std::string protocolId = std::to_string(MobileClient::getInstance()->protocolId());
    const std::string model = sys::Device::model();
    const std::string networkType = ILobbyShell::shared()->networkType();
    send(-35, [&](Message& m) {
        m.writeUTF(protocolId);
        m.writeUTF(sys::Device::systemVersion());
        m.writeUTF(model);
        m.writeUTF(bundleVersion());
        m.writeUTF(std::string());
        m.writeUTF(networkType);
        m.writeUTF(sys::Device::uniqueIdentifier());
        m.writeUTF(model);
        // Without a cellular carrier nothing is written here, so "Apple" stands ninth.
        m.writeUTF(sys::Device::carrierName());
        m.writeUTF(std::string("Apple"));
    });
}

void GlobalService::loginWithUsername(const std::optional<std::string>& username,
                                      const std::optional<std::string>& pwd,
                                      const std::optional<std::string>& version) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(username ? sys::Value(*username) : sys::Value(), "ZUNO_LOGIN_USERNAME");
    defaults.setObject(pwd ? sys::Value(*pwd) : sys::Value(), "ZUNO_LOGIN_OLDPASS");
    defaults.synchronize();
    send(1, [&](Message& m) {
        writeTextInPlace(m, username);
        writeTextInPlace(m, pwd);
        m.writeUTF(version);
    });
}

}  // namespace zuno
