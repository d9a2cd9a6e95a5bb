// The sprite sheets the play depends on: platforms that the hero stands on exactly and that
// join without a seam, and a hero that fits his hit box, stands on the bottom row and faces
// right as a mirror of left.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "PicturesRaw.h"

namespace vorn::test {
namespace {

TEST(PicturePlatforms, EveryStyleCoversItsSolidPartAndItsPiecesJoinWithoutASeam) {
    const RawPicture sheet = RawPicture::read("Platform.bmp");
    ASSERT_EQ(sheet.width, 150);
    ASSERT_EQ(sheet.height, 100);
    for (int style = 0; style < 5; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        // A platform is solid from x 10 to 40 of its cell; the thin style on rows 13..16, all
        // others on rows 2..17. Drawn ends may stray 3 pixels either way of that edge.
        const int top = style == 1 ? 13 : 2, bottom = style == 1 ? 16 : 17;
        const RawPicture left = sheet.crop(0, 20 * style, 50, 20),
                         middle = sheet.crop(50, 20 * style, 50, 20),
                         right = sheet.crop(100, 20 * style, 50, 20);
        int inside = 0;  // the largest colour step from one column to the next, away from the joins
        for (const RawPicture* piece : {&left, &middle, &right}) {
            // Solid from the left end's x 13 to the right end's x 37, whatever joins between.
            const int from = piece == &left ? 13 : 0, to = piece == &right ? 37 : 49;
            for (int x = 0; x < 50; ++x) {
                int step = 0;
                for (int y = 0; y < 20; ++y) {
                    if (y >= top && y <= bottom && x >= from && x <= to) {
                        EXPECT_TRUE(piece->painted(x, y)) << "a hole at " << x << "," << y;
                        step += x >= 13 && x < 37 ? colourStep(piece->at(x, y), piece->at(x + 1, y)) : 0;
                    }
                    // Nothing above the top that a standing hero's feet would sink into.
                    if (y < top - 3) {
                        EXPECT_FALSE(piece->painted(x, y)) << "above the top at " << x << "," << y;
                    }
                }
                inside = std::max(inside, step);
            }
        }
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 7; ++x) EXPECT_FALSE(left.painted(x, y)) << "left end reaches out to " << x;
            for (int x = 43; x < 50; ++x)
                EXPECT_FALSE(right.painted(x, y)) << "right end reaches out to " << x;
        }
        // Every join a level can make steps no more than the pieces do inside themselves.
        for (auto [a, b] :
             {std::pair{&left, &middle}, {&middle, &middle}, {&middle, &right}, {&left, &right}}) {
            int seam = 0;
            for (int y = top; y <= bottom; ++y) {
                EXPECT_TRUE(a->painted(49, y) && b->painted(0, y)) << "a hole in a join at row " << y;
                seam += colourStep(a->at(49, y), b->at(0, y));
            }
            EXPECT_LE(seam, inside + 1) << "a visible seam";
        }
    }
}

TEST(PictureCharacter, PosesFitTheHitWidthStandOnTheBottomRowAndFaceRightAsAMirror) {
    const RawPicture sheet = RawPicture::read("Character.bmp");
    ASSERT_EQ(sheet.width, 680);
    ASSERT_EQ(sheet.height, 72);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 680; ++x) ASSERT_EQ(sheet.at(x, y), sheet.at(679 - x, 36 + y)) << x << "," << y;
    for (int pose = 0; pose < 17; ++pose) {
        bool feet = false;
        for (int x = 0; x < 40; ++x) {
            feet = feet || sheet.painted(40 * pose + x, 35);
            for (int y = 0; y < 36 && (x < 5 || x >= 35); ++y)
                EXPECT_FALSE(sheet.painted(40 * pose + x, y)) << "pose " << pose << " at " << x << "," << y;
        }
        // Pose 8 is drawn only in the air.
        EXPECT_TRUE(feet || pose == 8) << "pose " << pose << " floats above the bottom row";
    }
}

}  // namespace
}  // namespace vorn::test
