#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

namespace zuno {

// The table screen a card lies on, told when the player raises or lowers one of its cards.
class CardTableDelegate {
public:
    virtual ~CardTableDelegate() = default;
    virtual void cardSelectionChanged() = 0;
};

// A card drawn on a card table, numbered in the Tien Len order (id = rank * 4 + suit, rank 0 "3" ...
// 12 "2"; suits spade, club, diamond, heart). Selecting raises it by 15 points and tells its table.
class CardView : public ui::View {
public:
    static constexpr double kWidth = 60, kHeight = 80;
    static constexpr double kRaise = 15;
    static constexpr ui::Point kStartCenter{240, 142};
    // Index: ace-low value (0 "A" ... 12 "K"); entry: the Tien Len rank.
    static constexpr std::array<uint8_t, 13> kRankMapping{11, 12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

    explicit CardView(int8_t cardId);
    CardView(int8_t cardId, bool isPhom);
    // The banker games draw the same card.
    static std::shared_ptr<CardView> initWithCardIDForBaiCao(int8_t cardId) { return std::make_shared<CardView>(cardId); }

    // Toggles the selection: down by 15 points when raised, up by 15 when not (0.1 s).
    virtual void setSelected();
    // Drawn at another size about its centre, every picture on it stretched to the new size.
    void resize(ui::Size size);

    ui::Point pos;
    bool isSelected = false;
    bool isMove = false, isMoving = false;
    ui::Point oldCenter;  // centre before the last selection change, in the lowered place
    ui::Point newCenter;
    std::weak_ptr<CardView> nextCard;
    int8_t phom = 0;
    int8_t cardID = 0;
    std::optional<std::array<uint8_t, 13>> cardMapping;  // with the isPhom flag only
    int cardType = 0;   // suit
    int cardValue = 0;  // rank, or ace-low value for CardViewPhom
    int cardColor = 0;  // 0 black suits, 1 red
    bool isTouch = false;
    // The table that dealt the card; none for a card nobody selects.
    std::weak_ptr<CardTableDelegate> delegate;

    std::shared_ptr<ui::ImageView> imageView() const { return imageView_; }
    // The picture's number: the Tien Len id, 100 for id 0; -1 for the back.
    static int imageNumberOfTienLenId(int tienLenId);

protected:
    struct Sized {};
    static constexpr int kNoImage = -2;  // a card made outside the ace-low games has no picture
    CardView(Sized, ui::Size size);
    void setCard(int8_t cardId, int imageNumber);

private:
    std::shared_ptr<ui::ImageView> imageView_;
};

// A card numbered ace-low (id = value * 4 + suit, value 0 "A" ... 12 "K"), as Phom, new Phom, Poker,
// Bai Cao and Xi Zach send them; -1 is a card seen from the back. Drawn with the same pictures; 45 x 60
// points at a Poker table.
class CardViewPhom : public CardView {
public:
    explicit CardViewPhom(int8_t cardId);
    CardViewPhom(int8_t cardId, bool isPhom);
    CardViewPhom(int8_t cardId, bool isPhom, int32_t userId);

    static int mapToRealCardIdWithId(int8_t phomId);
    static int8_t mapToPhomValue(int8_t phomId);

    bool isDrap = false;
    ui::Point gestureStartPoint;
    bool isFix = false;
    bool isPhom = false;
    bool isChecked = false;
    int32_t playerID = 0;
};

}  // namespace zuno
