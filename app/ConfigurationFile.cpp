#include "ConfigurationFile.h"

#include <filesystem>

#include "platform/core/Exception.h"
#include "platform/core/PropertyList.h"
#include "platform/net/UrlEncoding.h"

namespace zuno::app {

namespace {
enum class Form { Text, Port, WebAddress, Flag };

struct Key {
    const char* name;
    Form form;
    bool required;
    const char* meaning;  // as the README says it
};

constexpr Key kKeys[] = {
    {"Server", Form::Text, true, "the game server's address"},
    {"Port", Form::Port, true, "the game server's port"},
    {"LinkServer", Form::WebAddress, true, "the address of the server list"},
    {"PaymentUrl", Form::WebAddress, false, "the address of the payment options"},
    {"LinkTerm", Form::WebAddress, false, "the address of the terms page"},
    {"LinkGuide", Form::WebAddress, false, "the address of the guide page"},
    {"AppStoreUrl", Form::WebAddress, false, "the address of the download page"},
    {"Hotline", Form::Text, false, "the hotline's number"},
    {"AppStore", Form::Flag, false, "whether the program is the store's build"},
};

bool isPortNumber(const sys::Value& value) {
    if (value.isText()) {
        const std::string& text = *value.text();
        if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    } else if (!value.isInteger()) {
        return false;
    }
    const int64_t port = value.asInteger();
    return port >= 1 && port <= 65535;
}

// What is wrong with a value given for the key; empty when it is good.
std::string problemOf(const Key& key, const sys::Value& value) {
    const std::string shown = value.isText()      ? "'" + *value.text() + "'"
                              : value.isInteger() ? std::to_string(value.asInteger())
                                                  : std::string("a ") + sys::Value::kindName(value.kind());
    switch (key.form) {
        case Form::Text:
            if ((value.isText() && !value.text()->empty()) || value.isInteger()) return {};
            return "is not a text: " + shown;
        case Form::Port:
            if (isPortNumber(value)) return {};
            return "is not a port number from 1 to 65535: " + shown;
        case Form::WebAddress:
            if (value.isText() && sys::isWebUrl(*value.text())) return {};
            return "is not an http or https address: " + shown;
        case Form::Flag:
            if (value.isBool()) return {};
            return "is not true or false: " + shown;
    }
    return {};
}
}  // namespace

std::string checkConfigurationFile(const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) return "no configuration file " + path;
    sys::Value root;
    try {
        root = sys::PropertyList::readFile(path);
    } catch (const sys::Exception& e) {
        return e.reason() + " (the configuration file is not a property list)";
    }
    const sys::Dictionary* entries = root.dictionary();
    if (!entries) return path + ": the configuration is not a property list dictionary";
    for (const Key& key : kKeys) {
        const sys::Value* value = entries->find(key.name);
        if (!value) {
            if (key.required) return path + ": " + key.name + " is missing (" + key.meaning + ")";
            continue;
        }
        if (std::string problem = problemOf(key, *value); !problem.empty())
            return path + ": " + key.name + " (" + key.meaning + ") " + problem;
    }
    return {};
}

}  // namespace zuno::app
