// Row operations on a wave-pressure diagram, shared by Goda's and the
// Kuroda / Hiroi diagrams and by the driver.
#pragma once

#include "wave_records.h"

namespace wtn {

// A level within this distance of an existing row is that row: inserting it
// adds nothing.
inline constexpr double kWaveRowMergeTolerance = 0.001;
// find_wave_level's tolerance.
inline constexpr double kWaveLevelTolerance = 0.0001;

// Makes z a row of the diagram and returns the row's index: an existing row
// within kWaveRowMergeTolerance of z (the bottom boundary too when z lies
// above it), or a new row that splits the segment
// holding z, with the linear pressure of that segment at z (rounded to 3
// decimals). Returns -1 when z lies above row 0 or at or below the bottom row.
// The kept row indices (wall top, h') follow the rows they name. A diagram
// that has no room left stops the program.
int insert_wave_level(WaveDiagram& diagram, double z);

// Index of the first row (bottom boundary included) within
// kWaveLevelTolerance of z, or -1.
int find_wave_level(const WaveDiagram& diagram, double z);

// Index of the first row (bottom boundary included) whose top pressure is
// above 0, or -1.
int first_loaded_level(const WaveDiagram& diagram);

// The row at z for the kept indices: the index insert_wave_level returns, so a
// row it merged with is found with the same tolerance; the bottom boundary,
// which the insertion does not return, is looked up with find_wave_level.
int locate_wave_level(WaveDiagram& diagram, double z);

} // namespace wtn
