#pragma once

#include <functional>
#include <string>

#include "platform/net/HttpTypes.h"

namespace zuno {

// How the screens fetch a configured page (the server list, the guide, the terms) synchronously:
// an HTTP GET unless replaced. Tests put the in-process stand-in's pages behind it.
using PageFetcher = std::function<sys::HttpFetchResult(const std::string& url)>;

sys::HttpFetchResult fetchPage(const std::string& url);
// Nothing puts the HTTP GET back.
void setPageFetcher(PageFetcher fetcher);

}  // namespace zuno
