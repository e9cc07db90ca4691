#include <gtest/gtest.h>

#include "platform/core/Device.h"
#include "platform/media/Sound.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

using namespace zuno;

TEST(SystemSounds, EveryTableSoundIsMadeFromItsBundleFile) {
    const auto& r = Resources::getInstance();
    std::vector<std::pair<sys::SystemSoundID, std::string>> expected = {
        {r.ct_eat_soundID(), "EAT.WAV"},
        {r.ct_win_soundID(), "WIN.WAV"},
        {r.ct_move_soundID(), "MOVE.WAV"},
        {r.ct_click_soundID(), "CLICK.WAV"},
        {r.ct_chieu_soundID(), "CHIEU.WAV"},
        {r.com_player_join_board(), "player_join_board.wav"},
        {r.com_player_leave_board(), "player_leave_board.wav"},
        {r.com_ready(), "ready.wav"},
        {r.com_trung_tien(), "trung-tien.wav"},
        {r.bai_chia_bai(), "chia-bai.wav"},
        {r.bai_lat_bai(), "lat-bai.caf"},
        {r.bai_xao_bai(), "xao-bai.caf"},
        {r.com_no_ready(), "no-ready.caf"},
        {r.com_dat_tien(), "dat-tien.caf"},
        {r.com_onebeep(), "onebeep.caf"},
        {r.t_bingo_soundID(), "t_bingo.wav"},
        {r.t_drop_soundID(), "t_drop.wav"},
        {r.t_rotate_soundID(), "t_rotate.wav"},
    };
    for (const auto& [id, file] : expected) {
        EXPECT_NE(id, 0u) << file;
        EXPECT_EQ(sys::Sound::nameOf(id), file);
    }
}

TEST(SystemSounds, ReloadingTheResourcesReleasesTheOldSounds) {
    sys::SystemSoundID old = Resources::getInstance().ct_eat_soundID();
    Resources::resetForTests();
    EXPECT_EQ(sys::Sound::nameOf(old), "");
    EXPECT_EQ(sys::Sound::nameOf(Resources::getInstance().ct_eat_soundID()), "EAT.WAV");
}

TEST(PlaySound, EachOperationPlaysItsSound) {
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
    Util::callRung();
    EXPECT_TRUE(sys::Sound::played().empty());
    UIController::setRung(true);
    Util::callRung();
    ASSERT_EQ(sys::Sound::played().size(), 1u);
    EXPECT_EQ(sys::Sound::played()[0].id, sys::Sound::kVibrate);
}
