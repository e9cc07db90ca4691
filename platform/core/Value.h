#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zuno::sys {

using Data = std::vector<uint8_t>;

class Value;
using Array = std::vector<Value>;

// A dictionary that keeps its keys in insertion order. Lookups are linear while it is small and go
// through a hash index once it grows.
class Dictionary {
public:
    using Entry = std::pair<std::string, Value>;

    Dictionary();
    Dictionary(std::initializer_list<Entry> entries);
    Dictionary(const Dictionary& other);
    Dictionary(Dictionary&& other) noexcept;
    Dictionary& operator=(const Dictionary& other);
    Dictionary& operator=(Dictionary&& other) noexcept;
    ~Dictionary();

    size_t size() const;
    bool empty() const;

    const Value* find(std::string_view key) const;
    Value* find(std::string_view key);
    bool contains(std::string_view key) const { return find(key) != nullptr; }

    // Inserts or replaces; a replaced key keeps its place.
    void set(std::string key, Value value);
    bool erase(std::string_view key);
    void clear();

    // Inserts a null value when the key is absent.
    Value& operator[](std::string_view key);

    std::vector<Entry>::const_iterator begin() const;
    std::vector<Entry>::const_iterator end() const;
    const std::vector<Entry>& entries() const;

    bool operator==(const Dictionary& other) const;

private:
    static constexpr size_t npos() { return static_cast<size_t>(-1); }
    size_t indexOf(std::string_view key) const;
    void rebuildIndex() const;

    std::vector<Entry> entries_;
    struct Index;
    mutable std::unique_ptr<Index> index_;
};

// The one dynamic value: property lists, user defaults, JSON and interface files use it.
class Value {
public:
    enum class Kind { Null, Bool, Integer, Real, Text, Data, Array, Dictionary };

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : v_(b) {}
    Value(int i) : v_(static_cast<int64_t>(i)) {}
    Value(long i) : v_(static_cast<int64_t>(i)) {}
    Value(long long i) : v_(static_cast<int64_t>(i)) {}
    Value(unsigned i) : v_(static_cast<int64_t>(i)) {}
    Value(double d) : v_(d) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}
    Value(sys::Data d) : v_(std::move(d)) {}
    Value(sys::Array a) : v_(std::move(a)) {}
    Value(sys::Dictionary d) : v_(std::move(d)) {}

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isBool() const { return kind() == Kind::Bool; }
    bool isInteger() const { return kind() == Kind::Integer; }
    bool isReal() const { return kind() == Kind::Real; }
    bool isNumber() const { return isInteger() || isReal(); }
    bool isText() const { return kind() == Kind::Text; }
    bool isData() const { return kind() == Kind::Data; }
    bool isArray() const { return kind() == Kind::Array; }
    bool isDictionary() const { return kind() == Kind::Dictionary; }

    // Typed access; the wrong kind gives the fallback (numbers and booleans convert between each other,
    // and a text that holds a number converts to it).
    bool asBool(bool fallback = false) const;
    int64_t asInteger(int64_t fallback = 0) const;
    double asReal(double fallback = 0.0) const;
    std::string asText(std::string fallback = {}) const;

    // Direct access; nullptr for another kind.
    const std::string* text() const { return std::get_if<std::string>(&v_); }
    const sys::Data* data() const { return std::get_if<sys::Data>(&v_); }
    const sys::Array* array() const { return std::get_if<sys::Array>(&v_); }
    sys::Array* array() { return std::get_if<sys::Array>(&v_); }
    const sys::Dictionary* dictionary() const { return std::get_if<sys::Dictionary>(&v_); }
    sys::Dictionary* dictionary() { return std::get_if<sys::Dictionary>(&v_); }

    // Dictionary lookup; a missing key or a value of another kind gives a shared null value.
    const Value& operator[](std::string_view key) const;
    // Array element; out of range gives a shared null value.
    const Value& operator[](size_t index) const;
    size_t size() const;  // elements of an array or entries of a dictionary, else 0

    bool operator==(const Value& other) const { return v_ == other.v_; }
    bool operator!=(const Value& other) const { return !(*this == other); }

    static const Value& null();
    static const char* kindName(Kind kind);

private:
    std::variant<std::monostate, bool, int64_t, double, std::string, sys::Data, sys::Array, sys::Dictionary> v_;
};

inline size_t Dictionary::size() const { return entries_.size(); }
inline bool Dictionary::empty() const { return entries_.empty(); }
inline std::vector<Dictionary::Entry>::const_iterator Dictionary::begin() const { return entries_.begin(); }
inline std::vector<Dictionary::Entry>::const_iterator Dictionary::end() const { return entries_.end(); }
inline const std::vector<Dictionary::Entry>& Dictionary::entries() const { return entries_; }

}  // namespace zuno::sys
