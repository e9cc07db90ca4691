#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/media/AudioClip.h"
#include "platform/media/Sound.h"
#include "support/PlatformReset.h"
#include "support/StandardError.h"

using namespace zuno::sys;

namespace {
void le(std::string& out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void be(std::string& out, uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

// Waits (real time) until the audio device has stopped asking for sound.
bool pausedWithin(double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (Sound::outputPlaying() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !Sound::outputPlaying();
}

std::string wav(int tag, int channels, int rate, int bits, const std::string& samples, bool extensible = false) {
    std::string fmt;
    le(fmt, extensible ? 0xFFFE : tag, 2);
    le(fmt, channels, 2);
    le(fmt, rate, 4);
    le(fmt, rate * channels * bits / 8, 4);
    le(fmt, channels * bits / 8, 2);
    le(fmt, bits, 2);
    if (extensible) {
        le(fmt, 22, 2);
        le(fmt, bits, 2);
        le(fmt, 0, 4);
        le(fmt, tag, 2);
        fmt += std::string(14, '\x01');
    }
    std::string body = "WAVE";
    body += "fmt ";
    le(body, fmt.size(), 4);
    body += fmt;
    body += "LIST";  // a chunk to skip, odd-sized
    le(body, 3, 4);
    body += "abc";
    body.push_back('\0');
    body += "data";
    le(body, samples.size(), 4);
    body += samples;
    std::string out = "RIFF";
    le(out, body.size(), 4);
    return out + body;
}

std::string caf(bool isFloat, bool littleEndian, int channels, int bits, const std::string& samples, bool toEnd) {
    std::string out = "caff";
    be(out, 1, 2);
    be(out, 0, 2);
    out += "desc";
    be(out, 32, 8);
    double rate = 22050;
    uint64_t rateBits;
    std::memcpy(&rateBits, &rate, 8);
    be(out, rateBits, 8);
    out += "lpcm";
    be(out, (isFloat ? 1 : 0) | (littleEndian ? 2 : 0), 4);
    be(out, channels * bits / 8, 4);
    be(out, 1, 4);
    be(out, channels, 4);
    be(out, bits, 4);
    out += "data";
    be(out, toEnd ? UINT64_MAX : samples.size() + 4, 8);
    be(out, 0, 4);  // edit count
    return out + samples;
}

std::string writeFile(const std::string& name, const std::string& bytes) {
    std::string path = zuno::testing::makeTemporaryFolder("sounds-" + name) + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace

TEST(AudioClipTest, WavSampleFormats) {
    std::string s16;
    le(s16, 0x4000, 2);
    le(s16, 0x8000, 2);  // -32768
    auto mono = decodeAudio(wav(1, 1, 8000, 16, s16));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->sampleRate, 8000);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->samples, (std::vector<float>{0.5f, -1.0f}));

    auto u8 = decodeAudio(wav(1, 2, 11025, 8, std::string("\x80\xc0\x00\xff", 4)));
    ASSERT_TRUE(u8);
    EXPECT_EQ(u8->frames(), 2u);
    EXPECT_EQ(u8->samples[0], 0.0f);
    EXPECT_EQ(u8->samples[1], 0.5f);
    EXPECT_EQ(u8->samples[2], -1.0f);

    std::string s24;
    le(s24, 0xC00000, 3);  // -0.5
    EXPECT_EQ(decodeAudio(wav(1, 1, 44100, 24, s24))->samples, (std::vector<float>{-0.5f}));

    std::string f32;
    float half = 0.25f, big = 7.0f;
    uint32_t bits;
    std::memcpy(&bits, &half, 4);
    le(f32, bits, 4);
    std::memcpy(&bits, &big, 4);
    le(f32, bits, 4);
    EXPECT_EQ(decodeAudio(wav(3, 1, 44100, 32, f32, true))->samples, (std::vector<float>{0.25f, 1.0f}));

    // Four channels keep the first two.
    std::string quad;
    for (int v : {1, 2, 3, 4}) le(quad, v * 0x1000, 2);
    auto q = decodeAudio(wav(1, 4, 8000, 16, quad));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->channels, 2);
    EXPECT_EQ(q->frames(), 1u);
}

TEST(AudioClipTest, CafLinearPcm) {
    std::string s16;
    be(s16, 0x4000, 2);
    be(s16, 0xC000, 2);
    auto c = decodeAudio(caf(false, false, 2, 16, s16, false));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->sampleRate, 22050);
    EXPECT_EQ(c->samples, (std::vector<float>{0.5f, -0.5f}));

    std::string f32;
    float v = -0.75f;
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    le(f32, bits, 4);
    auto f = decodeAudio(caf(true, true, 1, 32, f32, true));  // data running to the end of the file
    ASSERT_TRUE(f);
    EXPECT_EQ(f->samples, (std::vector<float>{-0.75f}));
}

TEST(AudioClipTest, WhatIsNotPlainPcmIsRefused) {
    std::string error;
    EXPECT_FALSE(decodeAudio("ID3 an mp3", &error));
    EXPECT_EQ(error, "neither a WAV nor a CAF file");
    EXPECT_FALSE(decodeAudio(wav(2, 1, 8000, 4, "abcd"), &error));  // ADPCM
    EXPECT_EQ(error, "WAV data is not linear PCM");
    EXPECT_FALSE(decodeAudio(wav(1, 0, 8000, 16, "abcd"), &error));
    EXPECT_FALSE(decodeAudio(wav(1, 1, 8000, 12, "abcd"), &error));
    std::string aac = caf(false, false, 1, 16, "ab", false);
    aac.replace(aac.find("lpcm"), 4, "aac ");
    EXPECT_FALSE(decodeAudio(aac, &error));
    EXPECT_EQ(error, "CAF data is not linear PCM");
    // A cut file keeps the whole frames it has.
    std::string cut = wav(1, 1, 8000, 16, std::string(100, '\0'));
    cut.resize(cut.size() - 51);
    ASSERT_TRUE(decodeAudio(cut));
    EXPECT_EQ(decodeAudio(cut)->frames(), 24u);
}

TEST(SoundTest, PlaysAreRecordedByName) {
    SystemSoundID eat = Sound::createSystemSound(writeFile("EAT.WAV", wav(1, 1, 8000, 16, std::string(64, '\0'))));
    SystemSoundID flip = Sound::createSystemSound(writeFile("lat-bai.caf", caf(false, false, 1, 16, std::string(8, '\0'), false)));
    ASSERT_NE(eat, 0u);
    ASSERT_NE(flip, 0u);
    EXPECT_NE(eat, flip);
    EXPECT_NE(eat, Sound::kVibrate);
    // Nothing is kept of the plays until a test asks: a long run would keep every one.
    Sound::play(eat);
    Sound::vibrate();
    EXPECT_TRUE(Sound::played().empty());

    Sound::recordPlays();
    Sound::play(eat);
    Sound::play(flip);
    Sound::vibrate();
    Sound::play(99999);  // unknown: nothing to hear, still recorded
    EXPECT_EQ(Sound::playedNames(), (std::vector<std::string>{"EAT.WAV", "lat-bai.caf", "vibrate", ""}));
    EXPECT_EQ(Sound::played()[2].id, 4095u);
    Sound::clearPlayed();
    EXPECT_TRUE(Sound::played().empty());
    Sound::resetForTests();
    Sound::play(eat);
    EXPECT_TRUE(Sound::played().empty());
    Sound::dispose(eat);
    EXPECT_EQ(Sound::nameOf(eat), "");
}

TEST(SoundTest, UnreadableFilesMakeNoSound) {
    EXPECT_EQ(Sound::createSystemSound("/nonexistent/sound.wav"), 0u);
    EXPECT_EQ(Sound::createSystemSound(writeFile("broken.wav", "RIFF....WAVEjunk")), 0u);
    EXPECT_TRUE(Log::contains("broken.wav: WAV file without data"));
}

TEST(SoundTest, PlaysThroughAnAudioDeviceWhenThereIsOne) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);  // a device that exists and plays into nothing
    SystemSoundID id = Sound::createSystemSound(writeFile("beep.wav", wav(1, 1, 8000, 16, std::string(1600, '\x10'))));
    Sound::setOutputEnabled(true);
    Sound::recordPlays();
    for (int i = 0; i < 20; ++i) Sound::play(id);  // more at once than the mixer keeps
    EXPECT_TRUE(Sound::outputOpen()) << "SDL found no dummy audio driver";
    EXPECT_EQ(Sound::played().size(), 20u);
    Sound::setOutputEnabled(false);
    EXPECT_FALSE(Sound::outputOpen());
}

TEST(SoundTest, TheDeviceIsPausedWhenNothingPlays) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A click of 20 ms: the device plays it and then stops asking for sound.
    SystemSoundID click = Sound::createSystemSound(writeFile("click.wav", wav(1, 1, 8000, 16, std::string(320, '\x10'))));
    Sound::setOutputEnabled(true);
    Sound::play(click);
    ASSERT_TRUE(Sound::outputOpen()) << "SDL found no dummy audio driver";
    EXPECT_TRUE(pausedWithin(5));
    // Resumed by the next sound (held, so that it cannot play out before it is looked at), paused
    // again after it.
    Sound::holdOutput(true);
    Sound::play(click);
    EXPECT_TRUE(Sound::outputPlaying());
    Sound::holdOutput(false);
    EXPECT_TRUE(pausedWithin(5));
    EXPECT_TRUE(Sound::outputOpen());
    Sound::setOutputEnabled(false);
}

// The paused device's thread still wakes, so the main loop closes the device after about two quiet
// seconds; the next sound opens it again and plays at once.
TEST(SoundTest, TheDeviceClosesAfterAQuietSpellAndOpensForTheNextSound) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto& loop = RunLoop::main();
    SystemSoundID click = Sound::createSystemSound(writeFile("click.wav", wav(1, 1, 8000, 16, std::string(320, '\x10'))));
    Sound::setOutputEnabled(true);
    Sound::play(click);
    ASSERT_TRUE(Sound::outputOpen()) << "SDL found no dummy audio driver";
    ASSERT_TRUE(pausedWithin(5));
    loop.runFor(1.9);
    EXPECT_TRUE(Sound::outputOpen());
    loop.runFor(0.2);
    EXPECT_FALSE(Sound::outputOpen());

    // Opened again and playing before play() returns (held, so that the audio thread cannot have played
    // it out before it is looked at).
    SystemSoundID second = Sound::createSystemSound(writeFile("second.wav", wav(1, 1, 8000, 16, std::string(16000, '\x10'))));
    Sound::holdOutput(true);
    Sound::play(second);
    EXPECT_TRUE(Sound::outputOpen());
    EXPECT_TRUE(Sound::outputPlaying());
    Sound::holdOutput(false);
    ASSERT_TRUE(pausedWithin(5));
    loop.runFor(1.0);  // the loop's clock to where the second ends
    loop.runFor(1.5);
    Sound::play(click);  // a sound within the quiet spell starts it again
    ASSERT_TRUE(pausedWithin(5));
    loop.runFor(1.5);
    EXPECT_TRUE(Sound::outputOpen());
    loop.runFor(0.6);
    EXPECT_FALSE(Sound::outputOpen());

    // A sound still playing out is never cut off, however far the loop's clock runs ahead: held, the
    // click is still on the device long after the loop's clock has passed its end.
    Sound::holdOutput(true);
    Sound::play(click);
    loop.runFor(30);
    EXPECT_TRUE(Sound::outputOpen());
    EXPECT_TRUE(Sound::outputPlaying());
    Sound::setOutputEnabled(false);
    EXPECT_FALSE(Sound::outputOpen());
    EXPECT_EQ(loop.timerCount(), 0u);
}

// With no sound card ALSA has lines of its own to say so ("ALSA lib confmisc.c:855:(parse_card) cannot
// find card"); only the program's warning that sounds are silent may reach the user.
TEST(SoundTest, WithoutASoundCardOnlyTheProgramsWarningIsPrinted) {
    ::setenv("SDL_AUDIODRIVER", "alsa", 1);
    ::setenv("ALSA_CARD", "zuno-no-such-card", 1);
    SystemSoundID click = Sound::createSystemSound(writeFile("click.wav", wav(1, 1, 8000, 16, std::string(320, '\x10'))));
    const std::string printed = zuno::testing::standardErrorOf([&] {
        Sound::setOutputEnabled(true);
        Sound::play(click);
    });
    ::unsetenv("ALSA_CARD");
    Sound::setOutputEnabled(false);
    EXPECT_EQ(printed, "");
}
