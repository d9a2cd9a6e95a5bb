// Between games: the title picture with the keyboard help on the left and the high-score
// table on the right, recomposed every frame so a new high score shows at once.
#include "engines/VBGE.h"
#include "game/draw/NumberText.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr uint32_t kWhite = rgb(255, 255, 255);
constexpr uint32_t kYellow = rgb(255, 255, 0);

struct HelpLine {
    int y;
    const char* text;
};

constexpr HelpLine kHelp[] = {
    {200, "F1 - Start Game"},
    {220, "F2 - Options"},
    {240, "Esc - Exit Game"},
    {260, "P - Pause Game"},
    {280, ""},
    {300, "Left - Move Left "},
    {320, "Right - Move Right"},
    {340, "Up/Space - Jump Up"},
    {360, "Down - Jump Down"},
    {380, "Shift/Ctrl - Shoot"},
};

}  // namespace

void Game::DrawTitleScreen() {
    // The picture's own failure has been reported by the engine; this frame is simply not drawn.
    if (!ShowBitmap(picture(SurfTitle), false)) return;
    VBGE& ge = graphics();
    Surface& back = picture(ge.BackBuffer());

    back.setFillColour(0);
    back.setFillStyle(FillStyle::Transparent);
    back.setForeColour(kYellow);
    back.drawBox(5, 155, 200, 420);
    back.setFont(FontMedium);
    back.setForeColour(kWhite);
    back.drawText(10, 160, "Keyboard Help");
    back.setForeColour(kYellow);
    for (const HelpLine& help : kHelp) back.drawText(10, help.y, help.text);

    back.setForeColour(kYellow);
    back.drawBox(605, 155, kScreenWidth, 420);
    back.setForeColour(kWhite);
    back.drawText(610, 160, "High Scores");
    back.setForeColour(kYellow);
    for (int i = 0; i < kHighScoreRows; ++i) {
        const int y = 200 + 20 * i;
        // All twenty characters, trailing blanks too; the scores line up at x = 720 regardless.
        back.drawText(610, y, HighScores[i].Name);
        back.drawText(720, y, NumberText(HighScores[i].Score).view());
    }

    Surface& primary = picture(ge.PrimarySurface());
    Rect dest{0, 0, kScreenWidth, kScreenHeight};
    Rect source{0, 0, kScreenWidth, kScreenHeight};
    (void)ge.Blit(primary, dest, back, source, kBltWait);  // a failure has shown its message
}

}  // namespace vorn
