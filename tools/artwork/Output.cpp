#include "Output.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "Art.h"

namespace artwork {

namespace fs = std::filesystem;

std::string scaledName(const std::string& name, int scale) {
    if (scale == 1) return name;
    size_t dot = name.rfind('.');
    return name.substr(0, dot) + "@" + std::to_string(scale) + "x" + name.substr(dot);
}

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

std::string render(const Picture& p, int scale) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width * scale, p.height * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    paint(cr, p);
    cairo_destroy(cr);
    std::string png;
    cairo_surface_write_to_png_stream(surface, appendBytes, &png);
    cairo_surface_destroy(surface);
    return png;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) : std::string();
}

// Written beside the target and renamed over it, so a reader never sees half a picture even when two
// builds draw into the same folder.
bool writeIfChanged(const fs::path& path, const std::string& bytes) {
    if (readAll(path) == bytes) return true;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "zuno-artwork: cannot write %s\n", temp.c_str());
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::fprintf(stderr, "zuno-artwork: cannot rename to %s: %s\n", path.c_str(), ec.message().c_str());
        return false;
    }
    return true;
}

}  // namespace

bool writeAll(const std::string& folder) {
    bool ok = true;
    for (const auto& p : catalog()) {
        for (int scale : {1, 2}) ok = writeIfChanged(fs::path(folder) / scaledName(p.name, scale), render(p, scale)) && ok;
    }
    return ok;
}

bool writeContactSheet(const std::string& file, int scale, const std::string& filter) {
    std::vector<Picture> all;
    for (const auto& p : catalog()) {
        if (p.name.find(filter) != std::string::npos) all.push_back(p);
    }
    const int columns = 12, cellW = 120, cellH = 116, boxW = 110, boxH = 92;
    const int rows = std::max(1, int((all.size() + columns - 1) / columns));
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, columns * cellW * scale, rows * cellH * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
    cairo_paint(cr);
    for (size_t i = 0; i < all.size(); ++i) {
        const Picture& p = all[i];
        const double x0 = double(i % columns) * cellW, y0 = double(i / columns) * cellH;
        // Shrink big pictures to the box; show small ones at twice their size so their detail shows.
        double f = std::min(double(boxW) / p.width, double(boxH) / p.height);
        f = f >= 2 ? 2 : std::min(f, 1.0);
        const double w = p.width * f, h = p.height * f;
        const double x = x0 + (cellW - w) / 2, y = y0 + 4 + (boxH - h) / 2;
        // A checkerboard where the picture is see-through.
        cairo_save(cr);
        cairo_rectangle(cr, x, y, w, h);
        cairo_clip(cr);
        for (double cy = y; cy < y + h; cy += 6) {
            for (double cx = x; cx < x + w; cx += 6) {
                bool dark = (int((cx - x) / 6) + int((cy - y) / 6)) % 2;
                cairo_set_source_rgb(cr, dark ? 0.78 : 0.88, dark ? 0.78 : 0.88, dark ? 0.78 : 0.88);
                cairo_rectangle(cr, cx, cy, 6, 6);
                cairo_fill(cr);
            }
        }
        cairo_translate(cr, x, y);
        cairo_scale(cr, f, f);
        paint(cr, p);
        cairo_restore(cr);
        char label[160];
        std::snprintf(label, sizeof label, "%s %dx%d", p.name.c_str(), p.width, p.height);
        text(cr, label, x0 + 2, y0 + boxH + 6, cellW - 4, 14, 9, hex(0x202020), Font::Sans, false);
    }
    cairo_destroy(cr);
    cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "zuno-artwork: cannot write %s: %s\n", file.c_str(), cairo_status_to_string(status));
        return false;
    }
    return true;
}

}  // namespace artwork
