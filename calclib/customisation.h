// The customisation values of TVNCSTM.DAT as the batch programs read them:
// lines 1 to 19 of the file the front end writes, and the codes of the
// switches among them that the calculation tests.
#pragma once

#include "customisation_file.h"

namespace wtn {

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
// file read as 0. Stops the program with exit code 1 when the file cannot be
// opened, when a line holds anything but one number, and when the division
// pitch is not positive (the pile could not be divided into elements).
CustomisationValues read_customisation();

} // namespace wtn
