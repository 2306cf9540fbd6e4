#pragma once

// Keys that behave the same in every window of the program, taken once for
// the whole application (InstallWindowRules installs them at start-up):
// - a key held with Alt or Meta that no shortcut took types nothing into a
//   text box; a box with a key filter judges such a key itself and shows its
//   message;
// - Enter and the keypad Enter press the push button that has the focus, as
//   Space does. A dialog's own buttons already do (a message box's, a file
//   dialog's) and are left to it;
// - a key held down repeats only in the window it went down in: a window
//   that opens meanwhile, or takes the keys when that one closes, gets none
//   of its repeats. A held Enter presses a button once.
// A key pressed anew is never held back.
void InstallApplicationKeys();
