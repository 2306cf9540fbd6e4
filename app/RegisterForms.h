#pragma once

// Registers every window of the program with the registry, so the main
// window can load them by name.
void RegisterAllForms();
