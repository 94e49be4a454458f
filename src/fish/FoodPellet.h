// One food pellet: a small pale-yellow disc dropped into the tank in feed mode. It tumbles and
// spins as it sinks; fish nearby pull it toward their mouths and eat it, and one nobody eats runs
// out after sinking eleven units. The view keeps 20 of them as slots.
#pragma once

// Pellets that can be in the water at once.
constexpr int kFoodSlots = 20;
// The depth at which every pellet is dropped, in the middle of the fish's depth range.
constexpr float kFoodDropDepth = -70.0f;

// How a pellet is drawn in a frame: dropped at `dropPoint`, spun, drifted to `height` and
// tumbled (degrees); a pellet that is not shown draws nothing.
struct PelletPose {
    bool shown = false;
    float dropPoint[3] = {0, 0, 0};
    float spin = 0, driftX = 0, height = 0, driftZ = 0, tumble = 0;
    unsigned listName = 0;
};

class FoodPellet {
public:
    FoodPellet();
    virtual ~FoodPellet();

    // Randomises the motion, revives the pellet and compiles its geometry into a fresh display
    // list (deleting the slot's previous one). Needs a current OpenGL context.
    void prepare();
    // Drops the pellet at (x, y, z) and prepares it; the caller then marks the slot active.
    void spawn(float x, float y, float z);

    bool isActive() const { return active; }
    void setActive(bool flag) { active = flag; }
    bool isAlive() const { return static_cast<int>(alive) != 0; }

    // One frame: takes the pose the pellet is drawn in (shown when alive, and then the point fish
    // aim at), frees the slot when it is no longer alive, then lets it sink one frame.
    PelletPose step();
    // Draws `pose` relative to the current matrix, which it leaves as it found it.
    static void draw(const PelletPose& pose);
    // One frame of sinking, drifting and tumbling, without drawing.
    void advance();

    // Moves the pellet by a small offset; fish use it to pull food toward their mouths.
    void nudge(float dx, float dy, float dz);
    void eat() { alive = 0.0f; }

    // World position as of the last step; (0, 0, 0) until the first step after `prepare`.
    const float* currentPosition() const { return position; }

private:
    float driftX = 0;       // sideways random walk
    float height = 1.0f;    // vertical offset from the drop point: 1 at the drop, sinks to -10
    float driftZ = 0;       // random walk in depth
    float tumble = 0;       // degrees about x, +0.4 per frame
    float spin = 0;         // degrees about y, +2 per frame
    float sinkRate = 0;     // height lost per frame, 0.005..0.0095
    float alive = 0;        // 1 while the pellet exists, 0 once eaten or sunk out
    unsigned listName = 0;  // the pellet's geometry
    unsigned texture = 0;   // the food texture; requested once, never bound
    float position[3] = {0, 0, 0};
    float dropPoint[3];
    bool active = false;
};
