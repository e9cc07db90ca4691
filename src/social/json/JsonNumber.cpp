#include "social/json/JsonNumber.h"

#include <charconv>
#include <cstdint>

namespace zuno::json {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The power of ten of the number's first significant digit, saturated far outside a double's range.
// Only asked about numbers that are not zero.
int64_t leadingPowerOfTen(std::string_view text) {
    size_t i = text[0] == '-' ? 1 : 0;
    int64_t integerDigits = 0;
    bool significant = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (text[i] != '0') significant = true;
        if (significant) ++integerDigits;
    }
    int64_t power = integerDigits - 1;
    if (i < text.size() && text[i] == '.') {
        ++i;
        int64_t zeros = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            if (!significant && text[i] == '0') ++zeros;
            else if (!significant) significant = true;
        }
        if (integerDigits == 0) power = -(zeros + 1);
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
        int64_t exponent = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            if (exponent < 1'000'000) exponent = exponent * 10 + (text[i] - '0');
        power += negative ? -exponent : exponent;
    }
    return power;
}

}  // namespace

std::optional<sys::Value> numberValue(std::string_view text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (text.find_first_of(".eE") == std::string_view::npos) {
        int64_t integer = 0;
        auto result = std::from_chars(begin, end, integer);
        if (result.ec == std::errc() && result.ptr == end) return sys::Value(integer);
    }
    double real = 0;
    auto result = std::from_chars(begin, end, real);
    if (result.ec == std::errc() && result.ptr == end) return sys::Value(real);
    if (result.ec == std::errc::result_out_of_range && leadingPowerOfTen(text) < 0)
        return sys::Value(text[0] == '-' ? -0.0 : 0.0);
    return std::nullopt;
}

}  // namespace zuno::json
