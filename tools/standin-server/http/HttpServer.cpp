#include "standin-server/http/HttpServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "platform/core/Text.h"
#include "standin-server/LoopbackListener.h"

namespace zuno::standin {

namespace {
constexpr size_t kMaxHead = 64 * 1024;
constexpr size_t kMaxBody = 32 * 1024 * 1024;

const char* reason(int status) {
    switch (status) {
        case 100: return "Continue";
        case 200: return "OK";
        case 201: return "Created";
        case 204: return "No Content";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 303: return "See Other";
        case 307: return "Temporary Redirect";
        case 308: return "Permanent Redirect";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 413: return "Payload Too Large";
        case 500: return "Internal Server Error";
        case 501: return "Not Implemented";
        case 503: return "Service Unavailable";
        default: return "Status";
    }
}

bool sendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Reads more bytes into the buffer; false at the end of the stream or on an error.
bool readMore(int fd, std::string& buffer) {
    char chunk[16384];
    for (;;) {
        ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buffer.append(chunk, static_cast<size_t>(n));
        return true;
    }
}

std::string formatResponse(const ServerResponse& r) {
    std::string out = "HTTP/1.1 " + std::to_string(r.status) + " " + reason(r.status) + "\r\n";
    bool hasLength = false;
    for (const auto& [k, v] : r.headers) {
        if (sys::equalsIgnoringAsciiCase(k, "Content-Length")) hasLength = true;
        out += k + ": " + v + "\r\n";
    }
    if (!hasLength) out += "Content-Length: " + std::to_string(r.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += r.body;
    return out;
}
}  // namespace

std::optional<std::string> ServerRequest::header(std::string_view name) const {
    for (const auto& [k, v] : headers)
        if (sys::equalsIgnoringAsciiCase(k, name)) return v;
    return std::nullopt;
}

ServerResponse ServerResponse::text(std::string body, int status) {
    ServerResponse r;
    r.status = status;
    r.body = std::move(body);
    r.headers.emplace_back("Content-Type", "text/plain; charset=utf-8");
    return r;
}

ServerResponse ServerResponse::redirect(std::string location, int status) {
    ServerResponse r;
    r.status = status;
    r.headers.emplace_back("Location", std::move(location));
    return r;
}

ServerResponse& ServerResponse::withHeader(std::string name, std::string value) {
    headers.emplace_back(std::move(name), std::move(value));
    return *this;
}

HttpServer::HttpServer() = default;

HttpServer::~HttpServer() { stop(); }

uint16_t HttpServer::start(uint16_t port) {
    if (listenFd_ >= 0) return port_;
    LoopbackListener listener = listenOnLoopback(port, 64);
    if (listener.fd < 0) return 0;
    if (::pipe2(wakePipe_, O_CLOEXEC) != 0) {
        ::close(listener.fd);
        return 0;
    }
    listenFd_ = listener.fd;
    port_ = listener.port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = false;
    }
    acceptThread_ = std::thread([this] { acceptLoop(); });
    return port_;
}

void HttpServer::stop() {
    if (listenFd_ < 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        for (int fd : openConnections_) ::shutdown(fd, SHUT_RDWR);
    }
    changed_.notify_all();
    char byte = 1;
    [[maybe_unused]] ssize_t ignored = ::write(wakePipe_[1], &byte, 1);
    if (acceptThread_.joinable()) acceptThread_.join();
    std::list<Worker> workers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        workers.swap(workers_);
    }
    for (auto& w : workers) w.thread.join();
    ::close(listenFd_);
    ::close(wakePipe_[0]);
    ::close(wakePipe_[1]);
    listenFd_ = -1;
    wakePipe_[0] = wakePipe_[1] = -1;
}

std::string HttpServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void HttpServer::route(std::string path, Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[std::move(path)] = std::move(handler);
}

void HttpServer::route(std::string path, ServerResponse response) {
    route(std::move(path), [response](const ServerRequest&) { return response; });
}

void HttpServer::routePrefix(std::string prefix, Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    prefixRoutes_.emplace_back(std::move(prefix), std::move(handler));
}

std::vector<ServerRequest> HttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

size_t HttpServer::requestCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.size();
}

bool HttpServer::waitForRequests(size_t n, double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds),
                             [&] { return requests_.size() >= n; });
}

bool HttpServer::waitForAnswers(size_t n, double timeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds), [&] { return answersSent_ >= n; });
}

void HttpServer::clearRequests() {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.clear();
}

void HttpServer::acceptLoop() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            ::close(fd);
            return;
        }
        // Threads of connections already served are collected here.
        for (auto it = workers_.begin(); it != workers_.end();) {
            if (*it->done) {
                it->thread.join();
                it = workers_.erase(it);
            } else {
                ++it;
            }
        }
        openConnections_.insert(fd);
        auto done = std::make_shared<bool>(false);
        workers_.push_back(Worker{std::thread([this, fd, done] {
                                      serve(fd);
                                      std::lock_guard<std::mutex> l(mutex_);
                                      openConnections_.erase(fd);
                                      ::close(fd);
                                      *done = true;
                                  }),
                                  done});
    }
}

bool HttpServer::sleepUnlessStopping(double seconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return !changed_.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return stopping_; });
}

void HttpServer::serve(int fd) {
    std::string buffer;
    size_t headEnd;
    while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos) {
        if (buffer.size() > kMaxHead || !readMore(fd, buffer)) return;
    }
    ServerRequest request;
    std::string_view head(buffer.data(), headEnd);
    size_t lineEnd = head.find("\r\n");
    std::string_view requestLine = head.substr(0, lineEnd);
    size_t sp1 = requestLine.find(' ');
    size_t sp2 = requestLine.find(' ', sp1 == std::string_view::npos ? 0 : sp1 + 1);
    if (sp1 == std::string_view::npos || sp2 == std::string_view::npos) {
        sendAll(fd, formatResponse(ServerResponse::text("bad request line", 400)));
        return;
    }
    request.method = std::string(requestLine.substr(0, sp1));
    request.target = std::string(requestLine.substr(sp1 + 1, sp2 - sp1 - 1));
    size_t q = request.target.find('?');
    request.path = request.target.substr(0, q);
    if (q != std::string::npos) request.query = request.target.substr(q + 1);
    size_t pos = lineEnd == std::string_view::npos ? head.size() : lineEnd + 2;
    while (pos < head.size()) {
        size_t end = head.find("\r\n", pos);
        if (end == std::string_view::npos) end = head.size();
        std::string_view line = head.substr(pos, end - pos);
        size_t colon = line.find(':');
        if (colon != std::string_view::npos)
            request.headers.emplace_back(std::string(sys::trimWhitespace(line.substr(0, colon))), std::string(sys::trimWhitespace(line.substr(colon + 1))));
        pos = end + 2;
    }

    std::string rest = buffer.substr(headEnd + 4);
    if (auto te = request.header("Transfer-Encoding"); te && !sys::equalsIgnoringAsciiCase(*te, "identity")) {
        sendAll(fd, formatResponse(ServerResponse::text("chunked bodies are not taken", 501)));
        return;
    }
    size_t length = 0;
    if (auto cl = request.header("Content-Length")) length = std::strtoull(cl->c_str(), nullptr, 10);
    if (length > kMaxBody) {
        sendAll(fd, formatResponse(ServerResponse::text("too large", 413)));
        return;
    }
    if (auto expect = request.header("Expect"); expect && sys::equalsIgnoringAsciiCase(*expect, "100-continue") && rest.size() < length)
        sendAll(fd, "HTTP/1.1 100 Continue\r\n\r\n");
    while (rest.size() < length)
        if (!readMore(fd, rest)) return;
    rest.resize(length);
    request.body = std::move(rest);

    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    }
    changed_.notify_all();

    ServerResponse response = answer(request);
    if (response.delaySeconds > 0 && !sleepUnlessStopping(response.delaySeconds)) return;
    if (request.method == "HEAD") response.body.clear();
    sendAll(fd, formatResponse(response));
    ::shutdown(fd, SHUT_WR);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++answersSent_;
    }
    changed_.notify_all();
}

ServerResponse HttpServer::answer(const ServerRequest& request) {
    Handler handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (auto it = routes_.find(request.path); it != routes_.end()) {
            handler = it->second;
        } else {
            for (const auto& [prefix, h] : prefixRoutes_)
                if (request.path.compare(0, prefix.size(), prefix) == 0) handler = h;
        }
    }
    if (!handler) return ServerResponse::text("not found", 404);
    return handler(request);
}

}  // namespace zuno::standin
