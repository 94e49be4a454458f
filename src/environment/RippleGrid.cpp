#include "environment/RippleGrid.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kLastPoint = RippleGrid::kGridPoints - 1;
// A step of one grid unit is this many units of the wave's travel.
constexpr double kWaveUnitsPerGridUnit = 800.0 / 31.0;
constexpr int kNewRippleAge = 4;
// How far a ripple's crest pushes the picture, as a share of its size, before the ripple ages:
// about 4 % of the screen, which shows as a wobble of edges without tearing the picture apart.
constexpr double kStrength = 0.4;
// The wave: a squared sine of period 114 phases, damped so that its first crest is 0.1 high and
// what is left of it at phase 254 is 0.01856; at phase 255 it has gone.
constexpr double kWavePeriod = 114.0;
constexpr double kWaveDamping = 0.004258;
constexpr double kWaveTail = 0.01856;
constexpr double kWaveCrest = 0.1;
constexpr int kWaveTailPhase = 254;
// A ripple lives long enough to cross the picture: its farthest corner's distance, in grid units
// scaled to pixels, plus a margin, over the wave's speed.
constexpr int kLifeMargin = 42;
constexpr int kLifeDivisor = 5;

double squaredSine(int phase)
{
    const double s = std::sin(3.14159265358979 * phase / kWavePeriod);
    return s * s;
}

const std::array<double, RippleGrid::kWavePhases>& waveTable()
{
    static const std::array<double, RippleGrid::kWavePhases> table = [] {
        std::array<double, RippleGrid::kWavePhases> heights{};
        const double amplitude = kWaveTail / (std::exp(-kWaveDamping * kWaveTailPhase) *
                                              squaredSine(kWaveTailPhase));
        for (int phase = 0; phase < RippleGrid::kWavePhases - 1; ++phase)
            heights[phase] = amplitude * std::exp(-kWaveDamping * phase) * squaredSine(phase);
        return heights;
    }();
    return table;
}

const RippleGrid::Direction* directionTable()
{
    static const auto table = [] {
        std::array<RippleGrid::Direction, RippleGrid::kGridPoints * RippleGrid::kGridPoints> t{};
        for (int dn = 0; dn < RippleGrid::kGridPoints; ++dn)
            for (int dc = 0; dc < RippleGrid::kGridPoints; ++dc) {
                const double r = std::sqrt(static_cast<double>(dn * dn + dc * dc));
                if (r > 0)
                    t[dn * RippleGrid::kGridPoints + dc] = {
                        dn / r, dc / r, static_cast<int>(r * kWaveUnitsPerGridUnit)};
            }
        return t;
    }();
    return table.data();
}

}  // namespace

const RippleGrid::Direction& RippleGrid::direction(int dn, int dc)
{
    return directionTable()[dn * kGridPoints + dc];
}

double RippleGrid::wave(int phase)
{
    return waveTable()[phase];
}

void RippleGrid::setSize(int screenWidth, int screenHeight)
{
    width = screenWidth;
    height = screenHeight;
    diagonal = static_cast<int>(std::sqrt(static_cast<double>(width) * width +
                                          static_cast<double>(height) * height));
    for (int slot = 0; slot < kRippleSlots; ++slot) {
        rippleX[slot] = rippleY[slot] = 0;
        rippleLifeOf[slot] = 0;
        rippleAgeOf[slot] = diagonal + kWavePhases;  // long past any wave
    }
    movedLow[0] = movedLow[1] = kGridPoints;
    movedHigh[0] = movedHigh[1] = -1;
    for (int n = 0; n < kGridPoints; ++n)
        for (int c = 0; c < kGridPoints; ++c) {
            GridPoint& p = points[n][c];
            p.x = 2.0f * n / kLastPoint - 1.0f;
            p.y = 2.0f * c / kLastPoint - 1.0f;
            p.s = p.s0 = static_cast<float>(n) / kLastPoint;
            p.t = p.t0 = static_cast<float>(c) / kLastPoint;
        }
}

void RippleGrid::addRipple(int x, int y)
{
    if (width <= 0 || height <= 0)
        return;
    int slot = 0;
    while (slot < kRippleSlots && rippleAgeOf[slot] < rippleLifeOf[slot])
        ++slot;
    if (slot == kRippleSlots)
        return;
    rippleX[slot] = std::clamp(static_cast<int>(static_cast<double>(x) / width * kGridPoints), 0,
                               kLastPoint);
    rippleY[slot] = std::clamp(static_cast<int>(static_cast<double>(y) / height * kGridPoints), 0,
                               kLastPoint);
    rippleAgeOf[slot] = kNewRippleAge;
    const double corners[4][2] = {{0, 0}, {kGridPoints, 0}, {kGridPoints, kGridPoints},
                                  {0, kGridPoints}};
    double farthest = 0;
    for (const auto& corner : corners)
        farthest = std::max(farthest, std::hypot(corner[0] - rippleX[slot],
                                                  corner[1] - rippleY[slot]));
    rippleLifeOf[slot] =
        static_cast<int>(width * farthest / kGridPoints + kLifeMargin) / kLifeDivisor;
}

void RippleGrid::draw(unsigned texture, int textureWidth, int textureHeight, float stretchX,
                      float stretchY)
{
    // A cell whose corners are all at rest would copy its pixels onto themselves, unchanged: only
    // the cells a ripple has reached are copied and drawn again.
    if (movedLow[0] > movedHigh[0]) {
        advance();
        return;
    }
    const int cellLow[2] = {std::max(0, movedLow[0] - 1), std::max(0, movedLow[1] - 1)};
    const int cellHigh[2] = {std::min(kLastPoint - 1, movedHigh[0]),
                             std::min(kLastPoint - 1, movedHigh[1])};
    // The copy takes in every pixel those cells can show: their own, and as far beyond as a
    // ripple can push the picture.
    const int reach[2] = {static_cast<int>(kStrength * kWaveCrest * width) + 2,
                          static_cast<int>(kStrength * kWaveCrest * height) + 2};
    const int size[2] = {width, height};
    int copyLow[2], copyHigh[2];
    for (int axis = 0; axis < 2; ++axis) {
        copyLow[axis] = std::max(0, cellLow[axis] * size[axis] / kLastPoint - reach[axis]);
        copyHigh[axis] =
            std::min(size[axis], (cellHigh[axis] + 1) * size[axis] / kLastPoint + 1 + reach[axis]);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, copyLow[0], copyLow[1], copyLow[0], copyLow[1],
                        copyHigh[0] - copyLow[0], copyHigh[1] - copyLow[1]);

    // The picture fills only part of the texture: texture coordinates are shares of the picture.
    const float pictureS = static_cast<float>(width) / textureWidth;
    const float pictureT = static_cast<float>(height) / textureHeight;
    glPushMatrix();
    glScalef(stretchX, stretchY, 1.0f);
    for (int n = cellLow[0]; n <= cellHigh[0]; ++n)
        for (int c = cellLow[1]; c <= cellHigh[1]; ++c) {
            glBegin(GL_POLYGON);
            for (const auto& [dn, dc] : {std::pair{0, 0}, {0, 1}, {1, 1}, {1, 0}}) {
                const GridPoint& p = points[n + dn][c + dc];
                glTexCoord2f(p.s * pictureS, p.t * pictureT);
                glVertex3f(p.x, p.y, 0.0f);
            }
            glEnd();
        }
    glPopMatrix();
    advance();
}

void RippleGrid::advance()
{
    for (int& age : rippleAgeOf)
        ++age;
    movedLow[0] = movedLow[1] = kGridPoints;
    movedHigh[0] = movedHigh[1] = -1;
    for (int n = 0; n < kGridPoints; ++n)
        for (int c = 0; c < kGridPoints; ++c) {
            GridPoint& p = points[n][c];
            double s = p.s0, t = p.t0;
            for (int slot = 0; slot < kRippleSlots; ++slot) {
                const int dn = n - rippleX[slot];
                const int dc = c - rippleY[slot];
                const Direction& d = direction(std::abs(dn), std::abs(dc));
                const int phase = std::clamp(rippleAgeOf[slot] - d.distance, 0, kWavePhases - 1);
                // A ripple weakens as it ages and is gone at 256: the square alone would grow again
                // and bring old waves back ever stronger as they reach the far side.
                const double fade =
                    std::max(0.0, 1.0 - rippleAgeOf[slot] / static_cast<double>(kWavePhases));
                const double push = fade * fade * kStrength * wave(phase);
                s += (dn < 0 ? -1 : 1) * push * d.unitN;
                t += (dc < 0 ? -1 : 1) * push * d.unitC;
            }
            p.s = static_cast<float>(s);
            p.t = static_cast<float>(t);
            if (p.s != p.s0 || p.t != p.t0) {
                movedLow[0] = std::min(movedLow[0], n);
                movedLow[1] = std::min(movedLow[1], c);
                movedHigh[0] = std::max(movedHigh[0], n);
                movedHigh[1] = std::max(movedHigh[1], c);
            }
        }
}
