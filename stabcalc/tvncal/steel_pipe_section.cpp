#include "steel_pipe_section.h"

#include "corrosion.h"
#include "math_constants.h"
#include "rounding.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// A section modulus below this counts as no section.
constexpr double kNoSection = 0.0001;

constexpr double kPtJointCode = 2.0;
constexpr double kPtJointLength = 180.0;
constexpr double kPpJointCode = 3.0;
constexpr double kPpJointLength = 247.8;
constexpr double kNoJointCode = 4.0;

} // namespace

double pipe_joint_length(double diameter_mm, double joint) {
    const double value = std::fabs(joint);
    if (value == 0.0 || value == 1.0) {
        // L-T joint: the steel pipe beside the pipe's half, from the outer
        // diameter d in cm.
        const double d = diameter_mm / 10.0;
        return (std::sqrt(d * d / 4.0 - 64.0) + d / 2.0 + 7.6 - d) * 10.0;
    }
    if (value == kPtJointCode) return kPtJointLength;
    if (value == kPpJointCode) return kPpJointLength;
    if (value == kNoJointCode) return 0.0;
    return value;
}

std::string pipe_joint_label(double joint) {
    if (joint == kPtJointCode || joint == kPtJointLength) return "(P-T)型";
    if (joint == kPpJointCode || joint == kPpJointLength) return "(P-P)型";
    return "(L-T)型";
}

PipeSection steel_pipe_section(bool per_metre, double diameter, double thickness, double t1,
                               double t2, double joint, double young) {
    PipeSection s;
    s.ratio = corrosion_ratio(t1, t2);

    const double e = pipe_joint_length(diameter, joint);
    const double d = diameter / 10.0;            // outer diameter, cm
    const double a = d - 0.2 * t1;               // outer diameter of the more corroded half
    const double c = d - 0.2 * t2;               // of the other half
    const double b = d - 2.0 * thickness / 10.0; // bore
    s.width = round_dec(d + e / 10.0, 3);

    const double ring = std::pow(d, 4) - std::pow(b, 4);
    if (!per_metre) {
        s.inertia = round_dec(kPi * ring / 64.0, 0);
        s.modulus = round_dec(2.0 * s.inertia / d, 0);
        return s;
    }
    if (t1 == 0.0 && t2 == 0.0) {
        s.inertia = round_dec(100.0 / s.width * round_dec(kPi * ring / 64.0, 0), 0);
        s.rigidity = flexural_rigidity(young, s.inertia);
        s.modulus = round_dec(2.0 * s.inertia / d, 0);
        return s;
    }
    // Corrosion through the whole wall leaves no ring to take a moment; the
    // half-ring formulas would go on with a zero or negative area.
    if (t1 >= thickness) {
        s.left = false;
        return s;
    }
    const double half_a = kPi * a * a / 8.0;
    const double half_c = kPi * c * c / 8.0;
    const double area = half_a + half_c - kPi * b * b / 4.0;
    const double offset = (half_a * 2.0 * a / (3.0 * kPi) - half_c * 2.0 * c / (3.0 * kPi)) / area;
    s.inertia = round_dec(100.0 / s.width *
                              (kPi * std::pow(a, 4) / 128.0 + kPi * std::pow(c, 4) / 128.0 -
                               kPi * std::pow(b, 4) / 64.0 - offset * area * offset),
                          0);
    s.rigidity = flexural_rigidity(young, s.inertia);
    s.modulus = round_dec(s.inertia / std::max(a / 2.0 - offset, offset + c / 2.0), 0);
    if (s.modulus < kNoSection) s.left = false;
    return s;
}

} // namespace wtn
