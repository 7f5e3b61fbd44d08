// Chang's method (embedment method 1): the embedded part of the wall as a
// semi-infinite beam on an elastic foundation under the resultant of the
// loads above the reference level, with a characteristic value beta that
// averages the layered ground down to the depth 1/beta.
// Lengths m, displacements cm, forces kN/m, moments kN*m/m, kh kN/m3,
// EI kN*m2/m.
#pragma once

#include "embedment_common.h"

#include <vector>

namespace wtn {

// beta of the ground averaged down to 1/beta: kh = r1 of the thickness-
// weighted mean of kh down to 1/beta, beta = r3((kh / 4 EI)^1/4). Returns 1
// when 1/beta lies below the last layer, else 0.
int find_beta_depth(const std::vector<GroundLayer>& layers, double rigidity, double& kh,
                    double& beta);

// Maximum moment (negative for a positive load) below the reference level
// of a load P with lever arm h0 and moment M = P h0 there.
double chang_max_moment(double beta, double h0, double moment, double force);
// Its depth and the first zero of the moment; 0 for section 1 (sea water).
double chang_max_moment_depth(int section, double beta, double h0);
double chang_first_zero(int section, double beta, double h0);

// Embedment depth at which the sum of beta_i t_i over the layers reaches the
// target (3 unless the customisation gives one); the last layer reaches down
// 999.9 m. Stops the program when the layers never reach the target.
double layered_embedment(const std::vector<GroundLayer>& layers, double rigidity, double target);

// Head displacement terms of one corrosion state (cm) and the subgrade
// reaction at the reference level (kN/m2).
struct ChangDisplacement {
    double at_reference = 0.0; // delta1
    double rotation = 0.0;     // delta2
    double cantilever = 0.0;   // delta3
    double total = 0.0;
    double reaction = 0.0;
};
// free_length from the reference level to the crown (m); rigidity_free of
// the free length for delta3, rigidity_embedded for delta1 and delta2.
ChangDisplacement chang_displacement(double force, double h0, double free_length, double beta,
                                     double rigidity_free, double rigidity_embedded,
                                     double load_sum, double kh_first);

// Case j of the candidate whose section values run.section holds: moments,
// stresses, embedment and displacements into ChangResult, LevelSolverBlock and
// LevelDisplacementBlock.
void solve_chang(StabilityRun& run, int j);

} // namespace wtn
