// empty_view.exe: the floor under the aquarium's figures. A full-screen window with an OpenGL child
// window of the same pixel format, timer and pacing as the aquarium's view, that clears each frame
// and presents it, and draws nothing else. bench/measure-fps.sh runs it in place of the program
// (BLUEREEF_PROGRAM=empty_view) for the CPU and memory that Wine, Mesa and the X server take
// before the tank adds anything; bench/measure-start.sh for the time to a first frame, which it
// reports on standard output as "first-frame <clock ms>", as the scene bench does. It runs until
// it is killed.
#include "framework/WinApp.h"
#include "view/FrameLoop.h"
#include "view/FramePacer.h"
#include "view/GlSurface.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

class EmptyView : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CREATE:
            if (!surface.create(*this))
                return -1;
            frameLoop.syncToDisplay(surface.dc());
            frameLoop.start(*this);
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_TIMER:
            frameLoop.onTimer([this] {
                if (frameLoop.frameDue())
                    present();
            });
            frameLoop.dropQueuedTicks();
            return 0;
        case WM_DESTROY:
            frameLoop.stop();
            surface.release();
            break;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    void present()
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ::SwapBuffers(surface.dc());
        if (!presented) {
            presented = true;
            std::printf("first-frame %.3f\n", FramePacer::nowMs());
            std::fflush(stdout);
        }
    }

    GlSurface surface;
    FrameLoop frameLoop;
    bool presented = false;
};

}  // namespace

int main()
{
    CWinApp app;
    app.AfxWinInit(::GetModuleHandleA(nullptr));
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);

    CWnd frame;
    if (!frame.CreateEx(0, nullptr, "empty view", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                        nullptr, nullptr))
        return 1;
    app.m_pMainWnd = &frame;
    EmptyView view;
    if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), &frame,
                     AFX_IDW_PANE_FIRST))
        return 1;

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
