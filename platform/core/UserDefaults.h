#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno::sys {

// The user's saved preferences: a typed store of values by key, kept in one property-list file.
//
// Reads and writes may come from any thread. Changes live in memory until synchronize() writes the
// whole store to its file, atomically (temporary file, flush, rename) and readable by the owner only.
// A file that cannot be read as a property list is renamed aside (never overwritten) and reported once
// in the log; the store then starts empty.
//
// A key that was never set (or was removed) is absent: objectForKey answers null and stringForKey
// nothing, which is not the same as an empty text. Registered defaults answer for absent keys without
// being written to the file.
class UserDefaults {
public:
    static constexpr const char* kFileName = "UserDefaults.plist";

    // The store of this user, in dataFolder()/UserDefaults.plist, opened on first use.
    static UserDefaults& standard();
    // Saves the current standard store if it has unsaved changes and forgets it, so the next
    // standard() opens the file again (from the data folder in force then).
    static void reopenStandard();

    explicit UserDefaults(std::string filePath);
    ~UserDefaults();  // saves unsaved changes
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    const std::string& filePath() const { return filePath_; }

    // The value, a registered default, or null.
    Value objectForKey(std::string_view key) const;
    // A text, or a number as decimal text; nothing for an absent key or another kind.
    std::optional<std::string> stringForKey(std::string_view key) const;
    // Numbers, booleans and texts holding a number convert; anything else gives 0 / NO.
    int64_t integerForKey(std::string_view key) const;
    bool boolForKey(std::string_view key) const;
    double doubleForKey(std::string_view key) const;
    float floatForKey(std::string_view key) const { return static_cast<float>(doubleForKey(key)); }
    std::optional<Data> dataForKey(std::string_view key) const;
    std::optional<Array> arrayForKey(std::string_view key) const;
    std::optional<Dictionary> dictionaryForKey(std::string_view key) const;
    // Only the texts of the array (others are skipped); nothing when the value is not an array.
    std::optional<std::vector<std::string>> stringArrayForKey(std::string_view key) const;

    // Setting null removes the key.
    void setObject(Value value, std::string_view key);
    void setInteger(int64_t value, std::string_view key) { setObject(Value(static_cast<long long>(value)), key); }
    void setBool(bool value, std::string_view key) { setObject(Value(value), key); }
    void setDouble(double value, std::string_view key) { setObject(Value(value), key); }
    void setFloat(float value, std::string_view key) { setObject(Value(static_cast<double>(value)), key); }
    void removeObjectForKey(std::string_view key);

    // A key kept in memory only is never written to the file (what the file held for it goes with the
    // next synchronize); its value still answers for the run. Keeping it in the file again writes it.
    void setKeptInMemoryOnly(std::string_view key, bool inMemoryOnly);

    // Values that answer for absent keys; they are never written to the file.
    void registerDefaults(const Dictionary& defaults);

    // Writes the store to its file when it has changed since the last write. Answers NO when the
    // write failed (the changes stay in memory and the next call tries again).
    bool synchronize();

    // Every key and value that is set (registered defaults not included).
    Dictionary dictionaryRepresentation() const;
    // Removes every key; the file is rewritten by the next synchronize().
    void removeAll();

    // Where a damaged file was moved to, if it was.
    std::optional<std::string> damagedFileMovedTo() const;

private:
    void load();
    const Value* lookup(std::string_view key) const;  // with mutex_ held

    std::string filePath_;
    mutable std::mutex mutex_;
    std::mutex writeMutex_;
    Dictionary values_;
    Dictionary registered_;
    std::set<std::string, std::less<>> inMemoryOnly_;
    bool dirty_ = false;
    std::optional<std::string> damagedMovedTo_;
    bool inDataFolder_ = false;  // the standard store: a failed save is the data folder's failure
    std::optional<std::string> lastSaveFailure_;
};

}  // namespace zuno::sys
