// Any bytes as an image sent by the server (PNG or JPEG). An image that decodes has a sane size and
// pixels to go with it; nothing may crash, leak or allocate for a size the bytes cannot hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ui/Image.h"

using namespace zuno::ui;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto image = Image::imageWithData(data, size);
    if (!image) return 0;
    long w = image->pixelWidth(), h = image->pixelHeight();
    if (w <= 0 || h <= 0 || w * h > 16L * 1024 * 1024 || !image->pixels()) std::abort();
    return 0;
}
