#include "platform/core/Log.h"

#include <atomic>
#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <mutex>

namespace zuno::sys {

namespace {
struct LogState {
    std::mutex mutex;
    bool capturing = false;
    std::vector<std::string> lines;
};

LogState& state() {
    static LogState s;
    return s;
}

std::atomic<bool>& verboseSwitch() {
    static std::atomic<bool> on{[] {
        for (const char* name : {"ZUNO_VERBOSE", "ZUNO_DEBUG_LOG"}) {
            const char* env = std::getenv(name);
            if (env && std::string_view(env) == "1") return true;
        }
        return false;
    }()};
    return on;
}

bool verbose() { return verboseSwitch().load(std::memory_order_relaxed); }

void write(std::string_view text, bool shown) {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.capturing) {
        s.lines.emplace_back(text);
        return;
    }
    if (!shown) return;
    std::string out(text);
    out.push_back('\n');
    std::fwrite(out.data(), 1, out.size(), stderr);
}

std::string formatted(const char* fmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        text.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), fmt, args);
        text.resize(static_cast<size_t>(n));
    }
    return text;
}
}  // namespace

void Log::line(std::string_view text) { write(text, verbose()); }

void Log::format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = formatted(fmt, args);
    va_end(args);
    write(text, verbose());
}

void Log::warning(std::string_view text) { write(text, true); }

void Log::warningFormat(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = formatted(fmt, args);
    va_end(args);
    write(text, true);
}

void Log::debug(std::string_view text) {
    if (verbose()) write(text, true);
}

void Log::debugFormat(const char* fmt, ...) {
    if (!verbose()) return;
    va_list args;
    va_start(args, fmt);
    std::string text = formatted(fmt, args);
    va_end(args);
    write(text, true);
}

void Log::setVerbose(bool on) { verboseSwitch().store(on); }

bool Log::isVerbose() { return verbose(); }

void Log::startCapture() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.capturing = true;
    s.lines.clear();
}

void Log::stopCapture() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.capturing = false;
}

std::vector<std::string> Log::captured() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.lines;
}

void Log::clearCaptured() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.lines.clear();
}

bool Log::contains(std::string_view text) {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (const auto& l : s.lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace zuno::sys
