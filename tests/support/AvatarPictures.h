// The figure parts the picture generator draws, stored as shop item pictures, for the avatar tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/core/Value.h"
#include "shell/Resources.h"

namespace zuno::testing {

// The bytes of a picture of the bundle ("figure-hair-0.png").
inline sys::Data bundlePicture(const std::string& name) {
    std::ifstream in(std::string(ZUNO_BUNDLE_DIR) + "/images/" + name, std::ios::binary);
    return sys::Data(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The item's picture arrives as the server would send it.
inline void storeItemPicture(int32_t itemId, const std::string& name) {
    Resources::getInstance().setItemWithImage(bundlePicture(name), itemId);
}

}  // namespace zuno::testing
