#include "fish/LineAngle.h"

#include <cmath>

namespace {

// Below this a run or a denominator is taken as zero, and 1 / kNearZero stands for the division.
constexpr double kNearZero = 0.0001;
constexpr double kSteepFactor = 10000.0;

double slope(double rise, double run)
{
    return std::fabs(run) <= kNearZero ? rise * kSteepFactor : rise / run;
}

}  // namespace

double angleBetweenLines(double rise1, double run1, double rise2, double run2)
{
    const double s1 = slope(rise1, run1);
    const double s2 = slope(rise2, run2);
    const double denominator = 1.0 + s1 * s2;
    const double tangent = std::fabs(denominator) <= kNearZero
                               ? std::fabs((s2 - s1) * kSteepFactor)
                               : std::fabs((s2 - s1) / denominator);
    return std::atan(tangent) / kRadiansPerDegree;
}
