// Offering a finished game's score to the ten-row high-score table.
#include "core/Windows1252.h"
#include "game/state/Game.h"

namespace vorn {

// A new score goes below every entry it only equals, and the player names the new row.
void Game::CheckHighScore() {
    int i = 0;
    while (i < kHighScoreRows && !(HighScores[i].Score < Score)) ++i;
    if (!(Score > HighScores[kHighScoreRows - 1].Score)) return;

    for (int k = kHighScoreRows - 1; k > i; --k) HighScores[k] = HighScores[k - 1];
    HighScores[i].Score = Score;

    // The dialog does not show the name passed in; when it fails the row keeps the name it
    // has after the move. Names are held as UTF-8, so they are cut and padded by characters.
    std::string name = HighScores[i].Name;
    askForHighScoreName(name);
    HighScores[i].Name = fitToCharacters(name, kHighScoreNameLength);
}

void Game::askForHighScoreName(std::string& name) {
    if (playerInput && playerInput->nameFor(name)) return;
    // A dialog that fails has shown its message and leaves the name as it was.
    (void)AskForName(name);
    if (playerInput) playerInput->named(name);
}

}  // namespace vorn
