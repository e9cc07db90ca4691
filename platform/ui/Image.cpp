#include "platform/ui/Image.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <list>
#include <mutex>
#include <set>
#include <unordered_map>

#include "platform/core/Bundle.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"

namespace zuno::ui {

namespace {

// Decoded pictures are large (a background at scale 2 is 2.4 MB), so the cache keeps only the most
// recently asked for within a limit of bytes; a picture a view still holds lives on with it and is
// handed out again while it does, so that a name never gives two copies of its pixels.
struct ImageCache {
    using Recent = std::list<std::pair<std::string, ImagePtr>>;  // most recently asked for first

    std::mutex mutex;
    std::string root;
    Recent recent;
    std::unordered_map<std::string, Recent::iterator> recentByKey;
    size_t recentBytes = 0;
    size_t limit = Image::kDefaultCacheLimit;
    std::unordered_map<std::string, std::weak_ptr<Image>> handedOut;
    size_t handedOutPruned = 0;  // how many were handed out after the last pruning
    std::set<std::string> reportedMissing;

    void clear() {
        recent.clear();
        recentByKey.clear();
        recentBytes = 0;
        handedOut.clear();
        handedOutPruned = 0;
    }

    void dropLeastRecent() {
        recentBytes -= recent.back().second->byteCount();
        recentByKey.erase(recent.back().first);
        recent.pop_back();
    }

    // Keeps the picture as the most recently asked for, if it fits at all.
    void keep(const std::string& key, const ImagePtr& image) {
        if (auto found = recentByKey.find(key); found != recentByKey.end()) {
            recent.splice(recent.begin(), recent, found->second);
            return;
        }
        const size_t bytes = image->byteCount();
        if (bytes > limit) return;
        while (recentBytes + bytes > limit) dropLeastRecent();
        recent.emplace_front(key, image);
        recentByKey[key] = recent.begin();
        recentBytes += bytes;
    }

    void handOut(const std::string& key, const ImagePtr& image) {
        handedOut[key] = image;
        // The names of pictures nobody holds any more go now and then.
        if (handedOut.size() < 2 * handedOutPruned + 64) return;
        std::erase_if(handedOut, [](const auto& entry) { return entry.second.expired(); });
        handedOutPruned = handedOut.size();
    }

    ImagePtr find(const std::string& key) {
        if (auto found = recentByKey.find(key); found != recentByKey.end()) {
            recent.splice(recent.begin(), recent, found->second);
            return found->second->second;
        }
        auto held = handedOut.find(key);
        ImagePtr image = held == handedOut.end() ? nullptr : held->second.lock();
        if (image) keep(key, image);
        return image;
    }
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
    c.clear();
    c.limit = kDefaultCacheLimit;
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
    c.clear();
}

void Image::setCacheLimit(size_t bytes) {
    auto& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.limit = bytes;
    while (c.recentBytes > c.limit) c.dropLeastRecent();
}

size_t Image::cachedBytes() {
    auto& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.recentBytes;
}

ImagePtr Image::imageNamed(const std::string& name) { return imageNamed(name, Screen::scale()); }

ImagePtr Image::imageNamed(const std::string& name, int scale) {
    scale = scale >= 2 ? 2 : 1;
    auto& c = cache();
    const std::string key = (scale == 2 ? "2|" : "1|") + name;
    std::string root;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        if (ImagePtr found = c.find(key)) return found;
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
    // Another thread may have read the same file meanwhile: the first one kept is the one handed out.
    if (ImagePtr found = c.find(key)) return found;
    if (!image) {
        if (c.reportedMissing.insert(name).second) sys::Log::warningFormat("missing image %s", name.c_str());
        image = placeholder(name);
    } else {
        image->name_ = name;
    }
    c.keep(key, image);
    c.handOut(key, image);
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

size_t Image::byteCount() const { return sizeof(Image) + name_.size() + pixels_.size() * sizeof(uint32_t); }

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
