// TEA decrypt over any cipher text: it answers nothing or a plaintext that enciphers back to itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "net/TEA.h"

using namespace zuno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TEA tea(in.ConsumeIntegral<int64_t>());
    std::vector<uint8_t> cipher = in.ConsumeRemainingBytes<uint8_t>();
    auto plain = tea.decrypt(cipher);
    if (!plain) {
        if (cipher.size() % 8 == 4 && cipher.size() >= 4) {
            uint32_t claimed = (uint32_t{cipher[0]} << 24) | (uint32_t{cipher[1]} << 16) | (uint32_t{cipher[2]} << 8) | cipher[3];
            if (claimed <= cipher.size() - 4) std::abort();  // refused a well-formed input
        }
        return 0;
    }
    if (plain->size() > cipher.size()) std::abort();
    auto again = tea.encrypt(*plain);
    auto back = tea.decrypt(again);
    if (!back || *back != *plain) std::abort();
    return 0;
}
