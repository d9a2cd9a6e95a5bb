// The one object that holds the whole world of the game and every rule of it. Its member
// functions are defined across src/game/: state/ (set-up, lifecycle, levels, level start),
// play/ (the frame step and the simulation), draw/ (everything drawn) and persist/ (files).
// The world is public so that tests, the simulator and the level checker can set and read it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Random.h"
#include "game/state/GameFolders.h"
#include "game/state/LevelCodes.h"
#include "game/state/PlayerInput.h"
#include "game/state/Records.h"
#include "platform/Font.h"
#include "platform/Platform.h"

namespace vorn {

class VBGE;
class VBIE;
class VBSE;
class DevInfo;
class frmOptions;
class frmHighScore;

inline constexpr int kMaxLevels = 50;
inline constexpr int kMaxPlatforms = 100;
inline constexpr int kMaxItems = 100;
inline constexpr int kMaxShots = 50;
inline constexpr int kMaxBombs = 50;
inline constexpr int kMaxParticleSystems = 15;
inline constexpr int kHighScoreRows = 10;
inline constexpr int16_t kNoPlatform = 255;

// The character starts every level here, and comes back here after a fall through the floor.
inline constexpr float kCharStartX = 5.0f, kCharStartY = 534.0f;
// Frames from a cleared level or the last health point lost to what follows.
inline constexpr int16_t kEndFrames = 100;
// Bombs roll this fast on every platform but the thin ones, and enter the level at it.
inline constexpr float kBombRollSpeed = 6.0f;
// Frames between two shots; a level starts with one full wait.
inline constexpr int16_t kFireInterval = 6;

// The keys the play step reads, by their place in the keyboard snapshot (PC set-1 scan codes,
// extended keys at the scan code + 128).
namespace key {
inline constexpr int P = 0x19, LCtrl = 0x1D, LShift = 0x2A, RShift = 0x36, Space = 0x39, RCtrl = 0x9D,
                     Up = 0xC8, Left = 0xCB, Right = 0xCD, Down = 0xD0;
}

enum GameStateValue : int16_t { kNotInitialized = 0, kPlaying = 1, kTitle = 2 };

class Game {
public:
    explicit Game(Platform& platform);
    ~Game();  // releases the overlay, then writes "Options.dat" and "HighScores.dat"
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Public interface.
    void SetCharHealth(int16_t nHealth);
    void GotoLevel(int16_t nLevel);
    [[nodiscard]] bool Initialize(bool devMode);
    [[nodiscard]] bool StartGame();
    [[nodiscard]] bool StartNextLevel();
    [[nodiscard]] bool StopGame();
    [[nodiscard]] bool DoFrame();
    [[nodiscard]] bool DrawFrame();
    [[nodiscard]] bool ShowOptions();
    [[nodiscard]] bool AskForName(std::string& sName);
    bool IsRunning() const { return GameState == kPlaying; }

    // Ends the run without writing the options or the high scores (an immediate end).
    void abandonWithoutSaving() { saveOnDestruction_ = false; }

    // ---- Set-up and files (state/, persist/) ----
    [[nodiscard]] bool LoadSounds();
    [[nodiscard]] bool LoadGraphics();
    [[nodiscard]] bool LoadLevels();
    // Tells one loaded level set from another: the levels' cells and names, as loaded.
    uint64_t levelSetFingerprint() const;
    [[nodiscard]] bool LoadHighScores();
    [[nodiscard]] bool SaveHighScores();
    void SetDefaultHighScores();
    [[nodiscard]] bool LoadGameOptions();
    [[nodiscard]] bool SaveGameOptions();
    [[nodiscard]] bool ShowBitmap(Surface& ddsBitmap, bool bToPrimary);
    void InitBomb(int16_t b);
    [[nodiscard]] bool showNextLevelScreen();  // the level start's announcement, shown at once
    // Plays a sound the one way the game does: only with sound effects on; false when it failed.
    [[nodiscard]] bool playSound(const SoundRef& buffer);
    // Lets pending window messages be handled once.
    void doEvents();
    // A loaded picture; raises the platform's "object not set" error when it is missing.
    Surface& picture(const SurfaceRef& surface) const;

    // ---- Collision rectangles and platform queries ----
    Rect GetCharRect() const;
    Rect GetBombRect(int i) const;
    Rect GetShotRect(int j) const;
    int16_t FindCharPlatform() const;
    int16_t GetSurfaceKind(Rect rect) const;

    // ---- The frame step and the simulation (play/) ----
    // Waits for P to be pressed and released again; false when a command key handled meanwhile
    // stopped the game or started another level, so the paused frame must not go on.
    [[nodiscard]] bool PauseGame();
    void horizontalControl();            // also finds surfaceUnderChar for the motion
    [[nodiscard]] bool moveCharacter();  // false: a sound of the frame step failed
    void KeepCharOnScreen();
    void updatePose();
    void CollectItems();
    void animateItems();
    void moveBombs();
    int16_t FindBombPlatform(int i);
    void KeepBombOnScreen(int i);
    void CollideBombs(int i);
    void CheckBombHitsChar();
    void animateBombs();
    void moveShots();
    [[nodiscard]] bool fire();  // firing and the ShotDelay count-down; false: the Shoot sound failed
    void CheckShotOffScreen(int j);
    void CheckShotHitsBomb(int j);
    void CheckShotHitsPlatform(int j);
    void animateShots();
    void countDownPowerUps();
    [[nodiscard]] bool checkLevelCleared();
    void countDownEnd();
    void EndGame();
    void CheckHighScore();
    void StartParticles(float X, float Y, float DivX, float DivY, float Gravity, float Lift, float Spread,
                        const Surface* Picture, int16_t PieceWidth, int16_t PieceHeight, int16_t Width,
                        int16_t Height, int16_t Life);
    // The four effects of the game, at the top-left corner of the picture that breaks up.
    void startTeleportEffect(float x, float y);
    void startExplosionEffect(float x, float y);
    void startCrystalEffect(float x, float y);
    void startPickUpEffect(float x, float y, const SurfaceRef& picture);
    void updateParticles();
    bool keyDown(int code) const { return (KeyState[code] & 0x80) != 0; }
    // Asks the player, or the replay that stands in for them, for a new high score's name.
    void askForHighScoreName(std::string& name);

    // ---- Drawing (draw/) ----
    [[nodiscard]] bool DrawGameFrame();
    void DrawCharacter();
    void DrawPowerUpIndicator(int16_t nKind, int16_t nX, int16_t nY);
    void DrawTitleScreen();

    // ---- Members ----
    Platform& platform;
    std::unique_ptr<VBGE> GraphicsEngine;
    std::unique_ptr<VBIE> InputEngine;
    std::unique_ptr<VBSE> SoundEngine;
    std::unique_ptr<DevInfo> FrameRateInfo;

    SurfaceRef SurfBackground, SurfLoading, SurfCongrat, SurfGetReady, SurfGameOver, SurfTitle, SurfPlatform,
        SurfCharacter, SurfInvulnerable, SurfCrystal, SurfHighJump, SurfExtraSpeed, SurfExtraHealth, SurfDovi,
        SurfShoot, SurfNormalBomb, SurfHotBomb, SurfHitBomb, SurfAmmoBall, SurfBombExit;

    SoundRef SndShoot, SndBoing, SndGetReady, SndGameOver, SndHit, SndPowerup, SndCrystal, SndBombHit,
        SndHitBomb, SndExplosion, SndTeleport, SndJump, SndExtraHealth, SndSpeed, SndBallBlaster,
        SndHyperJump, SndInvulnerability;

    int16_t GameState = kNotInitialized;
    bool Initialized = false;
    int16_t SoundEffects = -1;  // stored as read from "Options.dat": any non-zero value is on
    int16_t Music = -1;

    int16_t LevelCount = 0;
    uint8_t LevelGrid[kGridRows][kGridColumns][kMaxLevels] = {};
    std::array<std::string, kMaxLevels> LevelNames;

    uint8_t KeyState[256] = {};
    Font FontMedium, FontLarge, FontSmall;
    std::array<HighScoreEntry, kHighScoreRows> HighScores;
    bool DevMode = false;

    int16_t Level = 0;
    int16_t Scenery = 0;
    bool LevelHasDovi = false;
    bool DoviRescued = false;
    int16_t PlatformCount = 0;
    PlatformRec Platforms[kMaxPlatforms];
    int16_t ItemCount = 0;
    int16_t CrystalsTaken = 0;
    int16_t CrystalCount = 0;
    ItemRec Items[kMaxItems];

    int16_t Health = 0;
    int16_t Score = 0;
    int16_t CharInAir = 0;
    int16_t CharPose = 0;
    int16_t CharFacing = 0;
    float CharX = 0, CharY = 0;
    float CharVelY = 0;
    float CharVelX = 0;
    int16_t InvulnerableTime = 0;
    int16_t HyperJumps = 0;
    int16_t SpeedTime = 0;
    int16_t BallBlasterTime = 0;

    ShotRec Shots[kMaxShots];
    int16_t ShotDelay = 0;
    int16_t BlinkTime = 0;
    float IdleAnim = 0;
    int16_t BombCount = 0;
    BombRec Bombs[kMaxBombs];
    ParticleSystem ParticleSystems[kMaxParticleSystems];
    int16_t EndDelay = 0;

    Random Rng;

    // Where the level files and the two saved files are; set before Initialize.
    GameFolders folders;

    // The surface kind under the character, found by the horizontal control and used by the motion.
    int16_t surfaceUnderChar = kNoPlatform;
    // How many level starts have begun; the pause notices one made by a command key.
    uint32_t levelStarts = 0;
    // Frames played since the game started, pauses left out.
    uint32_t framesPlayed = 0;
    // Listens to or answers the player's keys and name (a replay); none for plain play.
    PlayerInput* playerInput = nullptr;
    // "Replay" shows in a corner of the play screen while a kept game is played back.
    bool replayMarker = false;

private:
    VBGE& graphics();  // the engine is created on first use
    VBSE& sound();     // likewise
    std::unique_ptr<frmOptions> optionsForm_;
    std::unique_ptr<frmHighScore> highScoreForm_;
    bool saveOnDestruction_ = true;
};

}  // namespace vorn
