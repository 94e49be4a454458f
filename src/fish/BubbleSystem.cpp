#include "fish/BubbleSystem.h"

#include "fish/Bubble.h"
#include "media/PackedTexture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

constexpr WORD kBubbleTextureId = 166;
constexpr char kBubbleTextureName[] = "Particle1";

// Each frame a bubble is drawn up to 0.19 right of and in front of where it is.
constexpr int kJitterSteps = 20;
constexpr float kJitterStep = 0.01f;

// Frames drawn before the first frame shows, so that the bubbles have left their start line.
constexpr int kWarmUpFrames = 110;

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
        initialiseBubble(particles[i]);
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
    for (int i = 0; i < count; ++i)
        advanceBubble(particles[i]);
}

void BubbleSystem::warmUp(int drawCount)
{
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        step(drawCount);
        draw();
    }
}
