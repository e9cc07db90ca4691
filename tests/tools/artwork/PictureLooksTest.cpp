// Pictures show what their use says they show, as far as pixels can tell.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

}  // namespace
