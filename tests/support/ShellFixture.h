#pragma once

#include "FakeDesktop.h"

#include <QTemporaryDir>
#include <Qt>

class QWidget;

#include <gtest/gtest.h>

// Every window test starts from a clean slate: a scripted desktop, its own
// settings file, no modal loops, no process exit, every window unloaded.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static int exitCalls;

    FakeDesktop desk;
    QTemporaryDir tmp;
};

// Shows the main window and makes it the active window, as a user's click
// on it would, so that keys and the focus go where they go for a user. The
// test screen does not always report a window that was hidden and shown
// again as active, so the application is told directly.
bool showActiveMainWindow();

// Alt+letter on the focus widget, then a letter in the menu it opens.
void menuKeys(QWidget* focus, Qt::Key menuKey, Qt::Key itemKey);
