#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuno::sys {

using SystemSoundID = uint32_t;

// Short sounds made from the bundle's files and played by id, fire and forget: a play returns at once
// and overlapping plays mix. They go to the audio device through SDL when there is one; without one
// nothing is heard. Vibration is the id kVibrate (nothing to feel on a desktop).
//
// Once a test asks (recordPlays), every play is recorded, heard or not, so that it can check which
// sounds a screen made; otherwise nothing is kept of them.
class Sound {
public:
    static constexpr SystemSoundID kVibrate = 4095;

    // A sound from a WAV or CAF (linear PCM) file; 0 when the file is missing or not readable audio.
    static SystemSoundID createSystemSound(const std::string& path);
    static void dispose(SystemSoundID id);
    // Any thread. An unknown id plays nothing (but is recorded).
    static void play(SystemSoundID id);
    static void vibrate() { play(kVibrate); }

    struct Play {
        SystemSoundID id;
        std::string name;  // the file name ("EAT.WAV"), "vibrate", or "" for an unknown id
    };
    // Tests: the plays from now on are recorded (until resetForTests), an earlier record forgotten.
    static void recordPlays();
    static std::vector<Play> played();
    static std::vector<std::string> playedNames();
    static void clearPlayed();

    // The file name a sound was made from ("" when unknown).
    static std::string nameOf(SystemSoundID id);

    // Whether plays go to an audio device at all (on by default; tests keep it off). The device is
    // opened on the first play that needs it and closed again by the main run loop about two seconds
    // after the last sound has ended; the next play opens it again at once.
    static void setOutputEnabled(bool enabled);
    // True while an audio device is open.
    static bool outputOpen();
    // True while the open device is playing: it is paused whenever no sound is left to play, so an idle
    // program does no audio work.
    static bool outputPlaying();
    // Tests: while held, an open device plays silence and the sounds on it stay where they are, so a
    // sound started is still playing when it is looked at, whenever the audio thread runs. Output
    // turned off lets go.
    static void holdOutput(bool held);

    // Forgets the record of plays, stops recording them and turns output off; the sounds made stay.
    static void resetForTests();
};

}  // namespace zuno::sys
