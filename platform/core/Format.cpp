#include "platform/core/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <vector>

namespace zuno::sys {

namespace {

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    char conversion = 0;
};

int64_t toInteger(const FormatArg::Holder& h) {
    if (auto i = std::get_if<int64_t>(&h)) return *i;
    if (auto u = std::get_if<uint64_t>(&h)) return static_cast<int64_t>(*u);
    if (auto d = std::get_if<double>(&h)) {
        if (std::isnan(*d)) return 0;
        if (*d >= 9.2233720368547758e18) return INT64_MAX;
        if (*d <= -9.2233720368547758e18) return INT64_MIN;
        return static_cast<int64_t>(*d);
    }
    if (auto s = std::get_if<std::string>(&h)) return std::strtoll(s->c_str(), nullptr, 10);
    return 0;
}

uint64_t toUnsigned(const FormatArg::Holder& h) {
    if (auto u = std::get_if<uint64_t>(&h)) return *u;
    if (auto s = std::get_if<std::string>(&h)) return std::strtoull(s->c_str(), nullptr, 10);
    return static_cast<uint64_t>(toInteger(h));
}

double toReal(const FormatArg::Holder& h) {
    if (auto d = std::get_if<double>(&h)) return *d;
    if (auto i = std::get_if<int64_t>(&h)) return static_cast<double>(*i);
    if (auto u = std::get_if<uint64_t>(&h)) return static_cast<double>(*u);
    if (auto s = std::get_if<std::string>(&h)) return std::strtod(s->c_str(), nullptr);
    return 0.0;
}

std::string toText(const FormatArg::Holder& h) {
    if (auto s = std::get_if<std::string>(&h)) return *s;
    if (auto i = std::get_if<int64_t>(&h)) return std::to_string(*i);
    if (auto u = std::get_if<uint64_t>(&h)) return std::to_string(*u);
    if (auto d = std::get_if<double>(&h)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", *d);
        return buf;
    }
    return "(null)";
}

// The C library only ever sees a directive built here from checked pieces.
std::string cDirective(const Directive& directive, const char* length, char conversion) {
    // Appended piece by piece: "." + text trips a false -Wrestrict of gcc 12 at -O3.
    std::string s = "%";
    s += directive.flags;
    if (directive.width >= 0) s += std::to_string(directive.width);
    if (directive.precision >= 0) {
        s += '.';
        s += std::to_string(directive.precision);
    }
    s += length;
    s += conversion;
    return s;
}

template <typename T>
std::string cFormat(const std::string& directive, T value) {
    int n = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), directive.c_str(), value);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string padded(std::string text, const Directive& directive) {
    if (directive.width > 0 && static_cast<int>(text.size()) < directive.width) {
        std::string pad(static_cast<size_t>(directive.width) - text.size(), ' ');
        bool left = directive.flags.find('-') != std::string::npos;
        text = left ? text + pad : pad + text;
    }
    return text;
}

constexpr int kMaxWidth = 4096;  // a width or precision from outside cannot blow memory up

std::string convert(const Directive& directive, const FormatArg::Holder& arg) {
    switch (directive.conversion) {
        case '@':
        case 's': {
            std::string t = toText(arg);
            if (directive.precision >= 0 && static_cast<size_t>(directive.precision) < t.size()) t.resize(static_cast<size_t>(directive.precision));
            return padded(std::move(t), directive);
        }
        case 'd':
        case 'i': return cFormat(cDirective(directive, "ll", 'd'), static_cast<long long>(toInteger(arg)));
        case 'u':
        case 'x':
        case 'X':
        case 'o': return cFormat(cDirective(directive, "ll", directive.conversion), static_cast<unsigned long long>(toUnsigned(arg)));
        case 'c': {
            int64_t c = toInteger(arg);
            std::string t(1, static_cast<char>(c));
            if (c == 0) t.clear();
            return padded(std::move(t), directive);
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A': return cFormat(cDirective(directive, "", directive.conversion), toReal(arg));
        default: return {};
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int readNumber(std::string_view fmt, size_t& i) {
    int n = 0;
    while (i < fmt.size() && isDigit(fmt[i])) {
        if (n < kMaxWidth) n = n * 10 + (fmt[i] - '0');
        ++i;
    }
    return n > kMaxWidth ? kMaxWidth : n;
}

}  // namespace

std::string format(std::string_view fmt, std::initializer_list<FormatArg> args) {
    return formatList(fmt, std::vector<FormatArg>(args));
}

std::string formatList(std::string_view fmt, const std::vector<FormatArg>& args) {
    std::vector<const FormatArg::Holder*> list;
    for (const auto& a : args) list.push_back(&a.holder());
    size_t next = 0;
    auto take = [&](int position) -> const FormatArg::Holder* {
        size_t index = position > 0 ? static_cast<size_t>(position - 1) : next++;
        return index < list.size() ? list[index] : nullptr;
    };

    std::string out;
    size_t i = 0;
    while (i < fmt.size()) {
        char c = fmt[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        size_t start = i++;
        if (i >= fmt.size()) {  // a lone "%" at the end
            out.push_back('%');
            break;
        }
        if (fmt[i] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        Directive directive;
        int position = 0;
        // "%2$@": a numbered argument.
        size_t save = i;
        if (isDigit(fmt[i])) {
            int n = readNumber(fmt, i);
            if (i < fmt.size() && fmt[i] == '$' && n > 0) {
                position = n;
                ++i;
            } else {
                i = save;
            }
        }
        while (i < fmt.size() && (fmt[i] == '-' || fmt[i] == '+' || fmt[i] == ' ' || fmt[i] == '0' || fmt[i] == '#')) {
            if (directive.flags.find(fmt[i]) == std::string::npos) directive.flags.push_back(fmt[i]);
            ++i;
        }
        if (i < fmt.size() && fmt[i] == '*') {
            ++i;
            const auto* w = take(0);
            int64_t width = w ? toInteger(*w) : 0;
            if (width < 0) {
                if (directive.flags.find('-') == std::string::npos) directive.flags.push_back('-');
                width = -width;
            }
            directive.width = static_cast<int>(width > kMaxWidth ? kMaxWidth : width);
        } else if (i < fmt.size() && isDigit(fmt[i])) {
            directive.width = readNumber(fmt, i);
        }
        if (i < fmt.size() && fmt[i] == '.') {
            ++i;
            if (i < fmt.size() && fmt[i] == '*') {
                ++i;
                const auto* p = take(0);
                int64_t precision = p ? toInteger(*p) : -1;
                directive.precision = precision < 0 ? -1 : static_cast<int>(precision > kMaxWidth ? kMaxWidth : precision);
            } else {
                directive.precision = readNumber(fmt, i);
            }
        }
        // Length modifiers carry no meaning here: every argument knows its own width.
        while (i < fmt.size() && (fmt[i] == 'h' || fmt[i] == 'l' || fmt[i] == 'q' || fmt[i] == 'L' ||
                                  fmt[i] == 'z' || fmt[i] == 'j' || fmt[i] == 't'))
            ++i;
        if (i >= fmt.size()) {
            out.append(fmt.substr(start));
            break;
        }
        directive.conversion = fmt[i++];
        static constexpr std::string_view known = "@sdiuxXocfFeEgGaA";
        if (known.find(directive.conversion) == std::string_view::npos) {
            out.append(fmt.substr(start, i - start));
            continue;
        }
        if (const auto* arg = take(position)) out += convert(directive, *arg);
    }
    return out;
}

namespace {
std::mutex& separatorMutex() {
    static std::mutex m;
    return m;
}
std::string& separatorSlot() {
    static std::string s = ",";
    return s;
}
}  // namespace

void setNumberGroupingSeparator(std::string separator) {
    std::lock_guard<std::mutex> lock(separatorMutex());
    separatorSlot() = std::move(separator);
}

std::string numberGroupingSeparator() {
    std::lock_guard<std::mutex> lock(separatorMutex());
    return separatorSlot();
}

std::string formatNumber(int64_t value) {
    // The magnitude as unsigned, so that INT64_MIN has one too.
    uint64_t magnitude = value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string separator = numberGroupingSeparator();
    std::string out;
    if (value < 0) out.push_back('-');
    size_t lead = digits.size() % 3;
    if (lead == 0) lead = 3;
    out.append(digits, 0, lead);
    for (size_t i = lead; i < digits.size(); i += 3) {
        out += separator;
        out.append(digits, i, 3);
    }
    return out;
}

namespace {
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string twoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}
}  // namespace

std::string formatDate(std::string_view pattern, double secondsSince1970, TimeZoneChoice zone) {
    if (!std::isfinite(secondsSince1970)) secondsSince1970 = 0;
    double whole = std::floor(secondsSince1970);
    int millis = static_cast<int>((secondsSince1970 - whole) * 1000.0);
    std::time_t t = static_cast<std::time_t>(whole);
    std::tm tm{};
    if (zone == TimeZoneChoice::Utc) {
        gmtime_r(&t, &tm);
    } else {
        localtime_r(&t, &tm);
    }

    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c == '\'') {
            size_t j = i + 1;
            if (j < pattern.size() && pattern[j] == '\'') {
                out.push_back('\'');
                i = j + 1;
                continue;
            }
            while (j < pattern.size()) {
                if (pattern[j] == '\'') {
                    if (j + 1 < pattern.size() && pattern[j + 1] == '\'') {
                        out.push_back('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                out.push_back(pattern[j++]);
            }
            i = j + 1;
            continue;
        }
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            out.push_back(c);
            ++i;
            continue;
        }
        size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c) ++n;
        i += n;
        int hour12 = tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12;
        switch (c) {
            case 'y': {
                int year = tm.tm_year + 1900;
                out += n == 2 ? twoDigits(year % 100) : std::to_string(year);
                break;
            }
            case 'M':
                if (n >= 4) {
                    out += kMonths[tm.tm_mon];
                } else if (n == 3) {
                    out += std::string(kMonths[tm.tm_mon]).substr(0, 3);
                } else {
                    out += n == 2 ? twoDigits(tm.tm_mon + 1) : std::to_string(tm.tm_mon + 1);
                }
                break;
            case 'd': out += n >= 2 ? twoDigits(tm.tm_mday) : std::to_string(tm.tm_mday); break;
            case 'E':
                out += n >= 4 ? std::string(kWeekdays[tm.tm_wday]) : std::string(kWeekdays[tm.tm_wday]).substr(0, 3);
                break;
            case 'H': out += n >= 2 ? twoDigits(tm.tm_hour) : std::to_string(tm.tm_hour); break;
            case 'h': out += n >= 2 ? twoDigits(hour12) : std::to_string(hour12); break;
            case 'm': out += n >= 2 ? twoDigits(tm.tm_min) : std::to_string(tm.tm_min); break;
            case 's': out += n >= 2 ? twoDigits(tm.tm_sec) : std::to_string(tm.tm_sec); break;
            case 'S': {
                char buf[16];
                std::snprintf(buf, sizeof buf, "%03d", millis);
                out += std::string(buf).substr(0, n < 3 ? n : 3);
                break;
            }
            case 'a': out += tm.tm_hour < 12 ? "AM" : "PM"; break;
            default: out.append(n, c);  // a letter we do not know stands as it is
        }
    }
    return out;
}

std::string formatShortDateTime(double secondsSince1970, TimeZoneChoice zone) {
    return formatDate("M/d/yy h:mm a", secondsSince1970, zone);
}

}  // namespace zuno::sys
