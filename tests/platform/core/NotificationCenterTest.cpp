#include <gtest/gtest.h>

#include <thread>

#include "platform/core/NotificationCenter.h"

using namespace zuno::sys;

namespace {
struct Screen {
    std::vector<std::string> heard;
};
}  // namespace

TEST(NotificationCenterTest, DeliversByNameWithTheObjectInOrder) {
    NotificationCenter center;
    auto screen = std::make_shared<Screen>();
    center.addObserver(screen, "ProductPurchased", [s = screen.get()](const Notification& n) {
        s->heard.push_back("first:" + *n.objectAs<std::string>());
    });
    center.addObserver(screen, "ProductPurchased", [s = screen.get()](const Notification& n) {
        s->heard.push_back("second");
        EXPECT_EQ(n.objectAs<int>(), nullptr);  // the object is a text, not a number
    });
    center.addObserver(screen, "ProductsLoaded", [s = screen.get()](const Notification&) { s->heard.push_back("loaded"); });
    center.postNotificationName("ProductPurchased", std::string("cmVjZWlwdA=="));
    center.postNotificationName("Unrelated");
    EXPECT_EQ(screen->heard, (std::vector<std::string>{"first:cmVjZWlwdA==", "second"}));
}

TEST(NotificationCenterTest, AnObserverGoesWithItsOwner) {
    NotificationCenter center;
    int calls = 0;
    auto screen = std::make_shared<Screen>();
    center.addObserver(screen, "N", [&calls](const Notification&) { ++calls; });
    center.postNotificationName("N");
    screen.reset();
    center.postNotificationName("N");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount(), 0u);

    // The handle form.
    {
        auto observation = center.observe("N", [&calls](const Notification&) { ++calls; });
        EXPECT_TRUE(observation.active());
        center.postNotificationName("N");
    }
    center.postNotificationName("N");
    EXPECT_EQ(calls, 2);
}

TEST(NotificationCenterTest, RemovingByOwnerAndName) {
    NotificationCenter center;
    auto screen = std::make_shared<Screen>();
    auto other = std::make_shared<Screen>();
    auto note = [](Screen* s, std::string tag) { return [s, tag](const Notification&) { s->heard.push_back(tag); }; };
    center.addObserver(screen, "A", note(screen.get(), "A"));
    center.addObserver(screen, "B", note(screen.get(), "B"));
    center.addObserver(other, "A", note(other.get(), "A"));
    center.removeObserver(screen.get(), "A");
    center.postNotificationName("A");
    center.postNotificationName("B");
    center.removeObserver(screen.get());
    center.postNotificationName("B");
    EXPECT_EQ(screen->heard, (std::vector<std::string>{"B"}));
    EXPECT_EQ(other->heard, (std::vector<std::string>{"A"}));
}

TEST(NotificationCenterTest, AnObserverRemovedDuringAPostIsNotCalled) {
    NotificationCenter center;
    auto first = std::make_shared<Screen>();
    auto second = std::make_shared<Screen>();
    center.addObserver(first, "N", [&](const Notification&) {
        first->heard.push_back("first");
        second.reset();  // the second screen goes away while the post runs
    });
    center.addObserver(second, "N", [s = second.get()](const Notification&) { s->heard.push_back("second"); });
    center.postNotificationName("N");
    EXPECT_EQ(first->heard, (std::vector<std::string>{"first"}));
}

TEST(NotificationCenterTest, TheOwnerStaysAliveDuringItsCallback) {
    NotificationCenter center;
    auto screen = std::make_shared<Screen>();
    std::weak_ptr<Screen> weak = screen;
    bool aliveDuringCall = false;
    center.addObserver(screen, "N", [&](const Notification&) {
        screen.reset();  // the last outside reference goes...
        aliveDuringCall = !weak.expired();  // ...but the center still holds it for the call
    });
    center.postNotificationName("N");
    EXPECT_TRUE(aliveDuringCall);
    EXPECT_TRUE(weak.expired());
}

TEST(NotificationCenterTest, PostsFromSeveralThreads) {
    NotificationCenter center;
    std::atomic<int> calls{0};
    auto observation = center.observe("N", [&](const Notification&) { ++calls; });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 100; ++i) center.postNotificationName("N");
        });
    for (auto& th : threads) th.join();
    EXPECT_EQ(calls, 400);
}
