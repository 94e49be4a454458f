// The dialogs read and write the program's own settings file: each test starts without one, and
// whatever was there before is put back afterwards.
#pragma once

#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "settings/SharedSettings.h"
#include "ui/CursorHideCounter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

class SettingsFileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream in(settingsIniPath(), std::ios::binary);
        hadFile = in.good();
        saved.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        in.close();
        ::DeleteFileA(settingsIniPath().c_str());
    }
    void TearDown() override
    {
        ::DeleteFileA(settingsIniPath().c_str());
        if (hadFile)
            std::ofstream(settingsIniPath(), std::ios::binary) << saved;
    }

    IniFile ini{settingsIniPath()};
    SharedSettings shared;     // what the dialogs hand the tank
    CursorHideCounter cursor;  // the view's pointer countdown, which the dialogs reset

private:
    bool hadFile = false;
    std::string saved;
};
