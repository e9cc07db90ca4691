// Pictures show what their use says they show, as far as pixels can tell.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/artwork/PicturePixels.h"

namespace {

namespace pictures = zuno::testing::pictures;

// Co Vua codes 11 to 16 are White's pieces and 21 to 26 Black's (pawn, knight, bishop, rook, queen, king):
// each piece is mostly its side's colour (light or dark), and both sides' pieces have the same shapes.
TEST(CoVuaPieces, EachPieceIsInItsSidesColourAndBothSidesShareTheShapes) {
    for (int type = 1; type <= 6; ++type) {
        std::shared_ptr<zuno::ui::Image> sides[2];
        for (int side = 1; side <= 2; ++side) {
            const std::string name = "qc_" + std::to_string(side * 10 + type) + ".png";
            auto image = pictures::drawn(name);
            ASSERT_TRUE(image) << name;
            int light = 0, dark = 0, solid = 0;
            for (int i = 0; i < image->pixelWidth() * image->pixelHeight(); ++i) {
                auto p = pictures::pixelColour(image->pixels()[i]);
                if (p.a < 0.5) continue;
                ++solid;
                const double l = pictures::luminance(p);
                if (l > 0.5) ++light;
                if (l < 0.1) ++dark;
            }
            ASSERT_GT(solid, 100) << name << " is empty";
            const int own = side == 1 ? light : dark, other = side == 1 ? dark : light;
            EXPECT_GT(own, other) << name << ": " << light << " light and " << dark << " dark pixels of " << solid;
            sides[side - 1] = image;
        }
        int differ = 0;
        const int count = sides[0]->pixelWidth() * sides[0]->pixelHeight();
        for (int i = 0; i < count; ++i) {
            if (std::abs(int(sides[0]->pixels()[i] >> 24) - int(sides[1]->pixels()[i] >> 24)) > 64) ++differ;
        }
        EXPECT_LT(differ, count / 100) << "the two sides' pieces of type " << type << " differ in shape";
    }
}

// The Poker table's tokens are 16 points across: the letter on each (the dealer's "D", the blinds' "S"
// and "B", the ante's "A") must stand out from its disc. The disc's inside splits into its light and
// dark pixels; the fewer are the letter, and the two kinds' mean colours are compared.
TEST(PokerTokens, EachLetterReadsOnItsDisc) {
    for (const char* name : {"poker_dealer.png", "poker_small.png", "poker_big.png", "poker_ante.png"}) {
        auto image = pictures::drawn(name);
        ASSERT_TRUE(image) << name;
        const int w = image->pixelWidth(), h = image->pixelHeight();
        const double inside = std::min(w, h) * 0.5 * 0.7;
        std::vector<zuno::ui::Color> colours;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (std::hypot(x + 0.5 - w / 2.0, y + 0.5 - h / 2.0) > inside) continue;
                auto p = pictures::pixelColour(image->pixels()[size_t(y) * size_t(w) + size_t(x)]);
                if (p.a > 0.9) colours.push_back(p);
            }
        }
        ASSERT_GT(colours.size(), 50u) << name << " has no disc";
        double least = 1, most = 0;
        for (const auto& c : colours) {
            least = std::min(least, pictures::luminance(c));
            most = std::max(most, pictures::luminance(c));
        }
        // Pixels well to either side of the middle luminance, leaving out the letter's soft edges.
        const double lowBelow = least + (most - least) * 0.3, highAbove = most - (most - least) * 0.3;
        zuno::ui::Color low{0, 0, 0, 1}, high{0, 0, 0, 1};
        int lows = 0, highs = 0;
        for (const auto& c : colours) {
            const double l = pictures::luminance(c);
            zuno::ui::Color* sum = l <= lowBelow ? &low : l >= highAbove ? &high : nullptr;
            if (!sum) continue;
            sum->r += c.r, sum->g += c.g, sum->b += c.b;
            ++(l <= lowBelow ? lows : highs);
        }
        ASSERT_GT(lows, 0) << name;
        ASSERT_GT(highs, 0) << name;
        low = {low.r / lows, low.g / lows, low.b / lows, 1};
        high = {high.r / highs, high.g / highs, high.b / highs, 1};
        const int letter = std::min(lows, highs);
        EXPECT_GT(letter, int(colours.size()) / 10) << name << ": no letter on the disc";
        EXPECT_GE(pictures::contrast(low, high), 4.5) << name << ": the letter on its disc is " << pictures::contrast(low, high) << " : 1";
    }
}

}  // namespace
