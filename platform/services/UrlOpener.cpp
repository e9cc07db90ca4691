#include "platform/services/UrlOpener.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/UrlEncoding.h"

extern char** environ;

namespace zuno::sys {

namespace {
std::string findInPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::string list = path;
    size_t start = 0;
    while (start <= list.size()) {
        size_t colon = list.find(':', start);
        if (colon == std::string::npos) colon = list.size();
        std::string candidate = list.substr(start, colon - start) + "/" + program;
        struct stat st {};
        if (colon > start && ::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = colon + 1;
    }
    return {};
}

bool desktopCanOpen(const std::string& url) { return isWebUrl(url) && !findInPath("xdg-open").empty(); }

bool desktopOpen(const std::string& url, std::function<void()> notOpened) {
    if (!isWebUrl(url)) return false;
    std::string program = findInPath("xdg-open");
    if (program.empty()) return false;
    // The address is one argument of its own: no shell ever reads it.
    std::string arg = url;
    char* argv[] = {program.data(), arg.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        Log::warning("Cannot start " + program);
        return false;
    }
    std::thread([pid, program, notOpened = std::move(notOpened)]() mutable {
        int status = 0;
        if (::waitpid(pid, &status, 0) != pid || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) return;
        Log::warning(program + " could not open the address");
        if (notOpened) RunLoop::main().post(std::move(notOpened));
    }).detach();
    return true;
}

struct State {
    std::mutex mutex;
    UrlOpener::Opener opener;  // none: the desktop's own
    UrlOpener::Checker checker;
    std::vector<UrlOpener::Opened> opened;
};

State& state() {
    static State* s = new State();
    return *s;
}
}  // namespace

bool UrlOpener::openURL(const std::string& url, std::function<void()> notOpened) {
    UrlOpener::Opener opener;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        opener = state().opener;
    }
    const bool answer = opener ? opener(url) : desktopOpen(url, std::move(notOpened));
    std::lock_guard<std::mutex> lock(state().mutex);
    state().opened.push_back(Opened{url, answer});
    return answer;
}

bool UrlOpener::canOpenURL(const std::string& url) {
    UrlOpener::Checker checker;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        checker = state().checker;
    }
    return checker ? checker(url) : desktopCanOpen(url);
}

std::vector<UrlOpener::Opened> UrlOpener::opened() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().opened;
}

std::vector<std::string> UrlOpener::openedUrls() {
    std::vector<std::string> out;
    for (const auto& o : opened()) out.push_back(o.url);
    return out;
}

void UrlOpener::setOpener(Opener opener, Checker checker) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().opener = std::move(opener);
    state().checker = std::move(checker);
}

void UrlOpener::resetForTests() {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().opener = [](const std::string& url) { return isWebUrl(url); };
    state().checker = [](const std::string& url) { return isWebUrl(url); };
    state().opened.clear();
}

}  // namespace zuno::sys
