// What every embedment method shares: the section values with the joint
// efficiency, the bending stress, the layers below the reference level and
// the cantilever load sum of the head displacement.
#pragma once

#include "stability_run.h"

#include <vector>

namespace wtn {

// The section values of a candidate: with the joint-efficiency flag set,
// I beta = r0(f1 I), I e = r0(f2 I), Z' = r0(f3 Z) (f1 on the section
// calculation, f2 on the embedment, f3 on Z) and their rigidities; else the
// candidate's EI and Z, the reduced inertias 0.
SectionValues section_values(const CandidateRecord& candidate, const JointEfficiency& factors,
                             bool joint_efficiency, double young);

// Deflection (cm) of a cantilever of free length h_cm (cm) under a load sum
// (kN*m2/m of the horizontal loads' terms) with rigidity (kN*m2/m): the third
// part of the head displacement, rounded to 3 decimals.
double cantilever_deflection(double load_sum, double h_cm, double rigidity);

// Bending stress (N/mm2) of a moment (kN*m/m) on a section modulus (cm3/m),
// to one decimal.
double bending_stress(double moment, double modulus);

// One layer of the ground below the reference level of a case.
struct GroundLayer {
    double thickness = 0.0; // m
    double kh = 0.0;        // lateral resistance constant, kN/m3
};

// The layers from the force case's start row down: the first from the
// reference level of the case to the next boundary, every other with its own
// thickness; the last row only closes the layer above it.
std::vector<GroundLayer> layers_below_reference(const ForceCase& force_case, int case_index);

// The crown the head displacement is taken at: the sheet-pile crown in the
// construction stage of mode 1, else the superstructure crown.
double displacement_crown(const StabilityRun& run);

// Fills the case's LoadItem rows (ratio, factor and term of each horizontal
// load above the reference level) and returns the sum of the terms.
double load_displacement_sum(StabilityRun& run, int case_index);

} // namespace wtn

namespace wtn {

// The head displacement of case j in corrosion state `state` (0 before, 1
// after) into LevelDisplacementBlock: δ1 at the reference level and δ2 of the
// rotation over the free length as the method found them (cm), δ3 of the
// cantilever under the case's load sum with rigidity (kN·m²/m), their total
// and the subgrade reaction at the reference level (kN/m²). Call after
// load_displacement_sum.
void store_head_displacement(StabilityRun& run, int j, int state, double at_reference,
                             double rotation, double rigidity, double reaction);

// The free length from the reference level of case j to the crown, in cm.
double free_length_cm(const StabilityRun& run, int j);

} // namespace wtn
