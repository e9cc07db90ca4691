#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Property.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// The seat record of both banker games (Bai Cao and Xi Zach). Only isDaXet is used by the tables;
// the others are carried with the record.
class BaiCaoPlayer : public TienLenPlayer {
public:
    // The player's stake.
    ZUNO_PROPERTY(int64_t, tienCuoc, setTienCuoc) = 0;
    // Number of cards dealt.
    ZUNO_PROPERTY(int32_t, nBaiChia, setNBaiChia) = 0;
    // Score text.
    ZUNO_PROPERTY(std::string, diemSo, setDiemSo);
    // Xi Zach: the dealer has examined this player's hand in the current deal.
    ZUNO_PROPERTY(bool, isDaXet, setIsDaXet) = false;
};

}  // namespace zuno
