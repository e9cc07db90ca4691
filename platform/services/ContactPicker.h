#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zuno::sys {

class ContactPicker;

// One person of the address book.
struct Person {
    std::string name;
    std::vector<std::string> phoneNumbers;
};

class PeoplePickerDelegate {
public:
    virtual ~PeoplePickerDelegate() = default;
    virtual void peoplePickerNavigationControllerDidCancel(ContactPicker& picker) = 0;
    // A person was chosen; YES would go on to the person's details.
    virtual bool peoplePickerNavigationController(ContactPicker& picker, const Person& person) = 0;
    // A detail of the person was chosen; YES would act on it.
    virtual bool peoplePickerNavigationController(ContactPicker& picker, const Person& person, int32_t property,
                                                  int32_t identifier) {
        return false;
    }
};

// The address-book picker. On a desktop there is no address book: a presented picker cancels.
// Tests put in their own platform side and choose a person or cancel.
class ContactPicker {
public:
    struct Platform {
        // Shows the picker; its owner later calls selectPerson() or cancel().
        std::function<void(const std::shared_ptr<ContactPicker>&)> present;
    };

    static std::shared_ptr<ContactPicker> create();

    // The delegate is not owned (a screen that keeps the picker is its delegate).
    void setPeoplePickerDelegate(std::weak_ptr<PeoplePickerDelegate> delegate) { delegate_ = std::move(delegate); }

    // Main thread.
    static void present(const std::shared_ptr<ContactPicker>& picker);
    void dismiss() { presented_ = false; }
    bool isPresented() const { return presented_; }

    // The platform side (or a test): the person's choice, told to the delegate.
    bool selectPerson(const Person& person);
    void cancel();

    static std::vector<std::shared_ptr<ContactPicker>> presentedPickers();
    static void setPlatform(Platform platform);
    static void resetForTests();

private:
    ContactPicker() = default;
    std::weak_ptr<PeoplePickerDelegate> delegate_;
    bool presented_ = false;
};

}  // namespace zuno::sys
