#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/ImageView.h"
#include "table/CardView.h"

namespace zuno {

class BankerCardTaps;

// A card at a Bai Cao or Xi Zach table. isTouch: the card is mine; isSelected (Bai Cao): its owner has
// asked to show it; isChecked: its face is shown to everybody. My Bai Cao cards start under a back
// laid over them, my Xi Zach cards face up; a tap is the only way a card turns into a game action.
class BCCardView : public CardViewPhom {
public:
    static constexpr int8_t kBaiCaoType = 11;
    static constexpr int8_t kXiZachType = 2;

    BCCardView(int8_t cardId, bool isPhom, int32_t playerId, bool isBaiCao);
    static std::shared_ptr<BCCardView> initWithCardID(int8_t cardId, bool isPhom, int32_t playerId, bool isBaiCao) {
        return std::make_shared<BCCardView>(cardId, isPhom, playerId, isBaiCao);
    }

    enum class TapAction { None, Fire, Examine };
    // What a tap does at the table of that game type.
    TapAction tapAction(int8_t gameType) const;
    // A tap on the card: the action goes to the given table (none: nothing).
    void tap(int8_t gameType, BankerCardTaps* table);

    // Lays the face over the card (the reveal); the back, if any, stays under it.
    void showFace();
    std::shared_ptr<ui::ImageView> cover() const { return cover_; }

    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    void layOver(const std::string& imageName);

    std::shared_ptr<ui::ImageView> cover_;
};

}  // namespace zuno
