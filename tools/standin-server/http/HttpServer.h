#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace zuno::standin {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct ServerRequest {
    std::string method;
    std::string target;  // as sent: path and query
    std::string path;    // without the query
    std::string query;   // without the "?"
    HeaderList headers;
    std::string body;

    std::optional<std::string> header(std::string_view name) const;
};

struct ServerResponse {
    int status = 200;
    HeaderList headers;
    std::string body;
    double delaySeconds = 0;  // waits this long before answering (time-outs)

    static ServerResponse text(std::string body, int status = 200);
    static ServerResponse redirect(std::string location, int status = 302);
    ServerResponse& withHeader(std::string name, std::string value);
};

// A small HTTP/1.1 server on 127.0.0.1, run in the same process as the tests (or by the stand-in
// server): one request per connection, answered by the handler of its path. Every request is kept
// for the test to look at. Unknown paths answer 404.
class HttpServer {
public:
    using Handler = std::function<ServerResponse(const ServerRequest&)>;

    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on 127.0.0.1 at the port (0: any free one) and answers the port; 0 when it cannot listen.
    uint16_t start(uint16_t port = 0);
    // Closes the port and every open connection, and waits for the server's threads.
    void stop();

    uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by the path.
    std::string url(std::string_view path = "/") const;

    // Any method; the path is compared without the query. A later route for a path replaces the earlier.
    void route(std::string path, Handler handler);
    // A fixed answer.
    void route(std::string path, ServerResponse response);
    // Paths that start with the prefix, when no exact route matches.
    void routePrefix(std::string prefix, Handler handler);

    std::vector<ServerRequest> requests() const;
    size_t requestCount() const;
    // Waits (real time) until at least n requests have arrived.
    bool waitForRequests(size_t n, double timeoutSeconds);
    // Waits (real time) until at least n answers have been written out (whether or not the client
    // still listened).
    bool waitForAnswers(size_t n, double timeoutSeconds);
    void clearRequests();

private:
    void acceptLoop();
    void serve(int fd);
    ServerResponse answer(const ServerRequest& request);
    bool sleepUnlessStopping(double seconds);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, Handler> routes_;
    std::vector<std::pair<std::string, Handler>> prefixRoutes_;
    std::vector<ServerRequest> requests_;
    size_t answersSent_ = 0;
    std::set<int> openConnections_;
    struct Worker {
        std::thread thread;
        std::shared_ptr<bool> done;
    };
    std::list<Worker> workers_;
    bool stopping_ = false;
    int listenFd_ = -1;
    int wakePipe_[2] = {-1, -1};
    uint16_t port_ = 0;
    std::thread acceptThread_;
};

}  // namespace zuno::standin
