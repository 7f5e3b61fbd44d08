// The customisation values of TVNCSTM.DAT that the batch programs use: the
// user's standing calculation and report options, one value a line. The
// front end owns the file; it writes 20 lines, of which the batch programs
// read the first 19 (line 5 is a compatibility line without a value).
#pragma once

namespace wtn {

inline constexpr const char* kCustomisationFileName = "TVNCSTM.DAT";
inline constexpr int kCustomisationLinesRead = 19;

struct CustomisationValues {
    double wall_friction_angle = 0.0;        // 1: δ, wall-friction angle (degrees)
    double wall_angle = 0.0;                 // 2: ψ, wall angle to the vertical (degrees)
    double clay_failure_angle_normal = 0.0;  // 3: ζ of clay layers, normal case (degrees)
    double clay_failure_angle_seismic = 0.0; // 4: ζ of clay layers, seismic case (degrees)
    // Line 5 is not kept.
    // 6-8: options of the apparent seismic coefficient by the second
    // district port construction bureau's proposal.
    int apparent_crown_rule =
        0; // 6: at the crown with water at or above it: 0 γ/(γ-10)·k, 1 the in-air value
    int apparent_land_depth_rule =
        0; // 7: land depths from 0 the residual water level, other the first layer top
    int apparent_sea_depth_rule = 0;   // 8: sea depths from 0 the L.W.L., other the design seabed
    double ground_dummy_length = 0.0;  // 9: dummy length of the ground-surface shape (m)
    double consolidation_factor = 0.0; // 10: factor of the second clay formula
    int pile_tip_condition = 0;        // 11: 1 head free, 2 pinned tip, 3 fixed tip
    double division_pitch = 0.0;       // 12: element length of the transfer-matrix methods (m), > 0
    int corroded_section_rule =
        0; // 13: section after corrosion: 0 from the corrosion table, other remaining section
    int chang_displacement_rule = 0; // 14: Chang displacement sections: 0 mud for δ1, δ2 and sea
                                     // water for δ3, other sea water
    int steel_significant_digits =
        0; // 15: significant digits of steel sections (0: round at the first decimal)
    double chang_embedment_numerator = 0.0; // 16: n of L = n / β (0.0 or less means 3.0)
    int koken_sea_moment_rule = 0; // 17: sea-water stress of the C/S-type methods: 0 moment at the
                                   // virtual seabed, other M max
    int apparent_rounding_rule =
        0; // 18: apparent seismic coefficient: 0 half up to 0.01, other steps of 0.05
    double qu_denominator = 0.0; // 19: X of qu = N / X for clay
};

// The choices of the lines above that the calculation tests by their codes.
// Line 6: the apparent coefficient at the crown with water at or above it.
enum class CrownApparentRule : int { SubmergedFormula = 0, InAir = 1 };
// Lines 7 and 8: where the depths of the second district bureau's proposal
// start on the land side and on the sea side.
enum class LandDepthOrigin : int { ResidualWaterLevel = 0, FirstLayerTop = 1 };
enum class SeaDepthOrigin : int { Lwl = 0, DesignSeabed = 1 };
// Line 13: the section after corrosion.
enum class CorrodedSectionRule : int { FromCorrosionTable = 0, RemainingSection = 1 };
// Line 14: the sections of the Chang displacements.
enum class ChangDisplacementRule : int { MudThenSeaWater = 0, SeaWater = 1 };
// Line 17: the moment of the sea-water stress of the C/S-type methods.
enum class KokenSeaMomentRule : int { AtVirtualSeabed = 0, Maximum = 1 };

// Reads TVNCSTM.DAT from the current folder. Lines missing at the end of the
// file read as 0, as the front end reads them. Stops the program with exit
// code 1 when the file cannot be opened, and when the division pitch is not
// positive (the pile could not be divided into elements).
CustomisationValues read_customisation();

} // namespace wtn
