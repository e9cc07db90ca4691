#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zuno::sys {

// One argument of format(): nothing (nil), an integer, a real or a text.
class FormatArg {
public:
    using Holder = std::variant<std::monostate, int64_t, uint64_t, double, std::string>;

    FormatArg() = default;
    FormatArg(std::nullptr_t) {}
    FormatArg(bool b) : v_(int64_t{b ? 1 : 0}) {}
    FormatArg(char c) : v_(int64_t{c}) {}
    FormatArg(signed char i) : v_(int64_t{i}) {}
    FormatArg(unsigned char i) : v_(int64_t{i}) {}
    FormatArg(short i) : v_(int64_t{i}) {}
    FormatArg(unsigned short i) : v_(int64_t{i}) {}
    FormatArg(int i) : v_(int64_t{i}) {}
    FormatArg(unsigned i) : v_(int64_t{i}) {}
    FormatArg(long i) : v_(int64_t{i}) {}
    FormatArg(long long i) : v_(int64_t{i}) {}
    FormatArg(unsigned long i) : v_(uint64_t{i}) {}
    FormatArg(unsigned long long i) : v_(uint64_t{i}) {}
    FormatArg(float d) : v_(double{d}) {}
    FormatArg(double d) : v_(d) {}
    FormatArg(const char* s) { if (s) v_ = std::string(s); }
    FormatArg(std::string s) : v_(std::move(s)) {}
    FormatArg(std::string_view s) : v_(std::string(s)) {}
    FormatArg(const std::optional<std::string>& s) { if (s) v_ = *s; }

    const Holder& holder() const { return v_; }

private:
    Holder v_;
};

// printf-style formatting that is safe whatever the format says, so a format may come from a file or
// from the network (a localised text, a configured address). The format is read here, never handed to
// the C library, and each conversion takes the next argument (or the numbered one, "%2$@"), converting
// it as needed:
//   %@ and %s  the argument as text (a number as decimal text, nothing as "(null)")
//   %d %i %u %ld %lld %qi %x %X %o %c  integers (a text holding a number converts)
//   %f %.2f %e %g  reals
//   %%  a percent sign
// Flags, width and precision work as in printf. A conversion without an argument left gives nothing;
// an unknown conversion (and a lone "%" at the end) is copied as it stands.
std::string format(std::string_view fmt, std::initializer_list<FormatArg> args);

// The same with the arguments in a list.
std::string formatList(std::string_view fmt, const std::vector<FormatArg>& args);

template <typename... Args>
std::string format(std::string_view fmt, const Args&... args) {
    return format(fmt, {FormatArg(args)...});
}

// The number with its digits grouped in threes ("-1,234,567"), as money is shown everywhere.
std::string formatNumber(int64_t value);
// The grouping separator of the current locale; "," unless the program chose another.
void setNumberGroupingSeparator(std::string separator);
std::string numberGroupingSeparator();

// Dates, from seconds since 1970, in the local time zone or in UTC. Pattern letters:
//   yyyy yy  year; MMMM MMM MM M  month (name, short name, number); dd d  day; EEEE EEE  weekday;
//   HH H  hour 0-23; hh h  hour 1-12; mm m  minute; ss s  second; SSS milliseconds; a  AM/PM;
//   'text'  literal text ('' is a quote). Other characters stand as they are.
enum class TimeZoneChoice { Local, Utc };
std::string formatDate(std::string_view pattern, double secondsSince1970, TimeZoneChoice zone = TimeZoneChoice::Local);
// The short date and time style: "5/3/11 9:05 AM".
std::string formatShortDateTime(double secondsSince1970, TimeZoneChoice zone = TimeZoneChoice::Local);

}  // namespace zuno::sys
