#pragma once

#include <cstdint>

#include "platform/services/MessageComposer.h"

namespace zuno {

// Hears how an SMS draft opened for the player ended and tells the player. Made by the road that opens
// the draft and handed to GlobalService::sendSMSWithData.
class SMSDelegate : public sys::MessageComposeDelegate {
public:
    enum Mode : int32_t { kTopUp = 0, kRegistration = 1, kTellFriend = 3 };

    explicit SMSDelegate(int32_t mode = kTopUp) : mode_(mode) {}

    // 0 a top-up or request SMS, 1 a registration SMS, 2 or more any other.
    int32_t mode() const { return mode_; }
    void setMode(int32_t mode) { mode_ = mode; }

    // Main thread: dismisses the composer and shows the outcome. A registration draft that was not
    // sent forgets the saved name and password.
    void messageComposeViewController(sys::MessageComposer& controller, sys::MessageComposeResult result) override;

    // The localisation key of the text that tells the player the outcome.
    static const char* resultTextKey(int32_t mode, sys::MessageComposeResult result);

private:
    int32_t mode_;
};

}  // namespace zuno
