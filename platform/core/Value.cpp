#include "platform/core/Value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace zuno::sys {

namespace {
constexpr size_t kIndexThreshold = 16;
}

struct Dictionary::Index {
    std::unordered_map<std::string, size_t> positions;
};

Dictionary::Dictionary() = default;
Dictionary::Dictionary(std::initializer_list<Entry> entries) {
    for (const auto& e : entries) set(e.first, e.second);
}
Dictionary::Dictionary(const Dictionary& other) : entries_(other.entries_) {}
Dictionary::Dictionary(Dictionary&& other) noexcept
    : entries_(std::move(other.entries_)), index_(std::move(other.index_)) {}
Dictionary& Dictionary::operator=(const Dictionary& other) {
    if (this != &other) {
        entries_ = other.entries_;
        index_.reset();
    }
    return *this;
}
Dictionary& Dictionary::operator=(Dictionary&& other) noexcept {
    entries_ = std::move(other.entries_);
    index_ = std::move(other.index_);
    return *this;
}
Dictionary::~Dictionary() = default;

void Dictionary::rebuildIndex() const {
    index_ = std::make_unique<Index>();
    index_->positions.reserve(entries_.size() * 2);
    for (size_t i = 0; i < entries_.size(); ++i) index_->positions.emplace(entries_[i].first, i);
}

size_t Dictionary::indexOf(std::string_view key) const {
    if (entries_.size() < kIndexThreshold) {
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].first == key) return i;
        return npos();
    }
    if (!index_) rebuildIndex();
    auto it = index_->positions.find(std::string(key));
    return it == index_->positions.end() ? npos() : it->second;
}

const Value* Dictionary::find(std::string_view key) const {
    size_t i = indexOf(key);
    return i == npos() ? nullptr : &entries_[i].second;
}

Value* Dictionary::find(std::string_view key) {
    size_t i = indexOf(key);
    return i == npos() ? nullptr : &entries_[i].second;
}

void Dictionary::set(std::string key, Value value) {
    size_t i = indexOf(key);
    if (i != npos()) {
        entries_[i].second = std::move(value);
        return;
    }
    if (index_) index_->positions.emplace(key, entries_.size());
    entries_.emplace_back(std::move(key), std::move(value));
}

bool Dictionary::erase(std::string_view key) {
    size_t i = indexOf(key);
    if (i == npos()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    index_.reset();
    return true;
}

void Dictionary::clear() {
    entries_.clear();
    index_.reset();
}

Value& Dictionary::operator[](std::string_view key) {
    size_t i = indexOf(key);
    if (i != npos()) return entries_[i].second;
    set(std::string(key), Value());
    return entries_.back().second;
}

bool Dictionary::operator==(const Dictionary& other) const {
    if (size() != other.size()) return false;
    for (const auto& [k, v] : entries_) {
        const Value* o = other.find(k);
        if (!o || !(*o == v)) return false;
    }
    return true;
}

const Value& Value::null() {
    static const Value kNull;
    return kNull;
}

const char* Value::kindName(Kind kind) {
    switch (kind) {
        case Kind::Null: return "null";
        case Kind::Bool: return "bool";
        case Kind::Integer: return "integer";
        case Kind::Real: return "real";
        case Kind::Text: return "text";
        case Kind::Data: return "data";
        case Kind::Array: return "array";
        case Kind::Dictionary: return "dictionary";
    }
    return "?";
}

bool Value::asBool(bool fallback) const {
    switch (kind()) {
        case Kind::Bool: return std::get<bool>(v_);
        case Kind::Integer: return std::get<int64_t>(v_) != 0;
        case Kind::Real: return std::get<double>(v_) != 0.0;
        case Kind::Text: {
            const std::string& s = std::get<std::string>(v_);
            if (s == "YES" || s == "yes" || s == "true" || s == "TRUE" || s == "Y" || s == "y") return true;
            if (s == "NO" || s == "no" || s == "false" || s == "FALSE" || s == "N" || s == "n") return false;
            return asInteger(0) != 0;
        }
        default: return fallback;
    }
}

int64_t Value::asInteger(int64_t fallback) const {
    switch (kind()) {
        case Kind::Bool: return std::get<bool>(v_) ? 1 : 0;
        case Kind::Integer: return std::get<int64_t>(v_);
        case Kind::Real: {
            double d = std::get<double>(v_);
            if (std::isnan(d)) return fallback;
            if (d >= 9.2233720368547758e18) return INT64_MAX;
            if (d <= -9.2233720368547758e18) return INT64_MIN;
            return static_cast<int64_t>(d);
        }
        case Kind::Text: {
            // Leading spaces and a sign are allowed; digits up to the first other character count.
            const std::string& s = std::get<std::string>(v_);
            size_t i = 0;
            while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n')) ++i;
            if (i < s.size() && s[i] == '+') ++i;
            int64_t out = 0;
            auto res = std::from_chars(s.data() + i, s.data() + s.size(), out);
            if (res.ec == std::errc()) return out;
            if (res.ec == std::errc::result_out_of_range) return s[i] == '-' ? INT64_MIN : INT64_MAX;
            return 0;
        }
        default: return fallback;
    }
}

double Value::asReal(double fallback) const {
    switch (kind()) {
        case Kind::Bool: return std::get<bool>(v_) ? 1.0 : 0.0;
        case Kind::Integer: return static_cast<double>(std::get<int64_t>(v_));
        case Kind::Real: return std::get<double>(v_);
        case Kind::Text: return std::strtod(std::get<std::string>(v_).c_str(), nullptr);
        default: return fallback;
    }
}

std::string Value::asText(std::string fallback) const {
    switch (kind()) {
        case Kind::Text: return std::get<std::string>(v_);
        case Kind::Integer: return std::to_string(std::get<int64_t>(v_));
        case Kind::Bool: return std::get<bool>(v_) ? "1" : "0";
        case Kind::Real: {
            char buf[64];
            auto res = std::to_chars(buf, buf + sizeof buf, std::get<double>(v_));
            return std::string(buf, res.ptr);
        }
        default: return fallback;
    }
}

const Value& Value::operator[](std::string_view key) const {
    if (const auto* d = dictionary())
        if (const Value* v = d->find(key)) return *v;
    return null();
}

const Value& Value::operator[](size_t index) const {
    if (const auto* a = array())
        if (index < a->size()) return (*a)[index];
    return null();
}

size_t Value::size() const {
    if (const auto* a = array()) return a->size();
    if (const auto* d = dictionary()) return d->size();
    return 0;
}

}  // namespace zuno::sys
