#include "screens/PageFetch.h"

#include <mutex>

#include "platform/net/Http.h"

namespace zuno {

namespace {
constexpr double kPageTimeout = 15;

std::mutex fetcherMutex;
PageFetcher& installed() {
    static PageFetcher fetcher;
    return fetcher;
}
}  // namespace

sys::HttpFetchResult fetchPage(const std::string& url) {
    PageFetcher fetcher;
    {
        std::lock_guard<std::mutex> lock(fetcherMutex);
        fetcher = installed();
    }
    if (fetcher) return fetcher(url);
    return sys::Http::get(url, kPageTimeout);
}

void setPageFetcher(PageFetcher fetcher) {
    std::lock_guard<std::mutex> lock(fetcherMutex);
    installed() = std::move(fetcher);
}

}  // namespace zuno
