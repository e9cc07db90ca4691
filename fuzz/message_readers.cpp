// Message readers over any payload: every read either answers or raises our range failure.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "net/Message.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

using namespace zuno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (sys::Log::startCapture(), true);
    (void)quiet;
    sys::Log::clearCaptured();
    FuzzedDataProvider in(data, size);
    // The first bytes choose the reads; the rest is the received frame's plaintext.
    std::vector<uint8_t> ops = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 64));
    std::vector<uint8_t> raw = in.ConsumeRemainingBytes<uint8_t>();
    if (raw.empty()) return 0;
    Message m = Message::initWithRawData(raw);
    for (uint8_t op : ops) {
        try {
            switch (op % 9) {
                case 0: m.readBool(); break;
                case 1: m.readByte(); break;
                case 2: m.readShort(); break;
                case 3: m.readInt(); break;
                case 4: m.readLong(); break;
                case 5: m.readUTF(); break;
                case 6: m.readDataWithLength(static_cast<int16_t>(op * 37 - 600)); break;
                case 7: m.available(); break;
                case 8: m.set_idx(static_cast<int32_t>(op) - 128); break;
            }
        } catch (const sys::Exception& e) {
            if (e.name() != sys::Exception::kRange) std::abort();
        }
    }
    return 0;
}
