#pragma once

#include <QString>

// A style-sheet rule that gives menus the program's menu font. A window
// whose style sheet sets a font for every QWidget would otherwise hand its
// own font to its menus, which are its children too; every menu of the
// program shows in one font.
QString MenuFontRule();
