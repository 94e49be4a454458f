#include "fish/Bubble.h"

#include <cstdlib>

namespace {

// Bubbles start anywhere across the sheet, x in -100..99, just below its line y = -1.
constexpr int kSheetWidth = 200;
constexpr int kStartRows = 9;
constexpr float kStartRowStep = 0.005f;
constexpr float kStartY = -1.0f;
constexpr int kStartDepthSteps = 6;
constexpr float kStartDepthStep = 0.005f;

// Most random amounts are rand() % kRandomSteps times a step.
constexpr int kRandomSteps = 9000;
constexpr float kSidewaysStep = 0.000007f;
constexpr float kRiseStep = 0.000042f;
// The first bubbles rise at a third of the speed of the renewed ones.
constexpr float kFirstRiseShare = 0.33333334f;
constexpr float kDepthOffsetStep = 0.000001f;
constexpr float kDepthSpeedStep = 0.000001f;
// Renewed bubbles draw their depth speed from a range wider than rand() reaches: rand() whole.
constexpr int kRenewedDepthSpeedSteps = 90000;
constexpr float kRiseAcceleration = 0.00083333330f;

constexpr float kFullLife = 200.0f;
constexpr int kFadeSteps = 50;
constexpr float kFadeStep = 0.05f;
constexpr int kHalfSizeSteps = 20;
constexpr int kSmallestHalfSizeSteps = 2;
constexpr float kHalfSizeStep = 0.1f;

// A bubble is finished once it has sunk below the sheet's floor or risen out of the water.
constexpr float kLowestY = -25.0f;
constexpr float kHighestY = 130.0f;

// The sideways speed: the difference of two draws, in that order.
float sidewaysSpeed()
{
    const int first = std::rand() % kRandomSteps;
    return static_cast<float>(first - std::rand() % kRandomSteps) * kSidewaysStep;
}

float startY()
{
    return static_cast<float>(std::rand() % kStartRows) * kStartRowStep + kStartY;
}

float fade()
{
    return static_cast<float>(std::rand() % kFadeSteps) * kFadeStep;
}

// Where a bubble starts and how it moves off: the first bubbles rise slower and drift in depth
// less than the renewed ones.
struct Start {
    int depthChoices;
    float depthStep;
    float riseShare;
    int depthSpeedChoices;
};
constexpr Start kFirstStart = {kStartDepthSteps, kStartDepthStep, kFirstRiseShare, kRandomSteps};
constexpr Start kRenewedStart = {kRandomSteps, kDepthOffsetStep, 1.0f, kRenewedDepthSpeedSteps};

// Puts a bubble on the start line with a fresh motion and a full life.
void launch(Particle& p, const Start& start)
{
    p.x = static_cast<float>(std::rand() % kSheetWidth - kSheetWidth / 2);
    p.y = startY();
    p.z = static_cast<float>(std::rand() % start.depthChoices) * start.depthStep;
    p.vx = sidewaysSpeed();
    p.vy = static_cast<float>(std::rand() % kRandomSteps) * kRiseStep * start.riseShare;
    p.vz = static_cast<float>(std::rand() % start.depthSpeedChoices) * kDepthSpeedStep;
    p.ax = 0.0f;
    p.ay = kRiseAcceleration;
    p.az = 0.0f;
    p.life = kFullLife;
}

// Starts a finished bubble again at the bottom; it keeps its size.
void respawn(Particle& p)
{
    launch(p, kRenewedStart);
    p.fade = fade();
}

bool isFinished(const Particle& p)
{
    return p.y <= kLowestY || p.y >= kHighestY || p.life <= 0.0f;
}

}  // namespace

void initialiseBubble(Particle& p)
{
    launch(p, kFirstStart);
    p.halfSize = static_cast<float>(std::rand() % kHalfSizeSteps + kSmallestHalfSizeSteps) *
                 kHalfSizeStep;
    p.fade = fade();
}

void advanceBubble(Particle& p)
{
    p.x += p.vx;
    p.y += p.vy;
    p.z += p.vz;
    // Only the rise speeds up.
    p.vy += p.ay;
    p.life -= p.fade;
    if (isFinished(p))
        respawn(p);
}
