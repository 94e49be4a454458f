// previewhost FILE SECONDS: a window such as the system's screen-saver settings give a preview to
// draw in. It writes its handle, in decimal, to FILE (once the window exists), and closes itself
// after SECONDS; the end-to-end tests start the screen saver with /p and that handle.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kTitle[] = "Preview Host";
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 240;

LRESULT CALLBACK hostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: previewhost FILE SECONDS\n");
        return 2;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = hostProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kTitle;
    ::RegisterClassA(&windowClass);
    RECT frame{0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&frame, style, FALSE);
    const HWND window = ::CreateWindowA(kTitle, kTitle, style, 100, 100, frame.right - frame.left,
                                        frame.bottom - frame.top, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    if (window == nullptr)
        return 1;
    ::SetTimer(window, kCloseTimer, static_cast<UINT>(std::atoi(argv[2]) * 1000), nullptr);
    if (FILE* file = std::fopen(argv[1], "w")) {
        std::fprintf(file, "%lu\n", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
        std::fclose(file);
    }
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
