#include "app/StartArguments.h"

#include <cctype>
#include <cstdlib>

namespace {

const char* skipSpaces(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

// The window handle after the switch letter: ":<number>" or " <number>", decimal as Windows
// writes it (or hexadecimal with 0x); none when there is no number.
HWND windowAfter(const char* text)
{
    if (*text == ':')
        ++text;
    text = skipSpaces(text);
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    return end != text ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(value)) : nullptr;
}

}  // namespace

StartRequest parseStartArguments(const char* commandLine, bool screenSaverFile)
{
    if (!screenSaverFile)
        return {};
    const char* text = skipSpaces(commandLine != nullptr ? commandLine : "");
    if (*text != '/' && *text != '-')
        return {StartMode::Settings, nullptr};
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
    const HWND window = letter != '\0' ? windowAfter(text + 2) : nullptr;
    switch (letter) {
    case 's':
        return {StartMode::ScreenSaver, nullptr};
    case 'p':
        return window != nullptr ? StartRequest{StartMode::Preview, window}
                                 : StartRequest{StartMode::Nothing, nullptr};
    default:
        return {StartMode::Settings, letter == 'c' ? window : nullptr};
    }
}
