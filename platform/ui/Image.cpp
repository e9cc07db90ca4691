#include "platform/ui/Image.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <set>

#include "platform/core/Bundle.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"

namespace zuno::ui {

namespace {

struct ImageCache {
    std::mutex mutex;
    std::string root;
    std::map<std::string, ImagePtr> byName;
    std::set<std::string> reportedMissing;
};

ImageCache& cache() {
    static ImageCache* c = new ImageCache;  // lives for the whole run
    return *c;
}

bool readFile(const std::string& path, sys::Data& out) {
    // A folder opens as a stream, and reading it throws: only a regular file can hold a picture.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return false;
    }
    return true;
}

// The bundle's image folder, used until a folder is chosen.
std::string defaultImageRoot() { return sys::Bundle::main().bundlePath() + "/images"; }

bool endsWithDouble(const std::string& stem) { return stem.size() >= 3 && stem.compare(stem.size() - 3, 3, "@2x") == 0; }

// The files that may hold a named image, best first, each with its scale: 'name@2x.png' at scale 2,
// then the name as given, then the name with ".png" when it has no extension.
std::vector<std::pair<std::string, double>> candidateFiles(const std::string& name, int scale) {
    size_t dot = name.rfind('.');
    size_t slash = name.rfind('/');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    std::string stem = hasExtension ? name.substr(0, dot) : name;
    std::string extension = hasExtension ? name.substr(dot) : ".png";
    double own = endsWithDouble(stem) ? 2 : 1;
    std::vector<std::pair<std::string, double>> files;
    if (scale >= 2 && own == 1) files.emplace_back(stem + "@2x" + extension, 2);
    files.emplace_back(name, own);
    if (!hasExtension) files.emplace_back(name + ".png", own);
    return files;
}

}  // namespace

Image::Image(int width, int height, std::vector<uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
    if (pixels_.size() != size_t(width_) * size_t(height_)) pixels_.resize(size_t(width_) * size_t(height_));
}

void Image::setImageRoot(std::string folder) {
    auto& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.root = std::move(folder);
    c.byName.clear();
    c.reportedMissing.clear();
}

std::string Image::imageRoot() {
    auto& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.root.empty() ? defaultImageRoot() : c.root;
}

void Image::clearCache() {
    auto& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.byName.clear();
}

ImagePtr Image::imageNamed(const std::string& name) { return imageNamed(name, Screen::scale()); }

ImagePtr Image::imageNamed(const std::string& name, int scale) {
    scale = scale >= 2 ? 2 : 1;
    auto& c = cache();
    const std::string key = (scale == 2 ? "2|" : "1|") + name;
    std::string root;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        auto it = c.byName.find(key);
        if (it != c.byName.end()) return it->second;
        root = c.root.empty() ? defaultImageRoot() : c.root;
    }
    ImagePtr image;
    // Names are file names inside the image folder; anything that could leave it is not looked up.
    bool safe = !name.empty() && name.find("..") == std::string::npos && name[0] != '/';
    if (safe) {
        for (const auto& [file, fileScale] : candidateFiles(name, scale)) {
            sys::Data bytes;
            if (!readFile(root.empty() ? file : root + "/" + file, bytes)) continue;
            // A damaged sharper picture still leaves the plain one.
            image = imageWithData(bytes);
            if (!image) continue;
            image->scale_ = fileScale;
            break;
        }
    }
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!image) {
        if (c.reportedMissing.insert(name).second) sys::Log::warningFormat("missing image %s", name.c_str());
        image = placeholder(name);
    } else {
        image->name_ = name;
    }
    c.byName[key] = image;
    return image;
}

ImagePtr Image::imageWithData(const sys::Data& data) { return imageWithData(data.data(), data.size()); }

ImagePtr Image::imageWithData(const uint8_t* bytes, size_t size) {
    if (!bytes || size == 0) return nullptr;
    if (auto png = decodePng(bytes, size)) return png;
    return decodeJpeg(bytes, size);
}

ImagePtr Image::imageWithContentsOfFile(const std::string& path) {
    sys::Data bytes;
    if (!readFile(path, bytes)) return nullptr;
    return imageWithData(bytes);
}

bool Image::isOpaque() const {
    if (opaque_ == Opacity::Unknown) {
        bool opaque = !placeholder_ && !pixels_.empty();
        for (size_t i = 0; i < pixels_.size() && opaque; ++i) opaque = (pixels_[i] >> 24) == 0xFF;
        opaque_ = opaque ? Opacity::Opaque : Opacity::Translucent;
    }
    return opaque_ == Opacity::Opaque;
}

ImagePtr Image::fromPixels(int width, int height, std::vector<uint32_t> pixels) {
    if (width < 0 || height < 0) return nullptr;
    return std::make_shared<Image>(width, height, std::move(pixels));
}

ImagePtr Image::placeholder(const std::string& name) {
    // A nominal size, so that code that lays out by an image's own size still gets a visible box.
    auto image = std::make_shared<Image>(32, 32, std::vector<uint32_t>{});
    image->name_ = name;
    image->placeholder_ = true;
    return image;
}

}  // namespace zuno::ui
