// The user service MessageBeep: plays the system sound of a message type (the catalogue's status messages use
// the exclamation sound). On the host it rings the bell: by default the terminal bell on standard error when
// that is a terminal; the form framework installs the window system's beep in its place, and tests a
// recorder.
#pragma once

#include <functional>

namespace orupim::kernel {

// Sound types, as the old platform numbers them.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;

using BeepFunction = std::function<void(unsigned type)>;

// Plays the sound of `type` and answers true: the host bell has one sound for every type, and ringing it
// cannot fail in a way the caller could act on.
bool MessageBeep(unsigned type);

// The default bell: writes the terminal bell to standard error when it is a terminal, else does nothing.
void terminalBell(unsigned type);

// Makes MessageBeep call `implementation` instead; an empty function brings back the terminal bell. Answers
// the implementation it replaces (empty for the terminal bell), so that whoever replaces it can put it back.
BeepFunction setBeepImplementation(BeepFunction implementation);

} // namespace orupim::kernel
