#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "shell/ShellRequests.h"

namespace zuno::testing {

// Keeps the requests the shell sends, as lines like "requestAvatar 3" or "getItemImageWithItemId 7 4".
class RecordingShellRequests : public ShellRequests {
public:
    void requestAvatar(int16_t avatarId) override { add("requestAvatar " + std::to_string(avatarId)); }
    void getItemImageWithItemId(int32_t itemId) override { add("getItemImageWithItemId " + std::to_string(itemId)); }
    void getItemImageWithItemId(int32_t itemId, int32_t type) override {
        add("getItemImageWithItemId " + std::to_string(itemId) + " " + std::to_string(type));
    }
    void getFullItemImageWithId(int32_t itemId) override { add("getFullItemImageWithId " + std::to_string(itemId)); }

    std::vector<std::string> sent() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent_;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.clear();
    }

private:
    void add(std::string line) {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.push_back(std::move(line));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> sent_;
};

// Installs a recorder for the life of a test and puts back what was installed before.
class InstalledShellRequests {
public:
    InstalledShellRequests()
        : previous_(ShellRequests::shared()), recorder_(std::make_shared<RecordingShellRequests>()) {
        ShellRequests::setShared(recorder_);
    }
    ~InstalledShellRequests() { ShellRequests::setShared(previous_); }
    InstalledShellRequests(const InstalledShellRequests&) = delete;
    InstalledShellRequests& operator=(const InstalledShellRequests&) = delete;

    RecordingShellRequests& operator*() const { return *recorder_; }
    RecordingShellRequests* operator->() const { return recorder_.get(); }

private:
    std::shared_ptr<ShellRequests> previous_;
    std::shared_ptr<RecordingShellRequests> recorder_;
};

}  // namespace zuno::testing
