#pragma once

#include "FakeDesktop.h"

#include <QSize>
#include <QTemporaryDir>
#include <Qt>

class QWidget;

#include <gtest/gtest.h>

// Every window test starts from a clean slate and leaves one behind: a
// scripted desktop, its own settings file, no modal loops, no process exit;
// afterwards every window is unloaded, no menu, list or modal window is
// left open, and the main window is hidden at its first size, laid out for
// the default screen, scrolled to its start, with nothing focused. So a test
// passes alone, after any other and in any order.
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
// default size holds every test window.
bool showActiveMainWindow(QSize size = QSize(1400, 900));

// Alt+letter on the focus widget, then a letter in the menu it opens.
void menuKeys(QWidget* focus, Qt::Key menuKey, Qt::Key itemKey);
