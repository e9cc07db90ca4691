#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

// Decoded sound: interleaved samples between -1 and 1, one or two channels.
struct AudioClip {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    size_t frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double seconds() const { return sampleRate > 0 ? static_cast<double>(frames()) / sampleRate : 0.0; }
};

// Reads a WAV file (integer PCM of 8 to 32 bits, or float) or a CAF file with linear PCM, told apart
// by their first bytes. More than two channels keep the first two. Anything else gives nothing, with
// the reason in *error.
std::optional<AudioClip> decodeAudio(std::string_view bytes, std::string* error = nullptr);

}  // namespace zuno::sys
