// Program folders for the stability programs (TVNCAL, then TVNPRN) run
// without the load programs: the input file,
// the customisation file and a hand-written GAIRYOK.DAT of uniform ground.
// Defaults: U-type general catalogue (YAITA.D01: SP-II, SP-III, SP-IV),
// grade 1, Chang's method, normal case of the completed state, entered
// corrosion allowances of 0 (no corrosion), superstructure and sheet-pile
// crown +3.00, E 200 kN/mm2.
#pragma once

#include "program_folder.h"

#include <string>
#include <vector>

namespace wtn::test {

struct StabilityInput {
    int standard = 3; // 3: corrosion allowances entered as below
    int method = 1;
    int cases = 1;    // swdat item 6
    int decision = 1; // swdat item 9: reaction, displacement, stress digits
    int studies = 1;  // swdat item 13
    int pile_type = 1;
    double allowance_water = 0.0; // mm
    double allowance_land = 0.0;
    double allow_stress = 0.0; // tjkn1 item 7 (0: by the steel grade)
    double allow_disp_normal = 50.0;
    double allow_disp_construction = 50.0;
    double reduction = 100.0;                // both zones, percent
    std::string examine = "1,1,1,1,1,1,2,1"; // wavsw: examine and draw switch per tide level
    std::string extra;                       // further input lines, CR LF each
};

// One case section: one layer of kh from the reference level down to -30.
struct ForceSection {
    double kh = 30000.0;
    double force = 60.0; // P, kN/m
    double lever_arm = 4.0;
    double reference = -7.0;
    double pressure = 500.0; // passive pressure at the reference level
};

std::string stability_input_text(const StabilityInput& in);
std::string stability_customisation_text();
// mode 0: sections in case order, with the diagram rows; else construction
// stage sections without them.
std::string force_file_text(int mode, const std::vector<ForceSection>& sections);

} // namespace wtn::test
