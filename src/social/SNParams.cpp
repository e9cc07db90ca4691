#include "social/SNParams.h"

#include <algorithm>

#include "platform/net/UrlEncoding.h"

namespace zuno {

SNParams::SNParams(std::initializer_list<std::pair<std::string, std::string>> texts) {
    for (const auto& [key, value] : texts) set(key, value);
}

void SNParams::set(std::string key, SNParamValue value) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    if (it != entries_.end()) {
        it->second = std::move(value);
    } else {
        entries_.emplace_back(std::move(key), std::move(value));
    }
}

const SNParamValue* SNParams::find(std::string_view key) const {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    return it == entries_.end() ? nullptr : &it->second;
}

std::optional<std::string> SNParams::text(std::string_view key) const {
    const SNParamValue* value = find(key);
    if (!value || !std::holds_alternative<std::string>(*value)) return std::nullopt;
    return std::get<std::string>(*value);
}

bool SNParams::erase(std::string_view key) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

std::string SNParams::queryString() const {
    std::string query;
    for (const auto& [key, value] : entries_) {
        if (isUpload(value)) continue;
        if (!query.empty()) query += '&';
        query += key + "=" + sys::percentEncode(std::get<std::string>(value));
    }
    return query;
}

std::string SNError::debugDescription() const {
    std::string text = domain + " " + std::to_string(code);
    for (const char* key : {"error_msg", "NSLocalizedDescription"}) {
        if (const sys::Value* v = userInfo.find(key); v && v->isText()) return text + ": " + *v->text();
    }
    return text;
}

}  // namespace zuno
