#include "shell/SystemSounds.h"

#include <string>

#include "platform/core/Bundle.h"
#include "platform/core/Log.h"

namespace zuno {

sys::SystemSoundID SystemSounds::make(const char* name, const char* type) {
    auto file = sys::Bundle::main().pathForResource(name, type);
    if (!file) {
        sys::Log::warning(std::string("Resources: missing sound ") + name + "." + type);
        return 0;
    }
    return sys::Sound::createSystemSound(*file);
}

void SystemSounds::loadSystemSounds() {
    ct_eat_soundID_ = make("EAT", "WAV");
    ct_win_soundID_ = make("WIN", "WAV");
    ct_move_soundID_ = make("MOVE", "WAV");
    ct_click_soundID_ = make("CLICK", "WAV");
    ct_chieu_soundID_ = make("CHIEU", "WAV");
    com_player_join_board_ = make("player_join_board", "wav");
    com_player_leave_board_ = make("player_leave_board", "wav");
    com_ready_ = make("ready", "wav");
    com_trung_tien_ = make("trung-tien", "wav");
    bai_chia_bai_ = make("chia-bai", "wav");
    bai_lat_bai_ = make("lat-bai", "caf");
    bai_xao_bai_ = make("xao-bai", "caf");
    com_no_ready_ = make("no-ready", "caf");
    com_dat_tien_ = make("dat-tien", "caf");
    com_onebeep_ = make("onebeep", "caf");
    t_bingo_soundID_ = make("t_bingo", "wav");
    t_drop_soundID_ = make("t_drop", "wav");
    t_rotate_soundID_ = make("t_rotate", "wav");
}

SystemSounds::~SystemSounds() {
    for (sys::SystemSoundID id :
         {ct_eat_soundID_, ct_win_soundID_, ct_move_soundID_, ct_click_soundID_, ct_chieu_soundID_,
          com_player_join_board_, com_player_leave_board_, com_ready_, com_trung_tien_, bai_chia_bai_, bai_lat_bai_,
          bai_xao_bai_, com_no_ready_, com_dat_tien_, com_onebeep_, t_bingo_soundID_, t_drop_soundID_,
          t_rotate_soundID_}) {
        if (id != 0) sys::Sound::dispose(id);
    }
}

}  // namespace zuno
