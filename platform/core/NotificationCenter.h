#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

// One posted notification: a name and an object of any type (a receipt text, a store transaction,
// the poster itself).
class Notification {
public:
    Notification(std::string name, std::any object) : name_(std::move(name)), object_(std::move(object)) {}

    const std::string& name() const { return name_; }
    const std::any& object() const { return object_; }
    // The object when it is of that type, else nullptr.
    template <typename T>
    const T* objectAs() const {
        return std::any_cast<T>(&object_);
    }

private:
    std::string name_;
    std::any object_;
};

// Delivers notifications by name to the observers registered for it, on the thread that posts,
// in the order the observers were added.
//
// An observer belongs to an owner. With a shared owner (a screen) it is removed when the owner goes:
// the owner is held only weakly, and is kept alive for the length of a callback. Otherwise the
// Observation handle is the owner: the observer goes with it.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    // Removes its observer when destroyed (or reset()). The center must outlive it (the default
    // center lives for the whole run).
    class Observation {
    public:
        Observation() = default;
        Observation(Observation&& other) noexcept;
        Observation& operator=(Observation&& other) noexcept;
        Observation(const Observation&) = delete;
        Observation& operator=(const Observation&) = delete;
        ~Observation() { reset(); }
        void reset();
        bool active() const;

    private:
        friend class NotificationCenter;
        Observation(NotificationCenter* center, uint64_t id) : center_(center), id_(id) {}
        NotificationCenter* center_ = nullptr;
        uint64_t id_ = 0;
    };

    static NotificationCenter& defaultCenter();

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // Observes the name for as long as the owner lives (or until removeObserver).
    void addObserver(const std::shared_ptr<const void>& owner, std::string name, Handler handler);
    // Observes the name for as long as the returned handle lives.
    [[nodiscard]] Observation observe(std::string name, Handler handler);

    // Every observer of the owner, or only those for the name.
    void removeObserver(const void* owner);
    void removeObserver(const void* owner, std::string_view name);
    void removeAllObservers();

    void postNotificationName(std::string name, std::any object = {});
    void postNotification(const Notification& notification);

    size_t observerCount() const;

private:
    struct Entry {
        uint64_t id;
        std::string name;
        bool owned;                         // by a shared owner (else by an Observation)
        std::weak_ptr<const void> owner;
        const void* ownerAddress;
        std::shared_ptr<Handler> handler;
        std::shared_ptr<bool> removed;      // set under the lock when the entry goes
    };

    void removeId(uint64_t id);
    bool hasId(uint64_t id) const;

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    uint64_t nextId_ = 1;
};

}  // namespace zuno::sys
