// The state of one run of the stability calculation TVNCAL, owned by its
// driver and passed by reference to every step: the inputs, the stage of the
// force file, the cases and tide levels studied, the candidate table, and the
// result records that the work files and result files are written from.
#pragma once

#include "customisation.h"
#include "force_case.h"
#include "input_record.h"
#include "pile_beta.h"
#include "result_areas.h"
#include "run_info.h"
#include "stability_ranges.h"
#include "stability_switches.h"
#include "transfer_matrix.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wtn {

enum class PileKind { steel, concrete };

// Pile id of a steel-pipe row; the added flag of a pile of the user's own
// catalogue.
inline constexpr std::int32_t kSteelPipeId = -1;
inline constexpr std::int32_t kAddedPile = 1;

// One row of the candidate table with what the table keeps beside the
// record: the catalogue's corrosion table, its depth value c and, for a steel
// pipe, the dimensions the section after corrosion is computed from.
struct Candidate {
    CandidateRecord record;
    std::array<double, kCorrosionTablePoints> corrosion_table{}; // loss of Z per mm of t1
    double depth_value = 0.0;                                    // c, mm
    bool has_pipe_dimensions = false;
    SteelPipeRow pipe; // mm; when has_pipe_dimensions
};

// The section values the embedment methods compute with: with a joint
// efficiency the reduced moments of inertia, rigidities and section moduli,
// else the candidate's own (the reduced inertias then stay 0).
struct SectionValues {
    PerSection inertia_beta{};   // I for beta and the displacement, cm4/m
    PerSection rigidity_beta{};  // EI beta, kN*m2/m
    PerSection inertia_embed{};  // I for the embedment, cm4/m
    PerSection rigidity_embed{}; // EI e
    PerSection stress_modulus{}; // Z' for the stresses, cm3/m
};

struct StabilityRun {
    InputRecord input;
    CustomisationValues custom;
    RunInfo run_info;

    int file_mode = kCompletedStateMode; // first line of GAIRYOK.DAT
    bool take_decided = false;           // the pile of OK_YAITA.DAT is the only candidate
    PileKind pile_kind = PileKind::steel;

    CaseRange cases;
    TideLevelRange levels;
    std::array<std::string, kTideLevelCount> level_labels; // at most 16 bytes each

    std::vector<Candidate> candidates;
    int last_section_result = 0; // 1: the last candidate visited had no section left
    int current = -1;            // index of the candidate being tried
    SectionValues section;       // of the candidate being tried

    StabilityResults results;
    ForceCase force_case;
    // The transfer-matrix solver's room for the case (methods 2 and 4).
    MatrixWork matrix_work;
};

} // namespace wtn
