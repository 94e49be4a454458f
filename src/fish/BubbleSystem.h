// One bubble emitter: a 200-unit-wide sheet of small textured squares that rise from just below
// its drawing point, speed up as they rise and start again at the bottom when they leave the
// water or fade out (the rules of one bubble are in Bubble.h). It is drawn in the additive pass,
// so the texture adds light to the picture.
#pragma once

#include "fish/ParticleSystem.h"

#include <memory>

class BubbleSystem : public ParticleSystem {
public:
    BubbleSystem() = default;
    ~BubbleSystem() override;
    BubbleSystem(const BubbleSystem&) = delete;
    BubbleSystem& operator=(const BubbleSystem&) = delete;

    // Makes `count` bubbles scattered along the bottom of the sheet, all of them drawn and moved,
    // and loads the bubble texture on the first call. Needs a current OpenGL context. When the
    // bubbles cannot be allocated, returns false and leaves the emitter empty.
    bool reset(int count) override;
    // Takes where the first `count` bubbles are drawn this frame, each shaken sideways and in
    // depth a little, then advances them; the rest stay where they are. `count` is held to
    // 0..the reset count.
    void step(int count) override;
    // Draws the bubbles of the last step at the current matrix with the current colour and
    // blending.
    void draw() const override;
    // Moves the first activeCount() bubbles one frame.
    void advance() override;

    // Steps and draws `drawCount` bubbles for 110 frames, so that they are already spread through the
    // water when the first frame shows.
    void warmUp(int drawCount);

private:
    // Where a bubble's square is drawn in a frame.
    struct DrawnBubble {
        float x, y, z, halfSize;
    };

    int count = 0;                          // bubbles drawn and advanced
    std::unique_ptr<Particle[]> particles;  // `allocated` of them, made by reset
    std::unique_ptr<DrawnBubble[]> drawn;   // the first `count` are the last step's
    int allocated = 0;
    unsigned texture = 0;                   // the bubble picture; loaded once per emitter
};
