#pragma once

// Keys that behave the same in every window of the program, taken once for
// the whole application (InstallWindowRules installs them at start-up):
// - a key held with Alt or Meta that no shortcut took types nothing into a
//   text box and shows nothing, a box with a key filter too;
// - Enter and the keypad Enter press the push button that has the focus, as
//   Space does. A dialog's own buttons already do (a message box's, a file
//   dialog's) and are left to it;
// - a key held down repeats only in the window it went down in: a window
//   that opens meanwhile, or takes the keys when that one closes, gets none
//   of its repeats nor its release, and once the window it went down in is
//   gone the key acts nowhere until it is let go. A held Enter presses a
//   button once, a held Space clicks once, on its release, and a repeat
//   starts no shortcut. Where the window system can, it is asked to send a
//   held key as presses only (see KeyboardState.h); a press of a key that is
//   still down is a repeat, however it is marked.
// A key pressed anew is never held back.
void InstallApplicationKeys();
