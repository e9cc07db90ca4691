// Sound files are decoded by hand: no header, however broken, may read outside the file.
#include <cstdint>
#include <string_view>

#include "platform/media/AudioClip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    auto clip = zuno::sys::decodeAudio(std::string_view(reinterpret_cast<const char*>(data), size), &error);
    if (clip) {
        for (float s : clip->samples)
            if (!(s >= -1.0f && s <= 1.0f)) __builtin_trap();
    }
    return 0;
}
