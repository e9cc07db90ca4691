#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "net/IMobileClient.h"
#include "net/Message.h"

namespace zuno {

// Told when the server has accepted the client information of a connection that a screen opened
// (and, on the registration screen, when that connection failed).
class ConnectOKListener {
public:
    virtual ~ConnectOKListener() = default;
    virtual void onConnectOK() = 0;
    virtual void onConnectFail() {}
};

// The one object through which every part of the client sends lobby requests and the requests all
// table screens share. It also owns the address of the next connection and the identity the client
// announces. Builders write a message, queue it on the connection and return at once.
class GlobalService {
public:
    static GlobalService& getInstance();

    // Whether the shared connection is open.
    static bool isConnected();

    // The host of the next connection; the configured "Server" while none was chosen.
    static std::string IP();
    static void setIP(std::string ip);
    // The port of the next connection; the configured "Port" while it is 0.
    static int32_t PORT();
    static void setPORT(int32_t port);
    // The distributor id announced in the client information (the bundle's "Provider", low 8 bits).
    static int8_t PROVIDER();
    static void setPROVIDER(int8_t provider);
    static int8_t CLIENT_TYPE() { return 0; }
    static std::string VERSION() { return "2.3.0"; }

    // The connection builders send through (the shared MobileClient unless a test substitutes one).
    std::shared_ptr<IMobileClient> _session() const;
    void set_session(std::shared_ptr<IMobileClient> session);

    // Opens the shared connection to IP and PORT with the lobby dispatcher as its listener.
    void connect();

    // The screen waiting for the next connection to be accepted; held weakly.
    void setConnectOKListener(std::weak_ptr<ConnectOKListener> listener);
    std::shared_ptr<ConnectOKListener> getConnectOKListener() const;

    // An action run when the server accepts the client information; none in this client.
    void setConnectOKAction(std::function<void()> action);
    void performConnectOKAction();

    // The first request of every connection.
    void sendClientInformation();
    // Sent once the login has succeeded.
    void sendClientInformationV2();
    // Stores the user name and password in the user defaults, then sends the login.
    void loginWithUsername(const std::optional<std::string>& username, const std::optional<std::string>& pwd,
                           const std::optional<std::string>& version);

protected:
    GlobalService();

    // Builds a message with the command id, lets `write` fill its fields and queues it. A failure
    // while writing drops the message with a log line: a half-written request is never sent.
    void send(int8_t commandId, const std::function<void(Message&)>& write);
    // A request without fields.
    void send(int8_t commandId);

private:
    mutable std::mutex mutex_;
    std::shared_ptr<IMobileClient> session_;
    std::weak_ptr<ConnectOKListener> connectOKListener_;
    std::function<void()> connectOKAction_;
};

}  // namespace zuno
