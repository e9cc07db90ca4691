#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zuno::sys {

// Hands addresses to other programs: web pages to the desktop's browser. Telephone addresses
// ("telprompt:", "tel:") and other programs' own schemes answer NO on a desktop. Every call is
// recorded with its answer, for tests.
class UrlOpener {
public:
    // Answers whether the address was handed on. Where the program it was handed to ends in failure
    // after all (no browser could be started), `notOpened` runs on the main thread.
    static bool openURL(const std::string& url, std::function<void()> notOpened = nullptr);
    // Whether openURL would hand the address on (without doing it).
    static bool canOpenURL(const std::string& url);

    struct Opened {
        std::string url;
        bool answer;
    };
    static std::vector<Opened> opened();
    static std::vector<std::string> openedUrls();

    // The decision and the act. The desktop's own (an empty opener and checker) gives http and https
    // addresses to "xdg-open" when the desktop has it, and answers NO for everything else.
    using Opener = std::function<bool(const std::string& url)>;
    using Checker = std::function<bool(const std::string& url)>;
    static void setOpener(Opener opener, Checker checker);

    // Tests: no program is started; http and https answer YES, everything else NO; nothing recorded.
    static void resetForTests();
};

}  // namespace zuno::sys
