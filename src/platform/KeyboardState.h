#pragma once

#include <QtGlobal>

#include <optional>

namespace platform {

// Asks the window system to send a key held down as presses only, with one
// release when it is let go. Without this an X server sends every repeat as
// a release and a press, and on a busy machine the two can reach the program
// apart, so the release passes for the key being let go. True where the
// window system granted it (an X server with its keyboard extension); where
// it cannot be had the repeats come as before.
bool requestDetectableAutoRepeat();

// Whether the key of this native scan code is down at this moment, or
// nothing where the window system cannot tell.
std::optional<bool> isKeyDown(quint32 nativeScanCode);

} // namespace platform
