#include <gtest/gtest.h>

#include "platform/media/Sound.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

using namespace zuno;

TEST(SystemSounds, EveryTableSoundIsMadeFromItsBundleFileAndReleasedWithTheResources) {
    const auto& r = Resources::getInstance();
    std::vector<std::string> names;
    for (sys::SystemSoundID id :
         {r.ct_eat_soundID(), r.ct_win_soundID(), r.ct_move_soundID(), r.ct_click_soundID(), r.ct_chieu_soundID(),
          r.com_player_join_board(), r.com_player_leave_board(), r.com_ready(), r.com_trung_tien(), r.bai_chia_bai(),
          r.bai_lat_bai(), r.bai_xao_bai(), r.com_no_ready(), r.com_dat_tien(), r.com_onebeep(), r.t_bingo_soundID(),
          r.t_drop_soundID(), r.t_rotate_soundID()}) {
        names.push_back(sys::Sound::nameOf(id));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"EAT.WAV", "WIN.WAV", "MOVE.WAV", "CLICK.WAV", "CHIEU.WAV",
                                               "player_join_board.wav", "player_leave_board.wav", "ready.wav",
                                               "trung-tien.wav", "chia-bai.wav", "lat-bai.caf", "xao-bai.caf",
                                               "no-ready.caf", "dat-tien.caf", "onebeep.caf", "t_bingo.wav",
                                               "t_drop.wav", "t_rotate.wav"}));

    sys::SystemSoundID old = r.ct_eat_soundID();
    Resources::resetForTests();
    EXPECT_EQ(sys::Sound::nameOf(old), "");
    EXPECT_EQ(sys::Sound::nameOf(Resources::getInstance().ct_eat_soundID()), "EAT.WAV");
}

TEST(PlaySound, EachOperationPlaysItsSound) {
    sys::Sound::recordPlays();
    PlaySound::playBlocksDrop();
    PlaySound::playBlocksRotate();
    PlaySound::playBlocksBingo();
    PlaySound::playSoundWin();
    PlaySound::playSoundChieuTuog();
    PlaySound::playSoundEat();
    PlaySound::playSoundClick();
    PlaySound::playSoundMove();
    PlaySound::playSoundWithSource(Resources::getInstance().com_dat_tien());
    EXPECT_EQ(sys::Sound::playedNames(),
              (std::vector<std::string>{"t_drop.wav", "t_rotate.wav", "t_bingo.wav", "WIN.WAV", "CHIEU.WAV", "EAT.WAV",
                                        "CLICK.WAV", "MOVE.WAV", "dat-tien.caf"}));
}

TEST(Util, VibratesOnlyWhenSwitchedOn) {
    sys::Sound::recordPlays();
    Util::callRung();
    EXPECT_TRUE(sys::Sound::played().empty());
    UIController::setRung(true);
    Util::callRung();
    ASSERT_EQ(sys::Sound::played().size(), 1u);
    EXPECT_EQ(sys::Sound::played()[0].id, sys::Sound::kVibrate);
}
