#pragma once

#include <functional>

class QLineEdit;
class QWidget;

// The key filter of the input windows' text boxes. It judges the text that an
// event would put into its box, whatever the modifiers: the text of a key
// press and the text an input method commits (a dead key and a letter, a
// composed character) alike. Refused text never reaches the box. Keys that
// put nothing into the box pass: moving, deleting with Delete, Tab, and the
// shortcuts that the program takes before the box sees the key.
namespace keyfilter {

// Letters: "A" to "Z", "a" to "z" and the blank. Digits: "0" to "9". Both
// take backspace (8) and its Ctrl form (127).
enum class Accepts { Letters, Digits };

// Filters box from now on; refused runs once for every refused event, after
// the text has been thrown away, but not for the repeats of a key held down,
// which are thrown away quietly. It shows the box's message. Ctrl with a
// letter types its control code (Ctrl+V is 22), which is judged like any
// other character and so refused: the box's own Ctrl editing keys (copy,
// paste, undo, select all) do nothing in a filtered box. Shift+Insert and
// the context menu still paste. A key held with Alt or Meta that no shortcut
// took is a command, not typing: it types nothing and is not refused.
void install(QLineEdit* box, Accepts accepts, std::function<void(QLineEdit*)> refused);

} // namespace keyfilter
