#include "platform/media/Sound.h"

#include <SDL.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "platform/core/AtomicFile.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/media/AlsaMessages.h"
#include "platform/media/AudioClip.h"

namespace zuno::sys {

namespace {
constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr size_t kMaxVoices = 16;
// A paused device still keeps SDL's audio thread waking, so it is closed after this long without a
// voice; the next sound opens it again.
constexpr double kQuietSecondsBeforeClosing = 2.0;

using Samples = std::vector<float>;  // interleaved stereo at the output rate

struct SoundEntry {
    std::string name;
    AudioClip clip;
    std::shared_ptr<const Samples> converted;  // made on the first play that is heard
};

// The audio device and the sounds now playing on it. SDL calls mix() on its own thread.
class Mixer {
public:
    ~Mixer() { close(); }

    // The audio system stays started once the device has been opened, so opening the device again
    // after a quiet spell is quick.
    bool open() {
        if (device_ != 0) return true;
        if (failed_) return false;
        routeAlsaMessagesToLog();
        if (!audioStarted_ && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            failed_ = true;
            Log::warning(std::string("Sound: no audio (") + SDL_GetError() + "); sounds are silent");
            return false;
        }
        audioStarted_ = true;
        SDL_AudioSpec want{};
        want.freq = kOutputRate;
        want.format = AUDIO_F32SYS;
        want.channels = kOutputChannels;
        want.samples = 1024;
        want.callback = &Mixer::callback;
        want.userdata = this;
        SDL_AudioSpec got{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &got, 0);
        if (device_ == 0) {
            failed_ = true;
            Log::warning(std::string("Sound: no audio device (") + SDL_GetError() + "); sounds are silent");
            close();
            return false;
        }
        // A device opens paused and stays so while nothing sounds: start() resumes it, mix() pauses it.
        return true;
    }

    void closeDevice() {
        if (device_ == 0) return;
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        voices_.clear();
    }

    void close() {
        closeDevice();
        if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioStarted_ = false;
    }

    // Closed, and a device that failed to open is tried again on the next play; no longer held.
    void reset() {
        close();
        failed_ = false;
        held_ = false;
    }

    void hold(bool held) {
        if (device_ != 0) SDL_LockAudioDevice(device_);
        held_ = held;
        if (device_ != 0) SDL_UnlockAudioDevice(device_);
    }

    bool isOpen() const { return device_ != 0; }

    bool hasVoices() {
        if (device_ == 0) return false;
        SDL_LockAudioDevice(device_);
        bool any = !voices_.empty();
        SDL_UnlockAudioDevice(device_);
        return any;
    }

    void start(std::shared_ptr<const Samples> samples) {
        SDL_LockAudioDevice(device_);
        if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());  // the oldest gives way
        voices_.push_back(Voice{std::move(samples), 0});
        SDL_PauseAudioDevice(device_, 0);
        SDL_UnlockAudioDevice(device_);
    }

    bool isPlaying() const { return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING; }

private:
    struct Voice {
        std::shared_ptr<const Samples> samples;
        size_t position;
    };

    static void callback(void* self, Uint8* stream, int length) {
        static_cast<Mixer*>(self)->mix(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / sizeof(float));
    }

    void mix(float* out, size_t count) {
        std::fill(out, out + count, 0.0f);
        if (held_) return;
        for (auto& v : voices_) {
            size_t n = std::min(count, v.samples->size() - v.position);
            const float* in = v.samples->data() + v.position;
            for (size_t i = 0; i < n; ++i) out[i] += in[i];
            v.position += n;
        }
        for (size_t i = 0; i < count; ++i) out[i] = out[i] > 1.0f ? 1.0f : (out[i] < -1.0f ? -1.0f : out[i]);
        voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                     [](const Voice& v) { return v.position >= v.samples->size(); }),
                      voices_.end());
        // Nothing left to play: stop asking for sound until the next start() (SDL takes no lock when
        // this is called from its own audio thread).
        if (voices_.empty()) SDL_PauseAudioDevice(device_, 1);
    }

    SDL_AudioDeviceID device_ = 0;
    bool audioStarted_ = false;
    bool failed_ = false;
    std::vector<Voice> voices_;  // guarded by the device lock
    bool held_ = false;          // guarded by the device lock
};

std::shared_ptr<const Samples> convertForOutput(const AudioClip& clip) {
    auto out = std::make_shared<Samples>();
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(clip.channels), clip.sampleRate,
                                                 AUDIO_F32SYS, kOutputChannels, kOutputRate);
    if (!stream) return out;
    if (SDL_AudioStreamPut(stream, clip.samples.data(), static_cast<int>(clip.samples.size() * sizeof(float))) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        out->resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(float));
        int got = SDL_AudioStreamGet(stream, out->data(), static_cast<int>(out->size() * sizeof(float)));
        out->resize(got > 0 ? static_cast<size_t>(got) / sizeof(float) : 0);
    }
    SDL_FreeAudioStream(stream);
    return out;
}

struct State {
    std::mutex mutex;
    std::map<SystemSoundID, SoundEntry> sounds;
    SystemSoundID nextId = Sound::kVibrate + 1;
    bool recordsPlays = false;
    std::vector<Sound::Play> played;
    bool outputEnabled = true;
    Mixer mixer;
    // When the last sound started so far ends, on the main run loop's clock, and the timer that closes
    // the device once it has been quiet for a while after that.
    double lastSoundEnds = 0.0;
    RunLoop::TimerId closingTimer = 0;
};

State& state() {
    static State* s = new State();  // lives for the whole run; the device closes with the process
    return *s;
}

void closeWhenQuiet();

// With the state locked. One closing timer at a time (a loop reset may have dropped it).
void scheduleClosing(State& s, double delay) {
    if (RunLoop::main().isScheduled(s.closingTimer)) return;
    s.closingTimer = RunLoop::main().postDelayed(delay, &closeWhenQuiet);
}

void closeWhenQuiet() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.closingTimer = 0;
    if (!s.mixer.isOpen()) return;
    const double now = RunLoop::main().now();
    const double closeAt = s.lastSoundEnds + kQuietSecondsBeforeClosing;
    if (now < closeAt) {
        scheduleClosing(s, closeAt - now);  // a later sound came
    } else if (s.mixer.hasVoices()) {
        scheduleClosing(s, kQuietSecondsBeforeClosing);  // still playing out, behind the loop's clock
    } else {
        s.mixer.closeDevice();
    }
}

double secondsOf(const Samples& samples) {
    return static_cast<double>(samples.size()) / (kOutputRate * kOutputChannels);
}

std::string fileName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

SystemSoundID Sound::createSystemSound(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes) {
        Log::warning("Sound: cannot read " + path);
        return 0;
    }
    std::string error;
    auto clip = decodeAudio(*bytes, &error);
    if (!clip) {
        Log::warning("Sound: " + path + ": " + error);
        return 0;
    }
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    SystemSoundID id = s.nextId++;
    s.sounds.emplace(id, SoundEntry{fileName(path), std::move(*clip), nullptr});
    return id;
}

void Sound::dispose(SystemSoundID id) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.sounds.erase(id);
}

void Sound::play(SystemSoundID id) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.sounds.find(id);
    if (s.recordsPlays) {
        std::string name = id == kVibrate ? "vibrate" : it == s.sounds.end() ? std::string() : it->second.name;
        s.played.push_back(Play{id, std::move(name)});
    }
    if (id == kVibrate) return;
    if (it == s.sounds.end() || !s.outputEnabled || !s.mixer.open()) return;
    if (!it->second.converted) it->second.converted = convertForOutput(it->second.clip);
    if (it->second.converted->empty()) return;
    s.mixer.start(it->second.converted);
    const double ends = RunLoop::main().now() + secondsOf(*it->second.converted);
    s.lastSoundEnds = std::max(s.lastSoundEnds, ends);
    scheduleClosing(s, s.lastSoundEnds + kQuietSecondsBeforeClosing - RunLoop::main().now());
}

void Sound::recordPlays() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.recordsPlays = true;
    s.played.clear();
}

std::vector<Sound::Play> Sound::played() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.played;
}

std::vector<std::string> Sound::playedNames() {
    std::vector<std::string> names;
    for (const auto& p : played()) names.push_back(p.name);
    return names;
}

void Sound::clearPlayed() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.played.clear();
}

std::string Sound::nameOf(SystemSoundID id) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.sounds.find(id);
    return it == s.sounds.end() ? std::string() : it->second.name;
}

void Sound::setOutputEnabled(bool enabled) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.outputEnabled = enabled;
    if (enabled) return;
    s.mixer.reset();
    RunLoop::main().cancel(s.closingTimer);
    s.closingTimer = 0;
    s.lastSoundEnds = 0.0;
}

bool Sound::outputOpen() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.mixer.isOpen();
}

void Sound::holdOutput(bool held) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.mixer.hold(held);
}

bool Sound::outputPlaying() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.mixer.isPlaying();
}

void Sound::resetForTests() {
    setOutputEnabled(false);
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.recordsPlays = false;
    s.played.clear();
}

}  // namespace zuno::sys
