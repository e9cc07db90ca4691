// Throughput of the JSON reader and writer on a document of about 1 MB of nested objects and arrays,
// shaped like a social network's answers: lists of people with profiles, posts and comments.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "social/json/JsonParser.h"
#include "social/json/JsonWriter.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Dictionary;
using zuno::sys::Value;

namespace {

std::string word(std::mt19937& random) {
    static const char* kWords[] = {"chơi", "bài", "tiến", "lên", "game", "friend", "hello", "Hà Nội",
                                   "\"quoted\"", "line\nbreak", "path/to", "♠♥♦♣", "ok"};
    return kWords[random() % (sizeof kWords / sizeof kWords[0])];
}

Value comment(std::mt19937& random, int id) {
    return Value(Dictionary{
        {"id", std::to_string(id) + "_" + std::to_string(random() % 100000)},
        {"from", Dictionary{{"id", static_cast<long long>(100000000000 + random() % 1000000)}, {"name", word(random)}}},
        {"message", word(random) + " " + word(random) + " " + word(random)},
        {"likes", static_cast<int>(random() % 500)},
        {"score", (random() % 100000) / 1000.0 + 0.5},
    });
}

Value person(std::mt19937& random, int id) {
    Array posts;
    for (int p = 0; p < 3; ++p) {
        Array comments;
        for (int c = 0; c < 3; ++c) comments.push_back(comment(random, id * 100 + p * 10 + c));
        posts.push_back(Dictionary{
            {"id", id * 10 + p},
            {"story", word(random) + " " + word(random)},
            {"comments", Dictionary{{"data", std::move(comments)}, {"count", 3}}},
            {"visible", random() % 2 == 0},
            {"place", Value()},
        });
    }
    return Value(Dictionary{
        {"id", static_cast<long long>(100000000000 + id)},
        {"name", word(random) + " " + word(random)},
        {"verified", random() % 2 == 0},
        {"location", Dictionary{{"latitude", 21.0285 + (random() % 1000) / 1e5}, {"longitude", 105.8542}}},
        {"posts", std::move(posts)},
    });
}

// Grows the document until its compact text reaches 1 MB.
const Value& document() {
    static const Value doc = [] {
        std::mt19937 random(7);
        Array data;
        JsonWriter writer;
        for (int id = 0;; ++id) {
            data.push_back(person(random, id));
            if (id % 50 == 49 && writer.stringWithObject(Value(Dictionary{{"data", data}}))->size() >= 1 << 20) break;
        }
        return Value(Dictionary{{"data", std::move(data)}, {"paging", Dictionary{{"next", "https://example/next"}}}});
    }();
    return doc;
}

const std::string& documentText() {
    static const std::string text = *JsonWriter().stringWithObject(document());
    return text;
}

void reportThroughput(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB"] = benchmark::Counter(static_cast<double>(state.iterations() * bytes) / 1e6,
                                                benchmark::Counter::kIsRate);
    state.counters["doc_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_JsonParse(benchmark::State& state) {
    const std::string& text = documentText();
    JsonParser parser;
    for (auto _ : state) {
        auto value = parser.objectWithString(text);
        if (!value) state.SkipWithError("the sample did not read");
        benchmark::DoNotOptimize(value);
    }
    reportThroughput(state, text.size());
}
BENCHMARK(BM_JsonParse)->Unit(benchmark::kMillisecond);

void BM_JsonWrite(benchmark::State& state) {
    const Value& doc = document();
    JsonWriter writer;
    writer.setSortKeys(state.range(0) & 1);
    writer.setHumanReadable(state.range(0) & 2);
    size_t bytes = 0;
    for (auto _ : state) {
        auto text = writer.stringWithObject(doc);
        if (!text) state.SkipWithError("the sample did not write");
        bytes = text ? text->size() : 0;
        benchmark::DoNotOptimize(text);
    }
    reportThroughput(state, bytes);
}
// 0 compact, 1 sorted keys, 2 human-readable, 3 both.
BENCHMARK(BM_JsonWrite)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
