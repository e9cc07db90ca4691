#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zuno::ui {

class View;

// Texts of interface files that name a key of the language table ("@ZUNO_login") instead of a text.
// The application installs the look-up (Resources does, when it is made); a view whose text names a
// key follows the language: after languageChanged() its text is looked up again.
class LocalizedText {
public:
    // The text of a key in the current language, or nothing when the key is unknown.
    using Resolver = std::function<std::optional<std::string>(std::string_view key)>;
    static void setResolver(Resolver resolver);
    static bool hasResolver();

    // "@KEY" names the key KEY; any other text is itself.
    static bool namesKey(std::string_view text) { return text.size() > 1 && text.front() == '@'; }
    // The key's text; nothing without a resolver or for an unknown key.
    static std::optional<std::string> lookUp(std::string_view key);

    // While `view` lives, `apply` gets the key's text again after each change of language.
    using Apply = std::function<void(View& view, const std::string& text)>;
    static void follow(const std::shared_ptr<View>& view, std::string key, Apply apply);
    // The language table changed: every followed text is looked up again (on the main thread; from
    // another thread it is posted there).
    static void languageChanged();
    // Texts followed by views still alive.
    static size_t followedCount();
};

}  // namespace zuno::ui
