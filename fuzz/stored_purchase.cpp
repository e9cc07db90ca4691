// Any bytes as a stored purchase entry: what reads writes back as the same text, the receipt and the
// date never hold ";", and nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lobby/StoredPurchases.h"

using namespace zuno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view entry(reinterpret_cast<const char*>(data), size);
    if (auto read = StoredPurchases::parse(entry)) {
        if (StoredPurchases::format(*read) != entry) std::abort();
        if (read->receipt.find(';') != std::string::npos || read->date.find(';') != std::string::npos) std::abort();
        if (!StoredPurchases::parse(entry, read->userName)) std::abort();
    }
    StoredPurchases::parse(entry, entry.substr(0, size / 2));
    return 0;
}
