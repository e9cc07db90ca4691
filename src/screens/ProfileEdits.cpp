#include "screens/ProfileEdits.h"

#include <cerrno>
#include <cstdlib>

namespace zuno::profile_edits {

const char* genderKey(int8_t gender) {
    switch (gender) {
        case 1: return "ZUNO_Man";
        case 2: return "ZUNO_Woman";
        default: return "ZUNO_unknow";
    }
}

const char* pickedGenderKey(int index) {
    switch (index) {
        case 1: return "ZUNO_Man";
        case 2: return "ZUNO_Woman";
        default: return "ZUNO_no";
    }
}

GenderChange chooseGender(int8_t stored, int index) {
    if (index == stored) return {stored, false, false};
    // "None" is saved as man: between the two nothing changes but the record is sent again.
    if ((stored == 1 && index == 0) || (stored == 0 && index == 1)) return {1, true, false};
    return {int8_t(index == 0 ? 1 : index), true, true};
}

std::optional<int16_t> parseBirthYear(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < 1 || value > INT16_MAX) return std::nullopt;
    return int16_t(value);
}

std::string birthYearText(int16_t year) { return year > 0 ? std::to_string(year) : std::string(); }

}  // namespace zuno::profile_edits
