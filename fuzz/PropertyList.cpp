// Property lists come from the bundle and from the user's own data folder: any bytes must give a value
// or a clean error, and what is read must write back to the same property list.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/core/Exception.h"
#include "platform/core/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zuno::sys;
    Value v;
    try {
        v = PropertyList::parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    } catch (const Exception&) {
        return 0;
    }
    std::string once = PropertyList::write(v);
    std::string twice;
    try {
        twice = PropertyList::write(PropertyList::parse(once, "written"));
    } catch (const Exception&) {
        std::abort();  // what we write we must be able to read
    }
    if (once != twice) std::abort();
    return 0;
}
