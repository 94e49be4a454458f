// The command lines Windows gives a screen saver, and the desktop program's indifference to them.
#include "app/StartArguments.h"

#include <gtest/gtest.h>

namespace {

TEST(StartArguments, ScreenSaverSwitchesInEveryFormWindowsUses)
{
    const auto window = [](ULONG_PTR value) { return reinterpret_cast<HWND>(value); };
    const struct {
        const char* commandLine;
        StartMode mode;
        HWND window;
    } cases[] = {
        {"/s", StartMode::ScreenSaver, nullptr},
        {"-s", StartMode::ScreenSaver, nullptr},
        {"/S", StartMode::ScreenSaver, nullptr},
        {"  /s  ", StartMode::ScreenSaver, nullptr},
        {"/c", StartMode::Settings, nullptr},
        {"/c:1234", StartMode::Settings, window(1234)},
        {"/C 1234", StartMode::Settings, window(1234)},
        {"-c:0x2A", StartMode::Settings, window(42)},
        {"/p 65602", StartMode::Preview, window(65602)},
        {"/p:65602", StartMode::Preview, window(65602)},
        {"/P  77", StartMode::Preview, window(77)},
        {"/p", StartMode::Nothing, nullptr},
        {"/p:", StartMode::Nothing, nullptr},
        {"", StartMode::Settings, nullptr},
        {nullptr, StartMode::Settings, nullptr},
        {"/x", StartMode::Settings, nullptr},
        {"/", StartMode::Settings, nullptr},
        {"picture.jpg", StartMode::Settings, nullptr},
    };
    for (const auto& c : cases) {
        const StartRequest request = parseStartArguments(c.commandLine, true);
        const char* shown = c.commandLine != nullptr ? c.commandLine : "(none)";
        EXPECT_EQ(request.mode, c.mode) << shown;
        EXPECT_EQ(request.window, c.window) << shown;
    }
}

TEST(StartArguments, TheDesktopProgramIgnoresItsCommandLine)
{
    for (const char* commandLine : {"", "/s", "/p 12", "/c"}) {
        EXPECT_EQ(parseStartArguments(commandLine, false).mode, StartMode::Desktop) << commandLine;
        EXPECT_EQ(parseStartArguments(commandLine, false).window, nullptr);
    }
}

}  // namespace
