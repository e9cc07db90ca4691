#pragma once

#include "platform/media/Sound.h"

namespace zuno {

// The eighteen short sounds of the tables, made once from the bundle's files. An id is 0 while its
// file is missing or unreadable; playing 0 is silent.
class SystemSounds {
public:
    SystemSounds() = default;
    ~SystemSounds();
    SystemSounds(const SystemSounds&) = delete;
    SystemSounds& operator=(const SystemSounds&) = delete;

    // Makes every sound from its bundle file.
    void loadSystemSounds();

    // Co Tuong and Co Vua.
    sys::SystemSoundID ct_eat_soundID() const { return ct_eat_soundID_; }
    sys::SystemSoundID ct_win_soundID() const { return ct_win_soundID_; }
    sys::SystemSoundID ct_move_soundID() const { return ct_move_soundID_; }
    sys::SystemSoundID ct_click_soundID() const { return ct_click_soundID_; }
    sys::SystemSoundID ct_chieu_soundID() const { return ct_chieu_soundID_; }
    // The card tables.
    sys::SystemSoundID com_player_join_board() const { return com_player_join_board_; }
    sys::SystemSoundID com_player_leave_board() const { return com_player_leave_board_; }
    sys::SystemSoundID com_ready() const { return com_ready_; }
    sys::SystemSoundID com_trung_tien() const { return com_trung_tien_; }
    sys::SystemSoundID bai_chia_bai() const { return bai_chia_bai_; }
    sys::SystemSoundID bai_lat_bai() const { return bai_lat_bai_; }
    sys::SystemSoundID bai_xao_bai() const { return bai_xao_bai_; }
    sys::SystemSoundID com_no_ready() const { return com_no_ready_; }
    sys::SystemSoundID com_dat_tien() const { return com_dat_tien_; }
    sys::SystemSoundID com_onebeep() const { return com_onebeep_; }
    // Blocks.
    sys::SystemSoundID t_bingo_soundID() const { return t_bingo_soundID_; }
    sys::SystemSoundID t_drop_soundID() const { return t_drop_soundID_; }
    sys::SystemSoundID t_rotate_soundID() const { return t_rotate_soundID_; }

private:
    static sys::SystemSoundID make(const char* name, const char* type);

    sys::SystemSoundID ct_eat_soundID_ = 0;
    sys::SystemSoundID ct_win_soundID_ = 0;
    sys::SystemSoundID ct_move_soundID_ = 0;
    sys::SystemSoundID ct_click_soundID_ = 0;
    sys::SystemSoundID ct_chieu_soundID_ = 0;
    sys::SystemSoundID com_player_join_board_ = 0;
    sys::SystemSoundID com_player_leave_board_ = 0;
    sys::SystemSoundID com_ready_ = 0;
    sys::SystemSoundID com_trung_tien_ = 0;
    sys::SystemSoundID bai_chia_bai_ = 0;
    sys::SystemSoundID bai_lat_bai_ = 0;
    sys::SystemSoundID bai_xao_bai_ = 0;
    sys::SystemSoundID com_no_ready_ = 0;
    sys::SystemSoundID com_dat_tien_ = 0;
    sys::SystemSoundID com_onebeep_ = 0;
    sys::SystemSoundID t_bingo_soundID_ = 0;
    sys::SystemSoundID t_drop_soundID_ = 0;
    sys::SystemSoundID t_rotate_soundID_ = 0;
};

}  // namespace zuno
