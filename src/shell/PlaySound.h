#pragma once

#include "platform/media/Sound.h"

namespace zuno {

// Plays the sounds Resources made at start, at once and without waiting.
class PlaySound {
public:
    static void playSoundWithSource(sys::SystemSoundID soundId);
    static void playBlocksDrop();
    static void playBlocksRotate();
    static void playBlocksBingo();
    static void playSoundWin();
    static void playSoundChieuTuog();
    static void playSoundEat();
    static void playSoundClick();
    static void playSoundMove();
};

}  // namespace zuno
