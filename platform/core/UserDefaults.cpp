#include "platform/core/UserDefaults.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/core/AtomicFile.h"
#include "platform/core/Clock.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Device.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/PropertyList.h"

namespace zuno::sys {

namespace {
std::mutex& standardMutex() {
    static std::mutex m;
    return m;
}
std::unique_ptr<UserDefaults>& standardSlot() {
    static std::unique_ptr<UserDefaults> slot;
    return slot;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}
}  // namespace

UserDefaults& UserDefaults::standard() {
    std::lock_guard<std::mutex> lock(standardMutex());
    auto& slot = standardSlot();
    if (!slot) {
        slot = std::make_unique<UserDefaults>(dataFolder() + "/" + kFileName);
        slot->inDataFolder_ = true;
        Array languages;
        for (const auto& l : Device::preferredLanguages()) languages.emplace_back(l);
        slot->registerDefaults(Dictionary{{"AppleLanguages", Value(std::move(languages))}});
    }
    return *slot;
}

void UserDefaults::reopenStandard() {
    std::unique_ptr<UserDefaults> old;
    {
        std::lock_guard<std::mutex> lock(standardMutex());
        old.swap(standardSlot());
    }
    // Destroyed here: unsaved changes are written.
}

UserDefaults::UserDefaults(std::string filePath) : filePath_(std::move(filePath)) { load(); }

UserDefaults::~UserDefaults() { synchronize(); }

void UserDefaults::load() {
    struct stat st {};
    if (::stat(filePath_.c_str(), &st) != 0) return;  // nothing saved yet
    std::string reason;
    try {
        Value root = PropertyList::readFile(filePath_);
        if (const Dictionary* dict = root.dictionary()) {
            values_ = *dict;
            return;
        }
        if (root.isNull()) return;  // an empty property list
        reason = std::string("its top value is ") + Value::kindName(root.kind()) + ", not a dictionary";
    } catch (const Exception& e) {
        reason = e.reason();
    }
    // Keep the damaged file for the user (or a developer) to look at; never write over it.
    std::string aside = filePath_ + ".damaged-" + std::to_string(currentTimeMillis());
    if (std::rename(filePath_.c_str(), aside.c_str()) == 0) {
        damagedMovedTo_ = aside;
        Log::warning("User defaults: " + filePath_ + " is damaged (" + reason + "); it was kept as " + aside +
                     " and the saved preferences start empty");
    } else {
        // It cannot be moved aside: keep it where it is and do not save over it this run.
        damagedMovedTo_ = filePath_;
        Log::warning("User defaults: " + filePath_ + " is damaged (" + reason + ") and cannot be moved aside (" +
                     std::strerror(errno) + "); changes will not be saved");
    }
}

const Value* UserDefaults::lookup(std::string_view key) const {
    if (const Value* v = values_.find(key)) return v;
    return registered_.find(key);
}

Value UserDefaults::objectForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    return v ? *v : Value();
}

std::optional<std::string> UserDefaults::stringForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !(v->isText() || v->isNumber())) return std::nullopt;
    return v->asText();
}

int64_t UserDefaults::integerForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    return v ? v->asInteger(0) : 0;
}

bool UserDefaults::boolForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    return v ? v->asBool(false) : false;
}

double UserDefaults::doubleForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    return v ? v->asReal(0.0) : 0.0;
}

std::optional<Data> UserDefaults::dataForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !v->data()) return std::nullopt;
    return *v->data();
}

std::optional<Array> UserDefaults::arrayForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !v->array()) return std::nullopt;
    return *v->array();
}

std::optional<Dictionary> UserDefaults::dictionaryForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !v->dictionary()) return std::nullopt;
    return *v->dictionary();
}

std::optional<std::vector<std::string>> UserDefaults::stringArrayForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Value* v = lookup(key);
    if (!v || !v->array()) return std::nullopt;
    std::vector<std::string> out;
    for (const Value& item : *v->array())
        if (item.text()) out.push_back(*item.text());
    return out;
}

void UserDefaults::setObject(Value value, std::string_view key) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (value.isNull()) {
        if (values_.erase(key)) dirty_ = true;
        return;
    }
    values_.set(std::string(key), std::move(value));
    dirty_ = true;
}

void UserDefaults::removeObjectForKey(std::string_view key) { setObject(Value(), key); }

void UserDefaults::setKeptInMemoryOnly(std::string_view key, bool inMemoryOnly) {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool changed = inMemoryOnly ? inMemoryOnly_.emplace(key).second : inMemoryOnly_.erase(std::string(key)) > 0;
    if (changed) dirty_ = true;
}

void UserDefaults::registerDefaults(const Dictionary& defaults) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [k, v] : defaults) registered_.set(k, v);
}

bool UserDefaults::synchronize() {
    // One write at a time, and the snapshot taken under the same lock, so the latest state lands last.
    // Readers on other threads only wait for the snapshot, not for the disk.
    std::lock_guard<std::mutex> writeLock(writeMutex_);
    std::string bytes;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!dirty_) return true;
        if (damagedMovedTo_ && *damagedMovedTo_ == filePath_) return false;
        Dictionary written = values_;
        for (const auto& key : inMemoryOnly_) written.erase(key);
        bytes = PropertyList::write(Value(std::move(written)));
        dirty_ = false;
    }
    std::optional<std::string> error = makeFolders(folderOf(filePath_));
    if (!error) error = writeFileAtomically(filePath_, bytes, 0600);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!error) {
        lastSaveFailure_.reset();
        return true;
    }
    dirty_ = true;
    const std::string text = "User defaults: " + *error;
    if (inDataFolder_) {
        reportDataFolderFailure(text);
    } else if (text == lastSaveFailure_) {
        Log::line(text);  // every save fails the same way: said once
    } else {
        Log::warning(text);
    }
    lastSaveFailure_ = text;
    return false;
}

Dictionary UserDefaults::dictionaryRepresentation() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return values_;
}

void UserDefaults::removeAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!values_.empty()) dirty_ = true;
    values_.clear();
}

std::optional<std::string> UserDefaults::damagedFileMovedTo() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return damagedMovedTo_;
}

}  // namespace zuno::sys
