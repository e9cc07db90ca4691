#include "platform/services/ContactPicker.h"

#include <mutex>

#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {
ContactPicker::Platform desktopPlatform() {
    ContactPicker::Platform p;
    p.present = [](const std::shared_ptr<ContactPicker>& picker) {
        std::weak_ptr<ContactPicker> weak = picker;
        RunLoop::main().post([weak] {
            if (auto p = weak.lock(); p && p->isPresented()) p->cancel();
        });
    };
    return p;
}

struct State {
    std::mutex mutex;
    ContactPicker::Platform platform = desktopPlatform();
    std::vector<std::shared_ptr<ContactPicker>> presented;
};

State& state() {
    static State* s = new State();
    return *s;
}
}  // namespace

std::shared_ptr<ContactPicker> ContactPicker::create() { return std::shared_ptr<ContactPicker>(new ContactPicker()); }

void ContactPicker::present(const std::shared_ptr<ContactPicker>& picker) {
    if (!picker || picker->presented_) return;
    picker->presented_ = true;
    std::function<void(const std::shared_ptr<ContactPicker>&)> show;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        state().presented.push_back(picker);
        show = state().platform.present;
    }
    if (show) show(picker);
}

bool ContactPicker::selectPerson(const Person& person) {
    auto delegate = delegate_.lock();
    return delegate ? delegate->peoplePickerNavigationController(*this, person) : false;
}

void ContactPicker::cancel() {
    if (auto delegate = delegate_.lock()) delegate->peoplePickerNavigationControllerDidCancel(*this);
}

std::vector<std::shared_ptr<ContactPicker>> ContactPicker::presentedPickers() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().presented;
}

void ContactPicker::setPlatform(Platform platform) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().platform = std::move(platform);
}

void ContactPicker::resetForTests() {
    std::vector<std::shared_ptr<ContactPicker>> old;
    std::lock_guard<std::mutex> lock(state().mutex);
    state().platform = desktopPlatform();
    old.swap(state().presented);
}

}  // namespace zuno::sys
