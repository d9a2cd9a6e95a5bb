// The status line over the play screen: health icons, score, level and the power-up
// indicators with their seconds (or jumps) left.
#include "core/Error.h"
#include "core/Numbers.h"
#include "game/draw/Layers.h"
#include "game/draw/NumberText.h"

namespace vorn {

namespace {

constexpr uint32_t kWhite = rgb(255, 255, 255);
constexpr uint32_t kYellow = rgb(255, 255, 0);
// Power-up timers count frames; the player reads seconds.
constexpr int kFramesPerSecond = 30;

}  // namespace

namespace layers {

void health(const Game& g, VBGE& ge, Surface& back) {
    back.setForeColour(kYellow);
    back.setFillStyle(FillStyle::Transparent);
    const Surface& character = g.picture(g.SurfCharacter);
    // A half-size character per point of health in a yellow frame; icons past the right edge
    // would draw nothing, so the count stops there.
    for (int32_t h = 0; h < g.Health && 25 * h + 12 < kScreenWidth; ++h) {
        Rect icon{25 * h + 12, 10, 25 * h + 32, 28};
        Rect source{0, 0, kCharWidth, kCharHeight};
        // A failed copy has shown its message; the frame goes round the icon all the same. The
        // frame is drawn on the icon's rectangle as the copy clipped it.
        (void)ge.Blit(back, icon, character, source, kBltWaitKeySrc);
        back.drawBox(icon.Left, icon.Top, icon.Right, icon.Bottom);
    }
}

void score(const Game& g, Surface& back) {
    back.setFont(g.FontLarge);
    back.setForeColour(kWhite);
    const int x = back.drawText(12, 32, "Score: ");
    back.drawText(x, 32, NumberText(g.Score).view());
}

void levelLine(const Game& g, Surface& back) {
    if (g.Level < 1 || g.Level > kMaxLevels) raiseSubscriptOutOfRange();
    back.setFont(g.FontMedium);
    back.setForeColour(kYellow);
    int x = back.drawText(150, 32, "Level ");
    x = back.drawText(x, 32, NumberText(g.Level).view());
    x = back.drawText(x, 32, ": ");
    back.drawText(x, 32, g.LevelNames[g.Level - 1]);
}

// Bottom right, clear of the frame-rate box on the left.
void replayMarker(const Game& g, Surface& back) {
    back.setFont(g.FontMedium);
    back.setForeColour(kWhite);
    back.setFillStyle(FillStyle::Transparent);
    back.drawBox(715, 576, 795, 597);
    back.drawText(727, 578, "Replay");
}

}  // namespace layers

void Game::DrawPowerUpIndicator(int16_t nKind, int16_t nX, int16_t nY) {
    VBGE& ge = graphics();
    Surface& back = picture(ge.BackBuffer());
    // Every indicator shows the animation frame of the first item of the level, whatever it is.
    const int32_t left = intFloor(Items[0].Frame) * kItemWidth;
    back.setFont(FontSmall);
    back.setForeColour(kYellow);

    const SurfaceRef* sheet = nullptr;
    int32_t number = 0;
    switch (nKind) {
        case kItemExtraSpeed:
            sheet = &SurfExtraSpeed, number = SpeedTime / kFramesPerSecond;
            break;
        case kItemHighJump:
            sheet = &SurfHighJump, number = HyperJumps;
            break;
        case kItemInvulnerability:
            sheet = &SurfInvulnerable, number = InvulnerableTime / kFramesPerSecond;
            break;
        case kItemBallBlaster:
            sheet = &SurfShoot, number = BallBlasterTime / kFramesPerSecond;
            break;
        default:
            break;
    }
    if (sheet) {
        layers::blit(ge, back, Rect{nX, nY, nX + kItemWidth, nY + kItemHeight}, picture(*sheet),
                     Rect{left, 0, left + kItemWidth, kItemHeight}, kBltWaitKeySrc);
        back.drawText(nX + 2, nY + 21, NumberText(number).view());
    }

    back.setForeColour(kYellow);
    back.setFillStyle(FillStyle::Transparent);
    back.drawBox(nX, nY, nX + kItemWidth, nY + kItemHeight);
}

}  // namespace vorn
