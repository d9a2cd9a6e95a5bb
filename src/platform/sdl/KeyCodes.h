// The keyboard numbers the game speaks: the PC keyboard's set-1 scan codes for the snapshot
// (extended keys at the scan code + 128) and virtual-key numbers (F1 = 112, Esc = 27, ...)
// for the main window's key-down events.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace vorn {

// 0 for keys that have no place in the snapshot.
uint8_t scanCodeKey(SDL_Scancode scancode);
// 0 for keys that have no virtual-key number. The key code decides where the layout matters
// (letters, punctuation); the scancode stands in where the layout gives no Latin letter.
int virtualKey(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace vorn
