// The game's one error convention: an operation that fails raises a VornError
// (a number and a description); the operation that "traps its own errors" catches
// it, shows "Class - Operation - " + description in a message box and returns false.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorn {

// The user-error base 0x80040000 plus 1001: "Not initialized." and the level-file faults.
inline constexpr int32_t kErrNotInitialized = -2147220503;
// The user-error base itself: "Invalid level character: ".
inline constexpr int32_t kErrUserBase = -2147221504;
// Errors of the program itself: memory, arithmetic, arrays and missing objects.
inline constexpr int32_t kErrOutOfMemory = 7;
inline constexpr int32_t kErrSubscriptOutOfRange = 9;
inline constexpr int32_t kErrDivisionByZero = 11;
inline constexpr int32_t kErrObjectVariable = 91;
// Errors of files and folders.
inline constexpr int32_t kErrFileNotFound = 53;
inline constexpr int32_t kErrDiskFull = 61;
inline constexpr int32_t kErrPastEndOfFile = 62;
inline constexpr int32_t kErrPermissionDenied = 70;
inline constexpr int32_t kErrPathAccess = 75;
// Errors of the devices: the display, the keyboard and the sound.
inline constexpr int32_t kErrDisplayMode = -2005532542;   // 0x88760082: a display mode not offered
inline constexpr int32_t kErrKeyboardOpen = -2147024809;  // 0x80070057: no keyboard to open
inline constexpr int32_t kErrKeyboardRead = -2147024866;  // 0x8007001E: the keyboard cannot be read
inline constexpr int32_t kErrSoundPlay = -2005401480;     // 0x88780078: a sound cannot be played

class VornError : public std::runtime_error {
public:
    VornError(int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int32_t number() const { return number_; }

private:
    int32_t number_;
};

[[noreturn]] void raiseNotInitialized();
// An index past the end of one of the game's fixed arrays is an error the game reports, not a crash.
[[noreturn]] void raiseSubscriptOutOfRange();
// A picture, sound or overlay the game needs is missing.
[[noreturn]] void raiseObjectNotSet();

// Whatever shows the player a line of text: the platform's message box.
template <class Box>
concept ShowsMessages = requires(Box& box, const std::string& text) {
    box.show(text);
};

// Shows prefix + description in the box.
template <ShowsMessages Box>
void showError(Box& box, std::string_view prefix, const std::string& description) {
    box.show(std::string(prefix) + description);
}

// Shows prefix + description of whatever the body raised and answers false; the body's own
// boolean result is passed through. Errors other than VornError are shown with their what().
template <ShowsMessages Box, class Body>
[[nodiscard]] bool trapErrors(Box& box, std::string_view prefix, Body&& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        showError(box, prefix, e.what());
        return false;
    }
}

}  // namespace vorn
