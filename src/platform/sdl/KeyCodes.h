// The keyboard numbers the game speaks: DirectInput key numbers for the snapshot (the PC
// keyboard's set-1 scan codes, extended keys at the scan code + 128) and Windows virtual-key
// numbers for the main window's key-down events.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace vorn {

// 0 for keys that have no DirectInput number.
uint8_t directInputKey(SDL_Scancode scancode);
// 0 for keys that have no virtual-key number. The key code decides where the layout matters
// (letters, punctuation); the scancode stands in where the layout gives no Latin letter.
int virtualKey(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace vorn
