#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "JsonTestSupport.h"
#include "social/json/JsonParser.h"
#include "platform/core/Utf8.h"
#include "social/json/JsonWriter.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Dictionary;
using zuno::sys::Value;
using zuno::testing::traceText;

namespace {

// Random values of every kind JSON can hold. Reals are kept away from whole numbers, which read
// back as integers.
class RandomValues {
public:
    explicit RandomValues(uint32_t seed) : random_(seed) {}

    Value value(int depth) {
        switch (pick(depth > 0 ? 8 : 6)) {
            case 0: return Value();
            case 1: return Value(pick(2) == 0);
            case 2: return Value(integer());
            case 3: return Value(real());
            case 4:
            case 5: return Value(text());
            case 6: {
                Array array;
                for (int i = pick(6); i > 0; --i) array.push_back(value(depth - 1));
                return Value(std::move(array));
            }
            default: {
                Dictionary dictionary;
                for (int i = pick(6); i > 0; --i) dictionary.set(text(), value(depth - 1));
                return Value(std::move(dictionary));
            }
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    int64_t integer() {
        switch (pick(3)) {
            case 0: return pick(2000) - 1000;
            case 1: return static_cast<int64_t>((static_cast<uint64_t>(random_()) << 32) | random_());
            default: return pick(2) ? INT64_MAX : INT64_MIN;
        }
    }

    double real() {
        for (;;) {
            double mantissa = std::uniform_real_distribution<double>(-1, 1)(random_);
            double r = std::ldexp(mantissa, pick(2000) - 1000);
            if (std::isfinite(r) && r != std::trunc(r)) return r;
        }
    }

    // Any code point but the surrogates, with control characters, quotes and backslashes well represented.
    std::string text() {
        static const char32_t kSpecial[] = {0, 1, '\b', '\t', '\n', '\f', '\r', 0x1f, '"', '\\', '/', 0x7f};
        std::string out;
        for (int i = pick(12); i > 0; --i) {
            char32_t cp;
            switch (pick(5)) {
                case 0: cp = kSpecial[pick(sizeof kSpecial / sizeof kSpecial[0])]; break;
                case 1: cp = 0x80 + static_cast<char32_t>(pick(0xD800 - 0x80)); break;
                case 2: cp = 0xE000 + static_cast<char32_t>(pick(0x110000 - 0xE000)); break;
                default: cp = 0x20 + static_cast<char32_t>(pick(0x5f)); break;
            }
            sys::appendUtf8(out, cp);
        }
        return out;
    }

    std::mt19937 random_;
};

}  // namespace

TEST(JsonRoundTrip, RandomValuesReadBackEqualInEveryLayout) {
    RandomValues random(20240611);
    JsonParser parser;
    for (int round = 0; round < 400; ++round) {
        Value original = random.value(5);
        for (int layout = 0; layout < 4; ++layout) {
            JsonWriter writer;
            writer.setSortKeys(layout & 1);
            writer.setHumanReadable(layout & 2);
            auto text = writer.stringWithFragment(original);
            ASSERT_TRUE(text) << traceText(writer);
            auto back = parser.fragmentWithString(*text);
            ASSERT_TRUE(back) << traceText(parser) << " in " << *text;
            ASSERT_TRUE(*back == original) << *text;
        }
    }
}

TEST(JsonRoundTrip, EveryCharacterSurvivesAndWholeRealsComeBackAsIntegers) {
    // Every code point of the first plane but the surrogates, and the edges of the others, in one string.
    std::string all;
    for (char32_t cp = 0; cp < 0x10000; ++cp)
        if (cp < 0xD800 || cp > 0xDFFF) sys::appendUtf8(all, cp);
    for (char32_t cp : {0x10000, 0x1F0A1, 0xFFFFF, 0x10FFFF}) sys::appendUtf8(all, cp);
    JsonWriter writer;
    JsonParser parser;
    EXPECT_EQ(parser.fragmentWithString(*writer.stringWithFragment(Value(all))), Value(all));
    EXPECT_EQ(parser.fragmentWithString(*writer.stringWithFragment(Value(Array{3.0, -0.0, 1e300}))),
              Value(Array{3, 0, 1e300}));
}
