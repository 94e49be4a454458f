// scene_bench.exe [batches] [frames per batch] [mode]: hosts the real aquarium view in a 1024 x 768
// popup window and renders its frames back to back, with no timer and no pacing, as fast as the
// driver presents them, in one of the interaction modes (see kBenchModes; watching by default). It
// reports on standard output, one line at a time:
//   first-frame <clock ms>                          once the first frame has been presented
//   batch <n> <frames> <render ms> <clock ms>       after each batch of frames
//   fish-steps <ms per frame>                       the swimming rules of 50 fish alone
// where <clock ms> is the monotonic performance counter. bench/run-bench.sh reads the CPU counters
// of every process involved as each line arrives.
#include "fish/School.h"
#include "framework/WinApp.h"
#include "view/AquariumView.h"
#include "view/FramePacer.h"
#include "view/ViewCommands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;
constexpr int kDefaultBatches = 20;
constexpr int kDefaultFramesPerBatch = 50;
// After each line the bench idles this long, so that the counters the runner reads on the line's
// arrival hold the work done before the line and none of the next batch's.
constexpr DWORD kIdleAfterReportMs = 100;
// Frames before the first batch: the fish come in one per frame, so all of them swim from then on.
constexpr int kWarmUpFrames = kMaxFishCount;
// Pellets dropped before the batches, across the middle of the tank.
constexpr int kPellets = 5;
constexpr int kFishStepFrames = 2000;

// Drops everything queued for this thread unhandled: the view's frame timer must not render
// frames of its own between batches. Sent messages still reach their windows inside PeekMessage.
void dropQueuedMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_PAINT)
            ::ValidateRect(msg.hwnd, nullptr);  // otherwise it would come back forever
    }
}

void idleForRunner()
{
    std::fflush(stdout);
    ::Sleep(kIdleAfterReportMs);
    dropQueuedMessages();
}

// Milliseconds per frame of the swimming rules alone for 50 fish with food about: wander, move,
// walls, boxes, then food and collisions, as the frame's fish pass runs them, without drawing.
double fishStepMs()
{
    // Static, not on the stack: there, where the arrays happened to fall against the rules' own
    // locals doubled the figure, whatever the code.
    static Fish fish[kMaxFishCount];
    static FoodPellet food[kFoodSlots];
    placeFish(fish, tankBoundsForScreen(kWindowWidth, kWindowHeight));
    for (int p = 0; p < kPellets; ++p) {
        food[p].setActive(true);
        food[p].nudge(static_cast<float>(p * 10 - 20), 0.0f, 0.0f);
    }
    const double startMs = FramePacer::nowMs();
    for (int frame = 0; frame < kFishStepFrames; ++frame) {
        for (int i = 0; i < kMaxFishCount; ++i) {
            fish[i].step();
            respondToFood(fish[i], food);
            pullFood(fish[i], food);
            resolveCollisions(fish, i);
        }
    }
    return (FramePacer::nowMs() - startMs) / kFishStepFrames;
}

// The modes a batch can run in: the command that enters the mode, and how often a click lands in
// the middle of the tank (0: never), held down over one frame as a person's click is.
struct BenchMode {
    const char* name;
    int command;
    int framesPerClick;
};
constexpr BenchMode kBenchModes[] = {
    {"watch", ModeNone, 0},           // the tank as it runs by itself
    {"feed", ModeFeed, 0},            // feed mode with no click waiting: the bars drift
    {"feed-clicks", ModeFeed, 1},     // a click picked every frame (once 20 pellets swim, used up)
    {"touch-clicks", ModeTouch, 1},   // a fish pick every frame, through up to 50 fish
    {"ripple", ModeScreenCopy, 30},   // the copied and rippled picture, a new ripple every 30 frames
};

const BenchMode* benchMode(const char* name)
{
    for (const BenchMode& mode : kBenchModes)
        if (std::strcmp(mode.name, name) == 0)
            return &mode;
    return nullptr;
}

// One frame of the batch, with the mode's click pressed before it and released after it.
void renderFrame(AquariumView& view, const BenchMode& mode, int frame)
{
    const bool click = mode.framesPerClick > 0 && frame % mode.framesPerClick == 0;
    const LPARAM middle = MAKELPARAM(kWindowWidth / 2, kWindowHeight / 2);
    if (click)
        view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, middle);
    view.renderFrame();
    if (click)
        view.SendMessage(WM_LBUTTONUP, 0, middle);
}

int countArgument(int argc, char* argv[], int index, int fallback)
{
    return argc > index ? std::atoi(argv[index]) : fallback;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int batches = countArgument(argc, argv, 1, kDefaultBatches);
    const int framesPerBatch = countArgument(argc, argv, 2, kDefaultFramesPerBatch);
    const BenchMode* mode = benchMode(argc > 3 ? argv[3] : kBenchModes[0].name);
    if (batches < 1 || framesPerBatch < 1 || mode == nullptr) {
        std::fprintf(stderr, "usage: scene_bench [batches] [frames per batch] "
                             "[watch|feed|feed-clicks|touch-clicks|ripple]\n");
        return 2;
    }
    // The view sizes its projection and viewport by the screen, not by its window.
    if (::GetSystemMetrics(SM_CXSCREEN) != kWindowWidth ||
        ::GetSystemMetrics(SM_CYSCREEN) != kWindowHeight)
        std::fprintf(stderr, "warning: the screen is not %d x %d; the view renders at its size\n",
                     kWindowWidth, kWindowHeight);

    // As at the program's start: the application's name from its resources, common controls.
    CWinApp app;
    app.AfxWinInit(::GetModuleHandleA(nullptr));

    CWnd window;
    if (!window.CreateEx(0, nullptr, "scene bench", WS_POPUP | WS_VISIBLE, 0, 0, kWindowWidth,
                         kWindowHeight, nullptr, nullptr)) {
        std::fprintf(stderr, "the window could not be created\n");
        return 1;
    }
    app.m_pMainWnd = &window;
    SharedSettings shared;
    TankScene tank;
    AquariumView view(shared, tank);
    if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                     CRect(0, 0, kWindowWidth, kWindowHeight), &window, AFX_IDW_PANE_FIRST)) {
        std::fprintf(stderr, "the view could not be created\n");
        return 1;
    }

    view.renderFrame();
    std::printf("first-frame %.3f\n", FramePacer::nowMs());
    for (int frame = 1; frame < kWarmUpFrames; ++frame)
        view.renderFrame();
    for (int p = 0; p < kPellets; ++p)
        tank.dropFood(static_cast<float>(p * 10 - 20), 0.0f);
    view.SendMessage(WM_COMMAND, static_cast<WPARAM>(mode->command));
    idleForRunner();

    for (int batch = 1; batch <= batches; ++batch) {
        const double startMs = FramePacer::nowMs();
        for (int frame = 0; frame < framesPerBatch; ++frame)
            renderFrame(view, *mode, frame);
        const double endMs = FramePacer::nowMs();
        std::printf("batch %d %d %.3f %.3f\n", batch, framesPerBatch, endMs - startMs, endMs);
        idleForRunner();
    }

    std::printf("fish-steps %.4f\n", fishStepMs());
    std::fflush(stdout);

    // Closing the window runs the view's teardown, as closing the program's frame does.
    window.DestroyWindow();
    return 0;
}
