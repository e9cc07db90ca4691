// Any bytes as a social service answer (the first two bytes its status): the mapping gives a result, an
// error or neither, and an answer of a failure status always gives one of the first two; masking the
// token of an address twice changes nothing more; nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "social/SNRequest.h"

using namespace zuno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int status = (data[0] << 8 | data[1]) % 600;
    const std::string_view body(reinterpret_cast<const char*>(data + 2), size - 2);
    auto response = SNRequest::parseJsonResponse(body, status);
    const bool success = status >= 200 && status < 300;
    if (!success && !response.result && !response.error) std::abort();
    if (response.error && response.error->domain != SNError::kDomain) std::abort();
    if (response.result && !response.result->isArray() && !response.result->isDictionary()) std::abort();

    const std::string masked = SNRequest::maskAccessToken(std::string(body));
    if (masked.find("access_token=") != std::string::npos &&
        SNRequest::maskAccessToken(masked) != masked) std::abort();
    return 0;
}
