// winprobe TITLE: prints, one line each, every top-level window with that title and its child
// windows, as the system sees them (class, style bits, rectangles, menu, owning process). The
// end-to-end tests read this to check what the user sees beyond pixels.
// winprobe --foreground: prints the window that has the keyboard's input, the same way.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

namespace {

void printWindow(const char* kind, HWND hwnd)
{
    char className[128] = "";
    char title[256] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    ::GetWindowTextA(hwnd, title, sizeof title);
    RECT window{};
    RECT client{};
    ::GetWindowRect(hwnd, &window);
    ::GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd, &origin);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    std::printf("%s hwnd=%p id=%ld class=%s style=0x%08lx exstyle=0x%08lx visible=%d "
                "rect=%ld,%ld,%ld,%ld client=%ld,%ld origin=%ld,%ld menu=%d pid=%lu title=%s\n",
                kind, static_cast<void*>(hwnd), ::GetWindowLongA(hwnd, GWL_ID), className,
                static_cast<unsigned long>(::GetWindowLongA(hwnd, GWL_STYLE)),
                static_cast<unsigned long>(::GetWindowLongA(hwnd, GWL_EXSTYLE)),
                ::IsWindowVisible(hwnd) ? 1 : 0, window.left, window.top, window.right,
                window.bottom, client.right, client.bottom, origin.x, origin.y,
                ::GetMenu(hwnd) != nullptr ? 1 : 0, static_cast<unsigned long>(process), title);
}

// What a control holds beyond its text: a button's check state, a list view's item count, a
// track bar's position. The messages carry no pointers, so they work across processes.
void printState(HWND hwnd)
{
    char className[128] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "Button") == 0)
        std::printf("state hwnd=%p check=%ld\n", static_cast<void*>(hwnd),
                    static_cast<long>(::SendMessageA(hwnd, BM_GETCHECK, 0, 0)));
    else if (std::strcmp(className, "SysListView32") == 0)
        std::printf("state hwnd=%p items=%ld\n", static_cast<void*>(hwnd),
                    static_cast<long>(::SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0)));
    else if (std::strcmp(className, "msctls_trackbar32") == 0)
        std::printf("state hwnd=%p position=%ld\n", static_cast<void*>(hwnd),
                    static_cast<long>(::SendMessageA(hwnd, TBM_GETPOS, 0, 0)));
}

BOOL CALLBACK printChild(HWND hwnd, LPARAM)
{
    printWindow("child", hwnd);
    printState(hwnd);
    return TRUE;
}

BOOL CALLBACK printIfTitled(HWND hwnd, LPARAM wanted)
{
    char title[256] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(title, reinterpret_cast<const char*>(wanted)) == 0) {
        printWindow("window", hwnd);
        ::EnumChildWindows(hwnd, printChild, 0);
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: winprobe TITLE | winprobe --foreground\n");
        return 2;
    }
    std::printf("screen=%d,%d\n", ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (std::strcmp(argv[1], "--foreground") == 0) {
        if (const HWND foreground = ::GetForegroundWindow())
            printWindow("window", foreground);
        return 0;
    }
    ::EnumWindows(printIfTitled, reinterpret_cast<LPARAM>(argv[1]));
    return 0;
}
