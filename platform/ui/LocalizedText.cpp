#include "platform/ui/LocalizedText.h"

#include <mutex>
#include <vector>

#include "platform/core/RunLoop.h"
#include "platform/ui/View.h"

namespace zuno::ui {

namespace {

struct Follower {
    std::weak_ptr<View> view;
    std::string key;
    LocalizedText::Apply apply;
};

std::mutex resolverMutex;
LocalizedText::Resolver& resolverSlot() {
    static LocalizedText::Resolver resolver;
    return resolver;
}

// Main thread only, as the views are.
std::vector<Follower>& followers() {
    static std::vector<Follower> list;
    return list;
}

void forgetGoneViews() {
    auto& list = followers();
    std::erase_if(list, [](const Follower& f) { return f.view.expired(); });
}

}  // namespace

void LocalizedText::setResolver(Resolver resolver) {
    std::lock_guard<std::mutex> lock(resolverMutex);
    resolverSlot() = std::move(resolver);
}

bool LocalizedText::hasResolver() {
    std::lock_guard<std::mutex> lock(resolverMutex);
    return static_cast<bool>(resolverSlot());
}

std::optional<std::string> LocalizedText::lookUp(std::string_view key) {
    Resolver resolver;
    {
        std::lock_guard<std::mutex> lock(resolverMutex);
        resolver = resolverSlot();
    }
    return resolver ? resolver(key) : std::nullopt;
}

void LocalizedText::follow(const std::shared_ptr<View>& view, std::string key, Apply apply) {
    if (!view || !apply) return;
    auto& list = followers();
    // Screens come and go: drop the texts of gone views before the list doubles.
    static size_t pruneAt = 64;
    if (list.size() >= pruneAt) {
        forgetGoneViews();
        pruneAt = std::max<size_t>(64, list.size() * 2);
    }
    list.push_back({view, std::move(key), std::move(apply)});
}

void LocalizedText::languageChanged() {
    auto& loop = sys::RunLoop::main();
    if (loop.isBoundToOtherThread()) {
        loop.post([] { languageChanged(); });
        return;
    }
    forgetGoneViews();
    // A text setter may add followers (a view built anew); walk a copy.
    auto list = followers();
    for (auto& f : list) {
        auto view = f.view.lock();
        if (!view) continue;
        if (auto text = lookUp(f.key)) f.apply(*view, *text);
    }
}

size_t LocalizedText::followedCount() {
    forgetGoneViews();
    return followers().size();
}

}  // namespace zuno::ui
