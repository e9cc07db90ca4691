#include "platform/media/AudioClip.h"

#include <cstdint>
#include <cstring>

namespace zuno::sys {

namespace {
constexpr size_t kMaxFrames = 48000u * 60u * 10u;  // ten minutes: far more than any sound effect

struct PcmLayout {
    int sampleRate = 0;
    int channels = 0;
    int bits = 0;
    bool isFloat = false;
    bool littleEndian = true;
    bool unsigned8 = false;  // WAV keeps 8-bit samples unsigned
};

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t be32(const unsigned char* p) { return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
uint64_t be64(const unsigned char* p) { return static_cast<uint64_t>(be32(p)) << 32 | be32(p + 4); }

bool fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

float sampleAt(const unsigned char* p, const PcmLayout& l) {
    int bytes = l.bits / 8;
    uint64_t raw = 0;
    for (int i = 0; i < bytes; ++i) {
        int shift = l.littleEndian ? 8 * i : 8 * (bytes - 1 - i);
        raw |= static_cast<uint64_t>(p[i]) << shift;
    }
    if (l.isFloat) {
        if (bytes == 4) {
            uint32_t u = static_cast<uint32_t>(raw);
            float f;
            std::memcpy(&f, &u, 4);
            return f != f ? 0.0f : (f > 1.0f ? 1.0f : (f < -1.0f ? -1.0f : f));
        }
        double d;
        std::memcpy(&d, &raw, 8);
        return d != d ? 0.0f : static_cast<float>(d > 1.0 ? 1.0 : (d < -1.0 ? -1.0 : d));
    }
    if (bytes == 1 && l.unsigned8) return (static_cast<int>(raw) - 128) / 128.0f;
    // Sign-extend the integer from its width.
    int64_t value = static_cast<int64_t>(raw << (64 - l.bits)) >> (64 - l.bits);
    return static_cast<float>(static_cast<double>(value) / static_cast<double>(int64_t{1} << (l.bits - 1)));
}

bool validLayout(const PcmLayout& l, std::string* error) {
    if (l.channels < 1 || l.channels > 8) return fail(error, "unsupported channel count");
    if (l.sampleRate < 1000 || l.sampleRate > 384000) return fail(error, "unsupported sample rate");
    if (l.isFloat ? (l.bits != 32 && l.bits != 64) : (l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32))
        return fail(error, "unsupported sample size");
    return true;
}

std::optional<AudioClip> decodePcm(const unsigned char* data, size_t size, const PcmLayout& l, std::string* error) {
    if (!validLayout(l, error)) return std::nullopt;
    size_t frameBytes = static_cast<size_t>(l.channels) * static_cast<size_t>(l.bits / 8);
    size_t frames = size / frameBytes;
    if (frames > kMaxFrames) frames = kMaxFrames;
    AudioClip clip;
    clip.sampleRate = l.sampleRate;
    clip.channels = l.channels > 2 ? 2 : l.channels;
    clip.samples.reserve(frames * static_cast<size_t>(clip.channels));
    for (size_t f = 0; f < frames; ++f) {
        const unsigned char* frame = data + f * frameBytes;
        for (int c = 0; c < clip.channels; ++c) clip.samples.push_back(sampleAt(frame + c * (l.bits / 8), l));
    }
    return clip;
}

std::optional<AudioClip> decodeWav(const unsigned char* p, size_t size, std::string* error) {
    if (size < 12) return fail(error, "WAV file too short"), std::nullopt;
    PcmLayout layout;
    bool haveFormat = false;
    size_t blockAlign = 0;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const unsigned char* chunk = p + pos;
        uint32_t length = le32(chunk + 4);
        size_t available = size - pos - 8;
        size_t body = length < available ? length : available;  // a cut file keeps what it has
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (body < 16) return fail(error, "WAV format chunk too short"), std::nullopt;
            uint16_t tag = le16(chunk + 8);
            if (tag == 0xFFFE && body >= 26) tag = le16(chunk + 8 + 24);  // the sub-format's first bytes
            if (tag != 1 && tag != 3) return fail(error, "WAV data is not linear PCM"), std::nullopt;
            layout.isFloat = tag == 3;
            layout.channels = le16(chunk + 10);
            layout.sampleRate = static_cast<int>(le32(chunk + 12) > 1000000 ? 0 : le32(chunk + 12));
            blockAlign = le16(chunk + 20);
            layout.bits = le16(chunk + 22);
            layout.unsigned8 = true;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return fail(error, "WAV data before its format"), std::nullopt;
            if (blockAlign != static_cast<size_t>(layout.channels) * static_cast<size_t>(layout.bits / 8) || blockAlign == 0)
                return fail(error, "WAV block size does not match its format"), std::nullopt;
            return decodePcm(chunk + 8, body, layout, error);
        }
        pos += 8 + static_cast<size_t>(length) + (length & 1);
        if (length > size) break;
    }
    return fail(error, "WAV file without data"), std::nullopt;
}

std::optional<AudioClip> decodeCaf(const unsigned char* p, size_t size, std::string* error) {
    if (size < 8 || p[4] != 0 || p[5] != 1) return fail(error, "unsupported CAF version"), std::nullopt;
    PcmLayout layout;
    layout.littleEndian = false;
    bool haveFormat = false;
    size_t pos = 8;
    while (pos + 12 <= size) {
        const unsigned char* chunk = p + pos;
        uint64_t length = be64(chunk + 4);
        size_t available = size - pos - 12;
        bool toEnd = length == UINT64_MAX;  // the data chunk may run to the end of the file
        size_t body = toEnd || length > available ? available : static_cast<size_t>(length);
        if (std::memcmp(chunk, "desc", 4) == 0) {
            if (body < 32) return fail(error, "CAF description too short"), std::nullopt;
            const unsigned char* d = chunk + 12;
            uint64_t rateBits = be64(d);
            double rate;
            std::memcpy(&rate, &rateBits, 8);
            if (std::memcmp(d + 8, "lpcm", 4) != 0) return fail(error, "CAF data is not linear PCM"), std::nullopt;
            uint32_t flags = be32(d + 12);
            uint32_t bytesPerPacket = be32(d + 16);
            uint32_t framesPerPacket = be32(d + 20);
            layout.channels = static_cast<int>(be32(d + 24) > 64 ? 0 : be32(d + 24));
            layout.bits = static_cast<int>(be32(d + 28) > 64 ? 0 : be32(d + 28));
            layout.isFloat = flags & 1;
            layout.littleEndian = flags & 2;
            layout.sampleRate = rate >= 1000 && rate <= 384000 ? static_cast<int>(rate) : 0;
            if (framesPerPacket != 1 ||
                bytesPerPacket != static_cast<uint32_t>(layout.channels) * static_cast<uint32_t>(layout.bits / 8))
                return fail(error, "CAF packets are not plain frames"), std::nullopt;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return fail(error, "CAF data before its description"), std::nullopt;
            if (body < 4) return fail(error, "CAF data chunk too short"), std::nullopt;
            return decodePcm(chunk + 16, body - 4, layout, error);  // after the edit count
        }
        if (toEnd || length > available) break;
        pos += 12 + static_cast<size_t>(length);
    }
    return fail(error, "CAF file without data"), std::nullopt;
}
}  // namespace

std::optional<AudioClip> decodeAudio(std::string_view bytes, std::string* error) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() >= 12 && std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "WAVE", 4) == 0)
        return decodeWav(p, bytes.size(), error);
    if (bytes.size() >= 4 && std::memcmp(p, "caff", 4) == 0) return decodeCaf(p, bytes.size(), error);
    fail(error, "neither a WAV nor a CAF file");
    return std::nullopt;
}

}  // namespace zuno::sys
