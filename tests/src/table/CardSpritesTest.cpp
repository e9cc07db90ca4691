// Card sprites of both numberings and the seat player's hand.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "games/phom/PhomView.h"
#include "games/tienlen/TienLenView.h"
#include "shell/UIController.h"
#include "table/CardView.h"
#include "table/GameController.h"
#include "table/TienLenPlayer.h"

namespace zuno::testing {
namespace {

std::string pictureOf(const CardView& card) {
    auto image = card.imageView()->image();
    return image ? image->name() : std::string("(none)");
}

struct CountingTienLen : TienLenView {
    bool checkValidSelectedCards() override {
        ++checks;
        return true;
    }
    int checks = 0;
};

struct CountingPhom : PhomView {
    void cardSelectionChanged() override { ++selects; }
    int selects = 0;
};

TEST(CardSprites, PictureNumbersAndTheBack) {
    UIController::setGameType(7);
    struct Case {
        const char* name;
        bool aceLow;
        int id;
        std::string picture;
    };
    const Case cases[] = {
        {"three of spades", false, 0, "100.png"},   {"two of hearts", false, 51, "51.png"},
        {"ace-low three of spades", true, 8, "100.png"}, {"ace of spades", true, 0, "44.png"},
        {"two of hearts ace-low", true, 7, "51.png"}, {"back", true, -1, "baiti.png"},
    };
    for (const auto& c : cases) {
        std::shared_ptr<CardView> card = c.aceLow ? std::make_shared<CardViewPhom>(static_cast<int8_t>(c.id))
                                                  : std::make_shared<CardView>(static_cast<int8_t>(c.id));
        EXPECT_EQ(pictureOf(*card), c.picture) << c.name;
        EXPECT_EQ(card->cardID, c.id) << c.name;
        EXPECT_EQ(card->tag(), c.id) << c.name;
        EXPECT_EQ(card->center(), (ui::Point{240, 142})) << c.name;
    }
    CardViewPhom ace(0);
    EXPECT_EQ(ace.cardValue, 0);
    CardView heart(51);
    EXPECT_EQ(heart.cardType, 3);
    EXPECT_EQ(heart.cardValue, 12);
    EXPECT_EQ(heart.cardColor, 1);
    EXPECT_FALSE(heart.cardMapping);
    CardView withMapping(5, true);
    ASSERT_TRUE(withMapping.cardMapping);
    EXPECT_EQ((*withMapping.cardMapping)[0], 11);
    // Outside the ace-low games the sprite has no picture.
    UIController::setGameType(3);
    EXPECT_EQ(pictureOf(CardViewPhom(8)), "(none)");
}

TEST(CardSprites, PokerCardsAreSmaller) {
    UIController::setGameType(4);
    EXPECT_EQ(CardViewPhom(3).frame().size, (ui::Size{45, 60}));
    UIController::setGameType(11);
    EXPECT_EQ(CardViewPhom(3).frame().size, (ui::Size{60, 80}));
    EXPECT_EQ(CardView(3).frame().size, (ui::Size{60, 80}));
}

TEST(CardSprites, TogglingRaisesLowersAndTellsTheTableThatDealtIt) {
    auto tienLen = std::make_shared<CountingTienLen>();
    auto phom = std::make_shared<CountingPhom>();
    GameController::setTienLenView(tienLen);
    UIController::setGameType(3);

    CardView card(10);
    card.delegate = tienLen;
    card.setSelected();
    EXPECT_TRUE(card.isSelected);
    EXPECT_EQ(card.center(), (ui::Point{240, 127}));
    EXPECT_EQ(card.oldCenter, (ui::Point{240, 142}));
    card.setSelected();
    EXPECT_FALSE(card.isSelected);
    EXPECT_EQ(card.center(), (ui::Point{240, 142}));
    EXPECT_EQ(card.oldCenter, (ui::Point{240, 142}));  // always the lowered place
    EXPECT_EQ(tienLen->checks, 2);

    // Its own table is told, whatever game is chosen and whichever screen the game's slot holds.
    UIController::setGameType(7);
    CardViewPhom phomCard(10);
    phomCard.delegate = phom;
    phomCard.setSelected();
    card.setSelected();
    EXPECT_EQ(phom->selects, 1);
    EXPECT_EQ(tienLen->checks, 3);

    // A card nobody dealt, or whose table has gone, tells nobody.
    CardViewPhom loose(11);
    loose.setSelected();
    phom.reset();
    phomCard.setSelected();
    EXPECT_EQ(tienLen->checks, 3);
}

TEST(SeatPlayer, SelectedIdsRemovalAndLowering) {
    auto tienLen = std::make_shared<CountingTienLen>();
    TienLenPlayer player;
    for (int8_t id : {4, 9, 13, 20, 33, 40}) {
        player.cards().push_back(std::make_shared<CardView>(id));
        player.cards().back()->delegate = tienLen;
    }
    auto ids = [&] {
        std::vector<int> out;
        for (const auto& c : player.cards()) out.push_back(c->cardID);
        return out;
    };

    player.unSelectAllCards();
    EXPECT_EQ(tienLen->checks, 0);  // nothing raised, nobody told
    EXPECT_TRUE(player.getSelectedCardsValue().empty());

    player.cards()[1]->setSelected();
    player.cards()[4]->setSelected();
    EXPECT_EQ(player.getSelectedCardsValue(), (std::vector<int8_t>{9, 33}));
    player.unSelectAllCards();
    EXPECT_TRUE(player.getSelectedCardsValue().empty());
    EXPECT_EQ(tienLen->checks, 4);

    player.removeCards({1, 2, 3}, 3);
    player.removeCards({9, 13}, 0);
    EXPECT_EQ(ids(), (std::vector<int>{4, 9, 13, 20, 33, 40}));
    player.removeCards({13, 40, 99}, 2);
    EXPECT_EQ(ids(), (std::vector<int>{4, 9, 20, 33}));
    // A listed id takes out one card, also when the hand holds two alike (backs).
    player.cards().push_back(std::make_shared<CardView>(20));
    player.removeCards({20, 20}, 1);
    EXPECT_EQ(ids(), (std::vector<int>{4, 9, 20, 33}));
    player.removeCards({20, 20}, 2);
    EXPECT_EQ(ids(), (std::vector<int>{4, 9, 33}));
}

TEST(SeatPlayer, TheSharedHandLayoutKeepsEachValueApart) {
    const float yp = TienLenPlayer::yp();
    const int deltaX = TienLenPlayer::deltaX(), cardW = TienLenPlayer::cardW();
    const int8_t cardH = TienLenPlayer::cardH();
    TienLenPlayer::setYp(210.5f);
    TienLenPlayer::setDeltaX(27);
    TienLenPlayer::setCardW(44);
    TienLenPlayer::setCardH(62);
    const std::tuple<float, int, int, int8_t> read{TienLenPlayer::yp(), TienLenPlayer::deltaX(), TienLenPlayer::cardW(),
                                                    TienLenPlayer::cardH()};
    TienLenPlayer::setYp(yp);
    TienLenPlayer::setDeltaX(deltaX);
    TienLenPlayer::setCardW(cardW);
    TienLenPlayer::setCardH(cardH);
    EXPECT_EQ(read, std::make_tuple(210.5f, 27, 44, int8_t{62}));
}

}  // namespace
}  // namespace zuno::testing
