#pragma once

// Everything the program does between creating its application object and
// running its event loop: its name, resources, fonts and windows, then the
// main window. False when it should end at once (another copy runs).
bool StartProgram();
