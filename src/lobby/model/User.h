#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/core/Property.h"

namespace zuno {

// A player's personal data and owned assets. Texts start absent.
class User {
    ZUNO_PROPERTY(std::optional<std::string>, address, setAddress);
    ZUNO_PROPERTY(std::vector<std::shared_ptr<Asset>>, assets, setAssets);
    ZUNO_PROPERTY(int16_t, birthYear, setBirthYear) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, fullname, setFullname);
    ZUNO_PROPERTY(int8_t, gender, setGender) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, idnumber, setIdnumber);
    // The profile update carries a password change.
    ZUNO_PROPERTY(bool, isChangePass, setIsChangePass) = false;
    ZUNO_PROPERTY(std::optional<std::string>, newPass, setNewPass);
    ZUNO_PROPERTY(std::optional<std::string>, oldPass, setOldPass);
    ZUNO_PROPERTY(std::optional<std::string>, status, setStatus);
    ZUNO_PROPERTY(std::optional<std::string>, phoneNum, setPhoneNum);
    ZUNO_PROPERTY(int8_t, provinceId, setProvinceId) = 0;
};

using UserPtr = std::shared_ptr<User>;

}  // namespace zuno
