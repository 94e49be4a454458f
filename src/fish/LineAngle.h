// Angles between lines in a plane, as the steering rules measure them. Angles are kept in
// degrees throughout the tank and converted with kRadiansPerDegree.
#pragma once

constexpr double kRadiansPerDegree = 0.017453292;

// The acute angle in degrees (0..90) between two lines, each given by its rise over its run. A
// run of 0.0001 or less counts as a slope of rise x 10000, and lines whose slopes multiply to
// about -1 are measured the same way, so nothing is divided by zero.
double angleBetweenLines(double rise1, double run1, double rise2, double run2);
