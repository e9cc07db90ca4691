#include "platform/core/NotificationCenter.h"

#include <algorithm>

namespace zuno::sys {

NotificationCenter::Observation::Observation(Observation&& other) noexcept
    : center_(other.center_), id_(other.id_) {
    other.center_ = nullptr;
    other.id_ = 0;
}

NotificationCenter::Observation& NotificationCenter::Observation::operator=(Observation&& other) noexcept {
    if (this != &other) {
        reset();
        center_ = other.center_;
        id_ = other.id_;
        other.center_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

void NotificationCenter::Observation::reset() {
    if (center_) center_->removeId(id_);
    center_ = nullptr;
    id_ = 0;
}

bool NotificationCenter::Observation::active() const { return center_ && center_->hasId(id_); }

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter* center = new NotificationCenter();  // lives for the whole run
    return *center;
}

void NotificationCenter::addObserver(const std::shared_ptr<const void>& owner, std::string name, Handler handler) {
    if (!owner || !handler) return;
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.push_back(Entry{nextId_++, std::move(name), true, owner, owner.get(),
                             std::make_shared<Handler>(std::move(handler)), std::make_shared<bool>(false)});
}

NotificationCenter::Observation NotificationCenter::observe(std::string name, Handler handler) {
    if (!handler) return {};
    std::lock_guard<std::mutex> lock(mutex_);
    uint64_t id = nextId_++;
    entries_.push_back(Entry{id, std::move(name), false, {}, nullptr,
                             std::make_shared<Handler>(std::move(handler)), std::make_shared<bool>(false)});
    return Observation(this, id);
}

void NotificationCenter::removeObserver(const void* owner) {
    std::vector<Entry> dropped;  // handlers are destroyed outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::stable_partition(entries_.begin(), entries_.end(),
                                    [&](const Entry& e) { return !(e.owned && e.ownerAddress == owner); });
    for (auto i = it; i != entries_.end(); ++i) *i->removed = true;
    dropped.assign(std::make_move_iterator(it), std::make_move_iterator(entries_.end()));
    entries_.erase(it, entries_.end());
}

void NotificationCenter::removeObserver(const void* owner, std::string_view name) {
    std::vector<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::stable_partition(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return !(e.owned && e.ownerAddress == owner && e.name == name);
    });
    for (auto i = it; i != entries_.end(); ++i) *i->removed = true;
    dropped.assign(std::make_move_iterator(it), std::make_move_iterator(entries_.end()));
    entries_.erase(it, entries_.end());
}

void NotificationCenter::removeAllObservers() {
    std::vector<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& e : entries_) *e.removed = true;
    dropped.swap(entries_);
}

void NotificationCenter::removeId(uint64_t id) {
    std::vector<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->id == id) {
            *it->removed = true;
            dropped.push_back(std::move(*it));
            entries_.erase(it);
            return;
        }
    }
}

bool NotificationCenter::hasId(uint64_t id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& e : entries_)
        if (e.id == id) return true;
    return false;
}

void NotificationCenter::postNotificationName(std::string name, std::any object) {
    postNotification(Notification(std::move(name), std::move(object)));
}

void NotificationCenter::postNotification(const Notification& notification) {
    struct Call {
        std::shared_ptr<Handler> handler;
        std::shared_ptr<bool> removed;
        bool owned;
        std::weak_ptr<const void> owner;
    };
    std::vector<Call> calls;
    std::vector<Entry> gone;  // observers whose owner has gone, dropped outside the lock
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (it->owned && it->owner.expired()) {
                *it->removed = true;
                gone.push_back(std::move(*it));
                it = entries_.erase(it);
                continue;
            }
            if (it->name == notification.name()) calls.push_back(Call{it->handler, it->removed, it->owned, it->owner});
            ++it;
        }
    }
    for (const Call& call : calls) {
        // An observer removed by an earlier callback of this post is not called.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (*call.removed) continue;
        }
        if (call.owned) {
            std::shared_ptr<const void> keep = call.owner.lock();
            if (!keep) continue;
            (*call.handler)(notification);
        } else {
            (*call.handler)(notification);
        }
    }
}

size_t NotificationCenter::observerCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    size_t n = 0;
    for (const auto& e : entries_)
        if (!e.owned || !e.owner.expired()) ++n;
    return n;
}

}  // namespace zuno::sys
