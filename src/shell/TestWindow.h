#pragma once

#include "Form.h"

// The welcome panel of the main window: the test windows show it when they
// unload and hide it once they have moved on to their next window.
void ShowWelcomePanel();
void HideWelcomePanel();
bool WelcomePanelVisible();

// An input window of a test: centred at the top when it loads, and the
// welcome panel comes back when it unloads.
class InputWindow : public Form {
    Q_OBJECT
public:
    using Form::Form;
    void Form_Load() override { CentreOnScreenTop(); }
    void Form_Unload() override { ShowWelcomePanel(); }
};

// A result window whose unload brings the welcome panel back.
class ResultWindow : public Form {
    Q_OBJECT
public:
    using Form::Form;
    void Form_Unload() override { ShowWelcomePanel(); }
};

// Loads the pictures compiled into the program.
void InitResources();
