// One fish: where it is, where it is heading, how its body bends, and the rules it steers by on
// its own. The rules that involve other fish or the food are in School.h.
//
// World frame: x to the right, y up, z toward the viewer. Angles are in degrees; heading h swims
// along (-cos h, sin h) in (x, z), so 0 is toward -x and 90 toward +z; positive pitch climbs.
// Positions and speeds are world units per frame: every step advances by a fixed amount.
#pragma once

#include "fish/FishBodyMesh.h"
#include "tank/TankBounds.h"

// How Fish::steerHeading changes the target heading T; the values are the ones callers pass.
// A "signed step" of r adds r when the sense and whether the fish faces low x differ, and
// subtracts it otherwise.
enum class HeadingRule {
    RandomTurn = 0,   // 0..169 degrees, down from above 180 and up otherwise
    Reverse = 1,      // half a turn, down from above 180 and up otherwise
    SmallTurn = 2,    // a signed step of 0..14 degrees
    QuarterTurn = 4,  // in the rear band only: up for 0 < T <= 180 or T < -180, down otherwise
    BigTurn = 5,      // a signed step of 10..19 degrees
    TurnAround = 6,   // half a turn, its direction from the sense and the x direction faced
    TurnBy = 7,       // a signed step of the whole degrees of the amount
};

// How Fish::steerPitch changes the target pitch P.
enum class PitchRule {
    RandomPitch = 0,  // 15..29 degrees toward level and beyond
    Invert = 3,       // P becomes -P
    Nudge = 5,        // one degree up with the sense set, down without
    PitchBy = 7,      // the amount up or down; refused outright if P +- amount would pass 90
};

// Which bound the last bounds test pushed the fish back from.
enum class WallContact { None = 0, LowX = 1, HighX = 2, LowZ = 3, HighZ = 4, Top = 5, Bottom = 6 };

// Which way the fish and its target face, recomputed at the start of every move.
struct DirectionFlags {
    bool facesLowX = false, facesHighX = false;
    bool pitchUp = false, pitchDown = false;
    bool facesLowZ = false, facesHighZ = false;
    bool targetFacesLowX = false, targetFacesHighX = false;
    bool targetFacesLowZ = false, targetFacesHighZ = false;
};

struct Point3 {
    float x = 0, y = 0, z = 0;
};

// What drawing one frame of a fish needs, taken while the fish steps: where it is drawn (its place
// before the step moves it), which way it faces and climbs, its size, and how each cross-section
// of the body is turned and bent.
struct FishPose {
    float x = 0, y = 0, z = 0;
    float heading = 0;  // degrees
    float pitch = 0;    // degrees
    int size = 0;
    float columnAngle[FishBodyMesh::kColumns] = {};  // degrees about the model's z axis
    float columnBend[FishBodyMesh::kColumns] = {};   // sideways offset of the tail wave
    float flap = 0;                                  // lift of the outer edges, columns 5 and 6
};

// An axis-aligned box in world units.
struct FishBox {
    float xMax = 0, xMin = 0, yMax = 0, yMin = 0, zMax = 0, zMin = 0;
};

class Fish {
public:
    static constexpr int kMinSize = 2;
    static constexpr int kMaxSize = 8;
    static constexpr float kMinSpeed = 0.05f;
    static constexpr float kMaxSpeed = 0.15f;
    static constexpr float kMaxTargetPitch = 45.0f;
    static constexpr float kMaxTargetHeading = 360.0f;

    // A fish of random size with a random target heading and pitch, at the origin, not moving.
    Fish();
    virtual ~Fish();

    // Sets the swimming box: x xLow..xHigh, y bottom + 5..top + 10, z zLow..zHigh. Forgets the
    // collision box and clears `colliding`.
    void setBounds(float xLow, float xHigh, float top, float bottom, float zLow, float zHigh);

    // Applies `rule` to the target heading, unless a turn is still under way; the target then
    // stays within +-360.
    void steerHeading(float amount, bool sense, HeadingRule rule);
    // Applies `rule` to the target pitch, which then stays within +-45 (unless PitchBy refused).
    void steerPitch(float amount, bool sense, PitchRule rule);
    // Moves the speed one `step` toward `target`, taking back a step that overshoots, and keeps
    // it within 0.05..0.15.
    void approachSpeed(float step, float target);
    // Whether the fish swims in the rear band of depths: -90 < z < -60, z = -75 excluded.
    bool inRearBand() const;
    // Grows or shrinks by `step`, in whole sizes within 2..8.
    void resize(float step, bool grow);

    // The per-frame steps, in the order a frame runs them after the pitch step: wander, move
    // (which ends with keepInBounds), updateBox.
    void wander();
    void move();
    void keepInBounds();
    void updateBox();

    // One frame of the fish: bends the body, pitches, wanders, moves and refreshes the box.
    // Returns the frame's pose, taken before the fish wanders and moves, so that what they change
    // shows in the next frame.
    FishPose step();
    // Draws `pose` with the bound skin, relative to the current matrix, which it leaves as it
    // found it.
    static void draw(const FishPose& pose);

    const DirectionFlags& directions() const { return flags; }
    // The swimming box set by setBounds.
    const TankBounds& bounds() const { return swimBox; }
    // The collision box (the body's extent grown by half its length, a quarter of its height and
    // a quarter of its depth) and the front end of the body axis, as of the last updateBox.
    const FishBox& outerCollisionBox() const { return outerBox; }
    const Point3& headPoint() const { return head; }
    // Whether updateBox has run since the last setBounds; until then the fish is no obstacle.
    bool hasBox() const { return boxComputed; }

    // The record the view and the school's rules read and change.
    int size;                 // scale of the mesh, 2..8
    float speed = 0.1f;       // world units per frame, 0.05..0.15
    float targetPitch;        // degrees, -45..45; the vertical motion follows it
    float targetHeading;      // degrees, -360..360
    float pitch = 0;          // drawn pitch, whole degrees toward targetPitch
    bool attracted = false;   // food is within reach (feed mode); stops wandering
    float heading = 0;        // current heading, 2 degrees per 3 frames toward targetHeading
    float x = 0, y = 0, z = 0;
    bool colliding = false;   // the outer box overlaps another fish's; stops wandering

private:
    // Radians per tail phase step until the first wander event.
    static constexpr float kRestingTailPhaseStep = 0.7853981f;

    void poseBody(FishPose& pose);
    void turnColumns(float angles[FishBodyMesh::kColumns]);
    void bendThroughTurn(float angles[FishBodyMesh::kColumns]);
    void settleColumns(float angles[FishBodyMesh::kColumns]);
    void bendTail(float bends[FishBodyMesh::kColumns]);
    float flapEdges();
    void stepPitch();
    void updateDirectionFlags();
    // A step of r that turns toward +T or -T depending on the sense and the x direction faced.
    float signedStep(float r, bool sense) const;

    int columnYaw[FishBodyMesh::kColumns] = {};    // settled whole-degree angle of each column
    float turnTarget = 0;                          // the target the current turn started for
    int turnFrame = 0;                             // counts frames between heading steps, 0..2
    bool turnDone = false;                         // the heading has reached the target
    bool columnsSettled = false;                   // every column has reached the target
    float tailPhase = 0;                           // radians, 0..6.283185
    int tailFrame = 0;                             // counts frames between tail phase steps
    float tailSpatialStep = 0.2617994f;            // radians of tail phase per column
    float tailPhaseStep = kRestingTailPhaseStep;   // radians per tail phase step
    float flapPhase = 0;                           // radians, 0..6.283185
    int flapFrame = 0;                             // counts frames between flap phase steps
    DirectionFlags flags;
    TankBounds swimBox;
    WallContact wallHit = WallContact::None;
    int wanderTimer;                               // counts up to the next wander event past 400
    float lengthFactor, depthFactor, heightFactor; // body extent per unit of size
    FishBox outerBox;                              // the body's extent grown, for collisions
    Point3 head;                                   // front end of the body axis
    bool boxComputed = false;
};
