#include "shell/PlaySound.h"

#include "shell/Resources.h"

namespace zuno {

namespace {
const Resources& sounds() { return Resources::getInstance(); }
}  // namespace

void PlaySound::playSoundWithSource(sys::SystemSoundID soundId) { sys::Sound::play(soundId); }
void PlaySound::playBlocksDrop() { sys::Sound::play(sounds().t_drop_soundID()); }
void PlaySound::playBlocksRotate() { sys::Sound::play(sounds().t_rotate_soundID()); }
void PlaySound::playBlocksBingo() { sys::Sound::play(sounds().t_bingo_soundID()); }
void PlaySound::playSoundWin() { sys::Sound::play(sounds().ct_win_soundID()); }
void PlaySound::playSoundChieuTuog() { sys::Sound::play(sounds().ct_chieu_soundID()); }
void PlaySound::playSoundEat() { sys::Sound::play(sounds().ct_eat_soundID()); }
void PlaySound::playSoundClick() { sys::Sound::play(sounds().ct_click_soundID()); }
void PlaySound::playSoundMove() { sys::Sound::play(sounds().ct_move_soundID()); }

}  // namespace zuno
