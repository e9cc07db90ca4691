#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zuno {

// The rules of the personal-data tab's edits, apart from its views.
namespace profile_edits {

// The gender button's text: 0 not given, 1 man, 2 woman; anything else is shown as not known.
const char* genderKey(int8_t gender);

// What picking a gender in the segmented control (0 none, 1 man, 2 woman) does to the stored gender.
struct GenderChange {
    int8_t gender = 0;     // stored afterwards
    bool send = false;     // the record is sent
    bool newLook = false;  // the worn items are asked again and the profile marks the change
};
GenderChange chooseGender(int8_t stored, int index);
// The button's text after a pick.
const char* pickedGenderKey(int index);

// A typed birth year: 1 to 32767 is stored; anything else keeps the stored year.
std::optional<int16_t> parseBirthYear(const std::string& text);
// What the birth-year button shows for a stored year.
std::string birthYearText(int16_t year);

// Under three provinces the shared list counts as not loaded.
constexpr size_t kLoadedProvinces = 3;

}  // namespace profile_edits

}  // namespace zuno
