#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Property.h"

namespace zuno {

// One private message of the in-memory inbox.
class ZunoMessage {
    ZUNO_PROPERTY(int32_t, fromID, setFromID) = 0;
    ZUNO_PROPERTY(std::string, fromName, setFromName);
    ZUNO_PROPERTY(std::string, message, setMessage);
    ZUNO_PROPERTY(bool, isRead, setIsRead) = false;
    ZUNO_PROPERTY(bool, isReply, setIsReply) = false;
};

// One text, or image, flying over a table screen (a money change, a gift).
class FlyTextInfo {
    ZUNO_PROPERTY(std::string, text, setText);
    // An asset image shown instead of the text; -1 for none.
    ZUNO_PROPERTY(int32_t, imgId, setImgId) = -1;
    ZUNO_PROPERTY(int32_t, state, setState) = 0;
    ZUNO_PROPERTY(int32_t, x, setX) = 0;
    ZUNO_PROPERTY(int32_t, y, setY) = 0;
    ZUNO_PROPERTY(int32_t, speedY, setSpeedY) = 0;
};

}  // namespace zuno
