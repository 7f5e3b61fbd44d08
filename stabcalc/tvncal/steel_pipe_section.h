// Section of a steel-pipe sheet pile, per pile or per metre of wall, before
// and after corrosion. A pipe corroded by t1 on the more corroded half and t2
// on the other is taken as two half rings of reduced outer diameter around
// the same bore.
#pragma once

#include <string>

namespace wtn {

struct PipeSection {
    double modulus = 0.0;  // Z, cm3 per pile or cm3/m
    double inertia = 0.0;  // I, cm4 per pile or cm4/m
    double rigidity = 0.0; // EI per metre, kN*m2/m
    double width = 0.0;    // effective width of one pile, cm
    double ratio = 0.0;    // t2/t1 as used
    bool left = true;      // false: nothing of the section is left after corrosion
};

// Joint length (mm) of the joint value: 0 and 1 the L-T joint computed from
// the diameter, 2 the P-T joint 180, 3 the P-P joint 247.8, 4 none; any other
// value is the joint length itself.
double pipe_joint_length(double diameter_mm, double joint);

// "(P-T)型", "(P-P)型" or "(L-T)型" by the joint value.
std::string pipe_joint_label(double joint);

// D and t in mm, t1 >= t2 corrosion allowances in mm, young in kN/mm2.
// Stops with the t2/t1 message when t2 exceeds t1. When t1 reaches the wall
// thickness, nothing is left of the section (left false).
PipeSection steel_pipe_section(bool per_metre, double diameter, double thickness, double t1,
                               double t2, double joint, double young);

} // namespace wtn
