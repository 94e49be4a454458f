#include "fish/FoodPellet.h"

#include "media/PackedTexture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Where a pellet made with the view drops until a click gives it a place: x in -30..29,
// y in -15..14, at the depth every click drops food.
constexpr int kDropSpanX = 60;
constexpr int kDropSpanY = 30;

// Scales of the random motion (each a whole range divided by RAND_MAX).
constexpr float kDriftXScale = 0.000042115542f;
constexpr float kDriftZScale = 0.000011597033f;
constexpr float kAngleScale = 0.0054933317f;
constexpr float kWanderScale = 0.00000006103702f;
constexpr float kSunkTumbleScale = 0.000006103702f;
constexpr float kSunkSpinScale = 0.00003051851f;

// Sinking: 0.005 to 0.0095 per frame from 1 above the drop point to 10 below it.
constexpr int kSinkRateSteps = 10;
constexpr float kSinkRateStep = 0.0005f;
constexpr float kSlowestSinkRate = 0.005f;
constexpr float kStartHeight = 1.0f;
constexpr float kSunkHeight = -10.0f;
// Where a sunk-out pellet is parked, far below the floor.
constexpr float kParkedHeight = -40.0f;
constexpr float kTumblePerFrame = 0.4f;
constexpr float kSpinPerFrame = 2.0f;
// The disc is drawn a little below its height.
constexpr float kDrawnDrop = 0.2f;

// The disc: an ellipse 0.6 wide and 0.3 high, fanned from its first rim vertex.
constexpr int kRimVertices = 500;
constexpr float kRimStep = 0.01256637f;
constexpr float kHalfWidth = 0.3f;
constexpr float kHalfHeight = 0.15f;
constexpr GLubyte kPelletColor[3] = {243, 225, 159};

// The food picture; there is none in the program, so the texture stays without an image.
constexpr WORD kFoodTextureId = 10017;
constexpr char kFoodTextureName[] = "fish17";

// The difference of two successive rand() values, drawn in that order.
int randomDifference()
{
    const int first = std::rand();
    return first - std::rand();
}

void compileDisc(GLuint list)
{
    glNewList(list, GL_COMPILE);
    glPushMatrix();
    // The pellet is plain colour; texturing is on for everything drawn around it.
    glDisable(GL_TEXTURE_2D);
    glColor3ub(kPelletColor[0], kPelletColor[1], kPelletColor[2]);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < kRimVertices; ++i) {
        const float angle = static_cast<float>(i) * kRimStep;
        glVertex2f(kHalfWidth * std::cos(angle), kHalfHeight * std::sin(angle));
    }
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
    glEndList();
}

}  // namespace

FoodPellet::FoodPellet()
{
    dropPoint[0] = static_cast<float>(std::rand() % kDropSpanX - kDropSpanX / 2);
    dropPoint[1] = static_cast<float>(std::rand() % kDropSpanY - kDropSpanY / 2);
    dropPoint[2] = kFoodDropDepth;
}

FoodPellet::~FoodPellet() = default;

void FoodPellet::prepare()
{
    driftX = static_cast<float>(randomDifference()) * kDriftXScale;
    height = kStartHeight;
    driftZ = static_cast<float>(randomDifference()) * kDriftZScale;
    tumble = static_cast<float>(randomDifference()) * kAngleScale;
    const float firstSpin = static_cast<float>(randomDifference()) * kAngleScale;
    spin = firstSpin + static_cast<float>(randomDifference()) * kAngleScale;
    sinkRate = static_cast<float>(std::rand() % kSinkRateSteps) * kSinkRateStep + kSlowestSinkRate;
    alive = 1.0f;
    position[0] = position[1] = position[2] = 0.0f;

    // A slot is prepared again for every pellet dropped into it; its old list goes first.
    if (listName != 0)
        glDeleteLists(listName, 1);
    listName = glGenLists(1);
    compileDisc(listName);

    // Requested once per slot: a new name for every pellet would pile up names over the hours.
    if (texture == 0)
        loadPackedTexture(kFoodTextureId, kFoodTextureName, &texture);
}

void FoodPellet::spawn(float x, float y, float z)
{
    dropPoint[0] = x;
    dropPoint[1] = y;
    dropPoint[2] = z;
    prepare();
}

PelletPose FoodPellet::step()
{
    PelletPose pose;
    pose.shown = isAlive();
    if (pose.shown) {
        pose.listName = listName;
        std::copy(dropPoint, dropPoint + 3, pose.dropPoint);
        pose.spin = spin;
        pose.driftX = driftX;
        pose.height = height - kDrawnDrop;
        pose.driftZ = driftZ;
        pose.tumble = tumble;
        // Fish aim at this point; the spin is left out, as it only turns the tiny drift.
        position[0] = dropPoint[0] + driftX;
        position[1] = dropPoint[1] + pose.height;
        position[2] = dropPoint[2] + driftZ;
    } else {
        setActive(false);
    }
    advance();
    return pose;
}

void FoodPellet::draw(const PelletPose& pose)
{
    if (!pose.shown)
        return;
    glPushMatrix();
    glTranslatef(pose.dropPoint[0], pose.dropPoint[1], pose.dropPoint[2]);
    glRotatef(pose.spin, 0.0f, 1.0f, 0.0f);
    glTranslatef(pose.driftX, pose.height, pose.driftZ);
    glRotatef(pose.tumble, 1.0f, 0.0f, 0.0f);
    glCallList(pose.listName);
    glPopMatrix();
}

void FoodPellet::advance()
{
    if (height > kSunkHeight) {
        driftX += static_cast<float>(randomDifference()) * kWanderScale;
        height -= sinkRate;
        driftZ += static_cast<float>(randomDifference()) * kWanderScale;
        tumble += kTumblePerFrame;
        spin += kSpinPerFrame;
    } else {
        height = kParkedHeight;
        tumble -= static_cast<float>(std::rand()) * kSunkTumbleScale;
        spin += static_cast<float>(std::rand()) * kSunkSpinScale;
        alive = 0.0f;
    }
}

void FoodPellet::nudge(float dx, float dy, float dz)
{
    driftX += dx;
    height += dy;
    driftZ += dz;
}
