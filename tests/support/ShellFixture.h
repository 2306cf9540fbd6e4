#pragma once

#include "FakeDesktop.h"

#include <QTemporaryDir>

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
