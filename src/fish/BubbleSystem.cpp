#include "fish/BubbleSystem.h"

#include "media/PackedTexture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

constexpr WORD kBubbleTextureId = 166;
constexpr char kBubbleTextureName[] = "Particle1";

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

// Each frame a bubble is drawn up to 0.19 right of and in front of where it is.
constexpr int kJitterSteps = 20;
constexpr float kJitterStep = 0.01f;

// Frames drawn before the first frame shows, so that the bubbles have left their start line.
constexpr int kWarmUpFrames = 110;

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

void initialise(Particle& p)
{
    launch(p, kFirstStart);
    p.halfSize = static_cast<float>(std::rand() % kHalfSizeSteps + kSmallestHalfSizeSteps) *
                 kHalfSizeStep;
    p.fade = fade();
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

float jitter()
{
    return static_cast<float>(std::rand() % kJitterSteps) * kJitterStep;
}

}  // namespace

BubbleSystem::~BubbleSystem() = default;

bool BubbleSystem::reset(int newCount)
{
    particles.reset();
    drawn.reset();
    try {
        particles.reset(new Particle[newCount]);
        drawn.reset(new DrawnBubble[newCount]);
    } catch (const std::bad_alloc&) {
        // Too many bubbles for the memory, or a negative count: the emitter stays empty.
        particles.reset();
    }
    allocated = particles ? newCount : 0;
    count = allocated;
    if (!particles)
        return false;

    for (int i = 0; i < count; ++i)
        initialise(particles[i]);
    // A second reset keeps the texture: a new one would leave the old name behind.
    if (texture == 0)
        loadPackedTexture(kBubbleTextureId, kBubbleTextureName, &texture);
    return true;
}

void BubbleSystem::step(int newCount)
{
    // Held to the particles that exist: a bad count must never reach outside the array.
    count = std::clamp(newCount, 0, allocated);
    for (int i = 0; i < count; ++i) {
        const Particle& p = particles[i];
        const float x = p.x + jitter();
        const float z = p.z + jitter();
        drawn[i] = {x, p.y, z, p.halfSize};
    }
    advance();
}

void BubbleSystem::draw() const
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    for (int i = 0; i < count; ++i) {
        const DrawnBubble& b = drawn[i];
        const float s = b.halfSize;
        // The picture's s axis runs up the square.
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(b.x - s, b.y - s, b.z);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(b.x - s, b.y + s, b.z);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(b.x + s, b.y + s, b.z);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(b.x + s, b.y - s, b.z);
    }
    glEnd();
}

void BubbleSystem::advance()
{
    for (int i = 0; i < count; ++i) {
        Particle& p = particles[i];
        p.x += p.vx;
        p.y += p.vy;
        p.z += p.vz;
        // Only the rise speeds up.
        p.vy += p.ay;
        p.life -= p.fade;
        if (isFinished(p))
            respawn(p);
    }
}

void BubbleSystem::warmUp(int drawCount)
{
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        step(drawCount);
        draw();
    }
}
