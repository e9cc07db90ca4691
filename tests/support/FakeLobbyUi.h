#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "lobby/ILobbyUi.h"

namespace zuno::testing {

// Screens as a test arranges them: what is on top, what is cached; it records what it is asked to show.
class FakeLobbyUi : public ILobbyUi {
public:
    void startEventWithiOS4(const std::string& text) override { record("event4:" + text); }
    void startEventWithiOS3(const std::string& text) override { record("event3:" + text); }
    void pushRoomView(const std::string& title) override { record("room:" + title); }
    bool topScreenRefusesInvitations() const override { return tableOnTop; }
    std::optional<int8_t> shopScreenUserGender() const override { return shopGender; }
    std::optional<int8_t> profileScreenUserGender() const override { return profileGender; }
    std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t id) override {
        auto it = itemPages.find(id);
        return it == itemPages.end() ? nullptr : it->second;
    }
    std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t id) override {
        auto it = userItemPages.find(id);
        return it == userItemPages.end() ? nullptr : it->second;
    }
    bool checkApStore() const override { return apStore; }
    // Any non-empty bytes "decode" to a marker that is never drawn, so tests can tell an image from none.
    ImagePtr imageWithData(const sys::Data& bytes) override {
        decodedBytes = bytes;
        static char marker;
        return bytes.empty() ? nullptr : ImagePtr(ImagePtr(), reinterpret_cast<ui::Image*>(&marker));
    }

    std::vector<std::string> shown() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return shown_;
    }

    bool tableOnTop = false;
    std::optional<int8_t> shopGender;
    std::optional<int8_t> profileGender;
    std::map<int32_t, std::shared_ptr<ItemsOfCategory>> itemPages;
    std::map<int32_t, std::shared_ptr<UserItemsOfCategory>> userItemPages;
    bool apStore = false;
    sys::Data decodedBytes;

private:
    void record(std::string what) {
        std::lock_guard<std::mutex> lock(mutex_);
        shown_.push_back(std::move(what));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> shown_;
};

}  // namespace zuno::testing
