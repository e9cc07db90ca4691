#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

// Free-form log lines, one per call, to standard error. Tests can capture them instead.
//
// A plain run prints warnings and errors only; the program's own lines (line, format) and the traffic
// lines (debug) are printed too when the run is verbose (setVerbose, or ZUNO_VERBOSE=1 in the
// environment). A capture takes every warning and every own line whatever the level.
class Log {
public:
    // The program's own lines: what it is doing, for whoever follows a run.
    static void line(std::string_view text);
    // printf-style; the format is always a literal of ours, never text from outside.
    static void format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    // Something went wrong or was refused: always printed.
    static void warning(std::string_view text);
    static void warningFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    // Lines for following the traffic in detail (one per message, ...): dropped, captured or not,
    // unless the run is verbose.
    static void debug(std::string_view text);
    static void debugFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    static void setVerbose(bool on);
    static bool isVerbose();

    // While capturing, lines go to a buffer instead of standard error.
    static void startCapture();
    static void stopCapture();
    static std::vector<std::string> captured();
    static void clearCaptured();
    // True when a captured line contains the text.
    static bool contains(std::string_view text);
};

}  // namespace zuno::sys
