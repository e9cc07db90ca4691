// Any bytes as an HTML page for the page view: words, links and the title, entities decoded. Nothing
// may crash, leak or recurse without bound; no word is empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ui/HtmlText.h"

using namespace zuno::ui;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view html(reinterpret_cast<const char*>(data), size);
    HtmlDocument page = parseHtml(html);
    for (const HtmlWord& word : page.words) {
        if (word.text.empty() || word.heading < 0 || word.heading > 6) std::abort();
    }
    decodeHtmlEntities(html);
    return 0;
}
