// PNG through Cairo and JPEG through libjpeg, both into premultiplied ARGB pixels.
#include <cairo.h>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/ui/Image.h"

namespace zuno::ui {

namespace {

struct ByteReader {
    const uint8_t* bytes;
    size_t size;
    size_t pos = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<ByteReader*>(closure);
    if (r->size - r->pos < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t writeBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<sys::Data*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// Images larger than this are refused rather than allocated (a damaged header could ask for gigabytes).
constexpr long kMaxPixels = 16L * 1024 * 1024;

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(err->jump, 1);
}

void jpegQuiet(j_common_ptr, int) {}

}  // namespace

ImagePtr decodePng(const uint8_t* bytes, size_t size) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 || std::memcmp(bytes, signature, 8) != 0) return nullptr;
    // The header chunk comes first: refuse a size too large before the decoder allocates for it.
    if (size < 24 || std::memcmp(bytes + 12, "IHDR", 4) != 0) return nullptr;
    auto word = [&](size_t at) {
        return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    };
    if (uint64_t{word(16)} * word(20) > uint64_t{kMaxPixels}) return nullptr;
    ByteReader reader{bytes, size};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readBytes, &reader);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    cairo_surface_flush(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    cairo_format_t format = cairo_image_surface_get_format(s);
    std::vector<uint32_t> pixels(size_t(w) * size_t(h));
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = data + size_t(y) * stride;
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            if (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) {
                std::memcpy(&p, row + x * 4, 4);
                if (format == CAIRO_FORMAT_RGB24) p |= 0xFF000000u;
            } else if (format == CAIRO_FORMAT_A8) {
                uint32_t a = row[x];
                p = (a << 24);
            } else {
                p = 0xFF000000u;
            }
            pixels[size_t(y) * w + x] = p;
        }
    }
    cairo_surface_destroy(s);
    return std::make_shared<Image>(w, h, std::move(pixels));
}

ImagePtr decodeJpeg(const uint8_t* bytes, size_t size) {
    if (size < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return nullptr;
    // Everything the decoder touches lives on the heap behind a pointer that is not changed after
    // setjmp, so that its state is well defined when libjpeg jumps back on an error.
    struct State {
        jpeg_decompress_struct info;
        JpegError err;
        std::vector<uint32_t> pixels;
        std::vector<unsigned char> row;
        bool created = false;
        ~State() {
            if (created) jpeg_destroy_decompress(&info);
        }
    };
    const auto st = std::make_unique<State>();
    st->info.err = jpeg_std_error(&st->err.mgr);
    st->err.mgr.error_exit = jpegFail;
    st->err.mgr.emit_message = jpegQuiet;
    if (setjmp(st->err.jump)) return nullptr;
    jpeg_create_decompress(&st->info);
    st->created = true;
    jpeg_mem_src(&st->info, bytes, static_cast<unsigned long>(size));
    jpeg_read_header(&st->info, TRUE);
    st->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&st->info);
    long w = st->info.output_width, h = st->info.output_height;
    if (w <= 0 || h <= 0 || w * h > kMaxPixels || st->info.output_components != 3) return nullptr;
    st->pixels.resize(size_t(w) * size_t(h));
    st->row.resize(size_t(w) * 3);
    while (st->info.output_scanline < st->info.output_height) {
        unsigned char* rows[1] = {st->row.data()};
        long y = st->info.output_scanline;
        if (jpeg_read_scanlines(&st->info, rows, 1) != 1) return nullptr;
        const unsigned char* row = st->row.data();
        for (long x = 0; x < w; ++x) {
            st->pixels[size_t(y) * w + x] =
                0xFF000000u | (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
        }
    }
    jpeg_finish_decompress(&st->info);
    return std::make_shared<Image>(int(w), int(h), std::move(st->pixels));
}

sys::Data encodePng(const Image& image) {
    sys::Data out;
    int w = image.pixelWidth(), h = image.pixelHeight();
    if (w <= 0 || h <= 0) return out;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) std::memcpy(data + size_t(y) * stride, image.pixels() + size_t(y) * w, size_t(w) * 4);
    cairo_surface_mark_dirty(s);
    cairo_surface_write_to_png_stream(s, writeBytes, &out);
    cairo_surface_destroy(s);
    return out;
}

}  // namespace zuno::ui
