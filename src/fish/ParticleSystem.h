// A system of small particles that live, move and are drawn together, and the particle record.
#pragma once

// One particle, fifteen floats.
struct Particle {
    float x, y, z;                   // position
    float vx, vy, vz;                // velocity per frame
    float ax, ay, az;                // acceleration per frame
    float life;                      // runs down by `fade`; the particle ends at 0
    float fade;                      // life lost per frame
    float halfSize;                  // half the side of the drawn square
};

class ParticleSystem {
public:
    virtual ~ParticleSystem() = default;

    // Makes `count` fresh particles; false when they cannot be allocated.
    virtual bool reset(int count) = 0;
    // One frame of the first `count` particles: takes where each is drawn, then advances them.
    virtual void step(int count) = 0;
    // Draws the particles where the last step took them.
    virtual void draw() const = 0;
    // Moves the particles one frame, renewing those that are finished.
    virtual void advance() = 0;
};
