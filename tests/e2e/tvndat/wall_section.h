// Hand-written wall sections for the chain tests of TVNDAT: the input file
// CAL_FILE.DAT and the customisation file TVNCSTM.DAT, as the front end writes
// them, from a few plain values.
#pragma once

#include <string>
#include <vector>

namespace wtn::test {

struct Layer {
    double top = 0.0;
    double wet = 18.0; // kN/m3
    double submerged = 10.0;
    double saturated = 20.0;
    double phi = 30.0;     // degrees; 0 for clay
    double cohesion = 0.0; // kN/m2, constant with depth
    double kh = 10000.0;   // lateral resistance constant
    int option = 1;        // 1 kh given directly, 2 kh = 1500 N, 3 and 4 from the charts
    double n_value = 0.0;  // N value of options 2 to 4
};

struct OtherForce {
    double force = 0.0; // kN/m
    double level = 0.0; // m
    std::string name = "F";
};

// Embankment shape: a ground point, a fill layer and a surcharge zone.
struct GroundPointIn {
    double distance = 0.0;
    double level = 0.0;
};

struct Fill {
    double top = 0.0;
    double wet = 18.0;
    double submerged = 10.0;
    double saturated = 20.0;
};

struct Zone {
    double start = 0.0;
    double end = 0.0;
    double normal = 0.0;  // kN/m2
    double seismic = 0.0; // kN/m2
};

// One steel-pipe sheet pile ("kokan"): outer diameter and wall thickness in
// mm, the joint type 1 L-T, 2 P-T, 3 P-P (or the effective joint spacing).
struct SteelPipe {
    double diameter = 0.0;
    double thickness = 0.0;
    double joint = 1.0;
};

// Defaults: the uniform sand section of the chain tests. Ground and
// superstructure crown +3.0, L.W.L. and R.W.L. 0.0, design seabed -6.0, soil
// down to -30.0; one sand layer on each side (phi 30 deg, wet 18, submerged
// 10 kN/m3), no wall friction, no surcharge, normal case only.
struct WallSection {
    int cases = 1; // 1 normal only, 2 seismic only, 3 both
    double hwl = 1.0;
    double lwl = 0.0;
    double rwl = 0.0;
    double crown = 3.0; // ground-surface and superstructure crown
    double seabed = -6.0;
    double bottom = -30.0;
    double water_weight = 10.0;
    double seismic_k = 0.15;
    double allow_disp_normal = 5.0;  // joken item 14 (cm)
    double allow_disp_seismic = 7.5; // joken item 15 (cm)
    int apparent_rule = 3;           // 3: Arai-Yokoi proposal
    int dynamic_water = 1;           // 1 on, 2 off
    int clay_formula = 1;            // normal-case clay: 0 compare both formulas, 1 formula 1 only
    std::vector<Layer> land = {Layer{3.0}};
    std::vector<Layer> sea = {Layer{-6.0}};
    int ground_shape = 1;   // swdat item 7: 1 straight, 2 embankment
    int surcharge_mode = 1; // swdat item 8: 1 at the seabed for all layers, 2 per layer
    std::vector<GroundPointIn> ground;
    std::vector<Fill> fills;
    std::vector<Zone> zones;
    std::vector<OtherForce> normal_forces;
    std::vector<OtherForce> seismic_forces;
    // Read by the stability calculation only.
    int decision = 111;                 // swdat item 9: reaction, displacement, stress digits
    int pile_type = 1;                  // joken item 16: 1 U, 2 Z, 4 steel pipe, 5 PC (salt), 6 PC
    int u_variant = 1;                  // joken item 17: 1 improved (YAITA.D02), 2 general, 3 wide
    std::vector<SteelPipe> pipes;       // "kokan" rows of pile type 4
    int pipe_check = 2;                 // nir_t item 2: secondary stress of steel pipes, 1 examined
    double allow_stress_normal = 180.0; // tjkn1 item 7 (N/mm2)
    double allow_stress_seismic = 270.0; // tjkn1 item 8
    double young = 2.0;                  // tjkn1 item 11
    double young_exponent = 5.0;         // tjkn1 item 12
    int method = 1;                      // swdat item 2: embedment method
    int studies = 1;                     // swdat item 13: 1 completed state, 2 construction stage
    double pile_tip = -30.0;             // joken item 7
    double sea_constant = 0.0;           // neire item 4: k of the sea side
    double land_constant = 0.0;          // neire item 15: k of the land side
    std::string extra;                   // further input lines (wave data), CR LF each
};

// CAL_FILE.DAT of the section (code page 932 is plain ASCII here).
std::string input_file_text(const WallSection& s);

// TVNCSTM.DAT: wall friction and wall angle 0, consolidation factor 0.5,
// apparent coefficients rounded to 0.01, element pitch 0.1 m.
std::string customisation_text();

// CAL_FILE.DAT of a section studied in both the completed state and the
// construction stage (cases: swdat item 6), as both load programs read it:
// sand on both sides from the seabed -6.00, crown +3.00, H.W.L. and L.W.L.
// examined.
std::string both_studies_input(int cases);

} // namespace wtn::test
