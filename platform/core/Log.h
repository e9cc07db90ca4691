#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

// Free-form log lines, one per call, to standard error. Tests can capture them instead.
class Log {
public:
    static void line(std::string_view text);
    // printf-style; the format is always a literal of ours, never text from outside.
    static void format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    // Lines for following the traffic in detail (one per message, ...): dropped unless debug lines
    // are switched on (setDebugEnabled, or ZUNO_DEBUG_LOG=1 in the environment).
    static void debug(std::string_view text);
    static void debugFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
    static void setDebugEnabled(bool on);
    static bool isDebugEnabled();

    // While capturing, lines go to a buffer instead of standard error.
    static void startCapture();
    static void stopCapture();
    static std::vector<std::string> captured();
    static void clearCaptured();
    // True when a captured line contains the text.
    static bool contains(std::string_view text);
};

}  // namespace zuno::sys
