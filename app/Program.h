#pragma once

// What the program sets up before its start-up: its name, pictures, fonts,
// the window registry, and the rules every window shares (the keys, labels
// shown as plain text). The program, the tests and the benchmark all begin
// here, then run StartApplication (MDI.h).
void PrepareProgram();
