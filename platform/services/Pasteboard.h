#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zuno::sys {

// The general pasteboard for copied texts. It keeps the text in memory until the window backend
// plugs in the system clipboard; every text set is also recorded for tests.
class Pasteboard {
public:
    // Where texts really go (the system clipboard).
    struct Backend {
        std::function<void(const std::string&)> setText;
        std::function<std::optional<std::string>()> getText;
    };

    static Pasteboard& general();

    void setString(std::string text);
    // The text on the pasteboard, or nothing.
    std::optional<std::string> string() const;

    // Texts set since the last reset, oldest first.
    std::vector<std::string> history() const;

    // An empty backend goes back to memory only.
    void setBackend(Backend backend);

    // Empty, in memory, no history.
    static void resetForTests();

private:
    Pasteboard() = default;

    mutable std::mutex mutex_;
    std::optional<std::string> text_;
    std::vector<std::string> history_;
    Backend backend_;
};

}  // namespace zuno::sys
