// The binary work files of the stability calculation. TVNCAL writes them;
// TVNPRN reads them back, in the same order, into the same records.
//   NEIRE_CM.PRN  DecidedPile, CaseResultBlock, CorrosionBlock,
//                 DesignValueBlock, PipeStressBlock: 1792 bytes.
//   NEIRE.PRN     one case record per tide level and case: the LoadItem row
//                 count, the rows, then the block of the embedment method.
//   NEIRE_TL.PRN  one LevelSolverBlock and LevelDisplacementBlock per tide level.
// Every count read from a file is checked against the room the reader has for
// it, and a file that ends early, or holds a real that is not a number, stops
// the program with a message: a report must never print stale or made-up
// values.
#pragma once

#include "result_areas.h"

#include <cstdio>

namespace wtn {

inline constexpr const char* kNeireCmFile = "NEIRE_CM.PRN";
inline constexpr const char* kNeireFile = "NEIRE.PRN";
inline constexpr const char* kNeireTlFile = "NEIRE_TL.PRN";

// Creates NEIRE_CM.PRN with the five blocks; stops with ErrorCode::NeireCmOpen
// when it cannot be created.
void write_neire_cm(const StabilityResults& results);
// Reads the five blocks of NEIRE_CM.PRN; stops with code 1 when it is missing.
void read_neire_cm(StabilityResults& results);

// Appends the current case record (areas.load_item_count rows and the block
// of method, the embedment method of the input) to the open NEIRE.PRN.
void write_neire_case(std::FILE* file, const CaseAreas& areas, EmbedmentMethod method);

// Reads the next case record of the open NEIRE.PRN: the row count, then
// allocates the method's areas with sizes (see result_areas.h), then the rows
// and the method block. The caller frees the areas with free_case_areas.
void read_neire_case(std::FILE* file, CaseAreas& areas, EmbedmentMethod method,
                     const CaseAreaSizes& sizes);

// The same for the stability report: the method is swdat item 2 and the
// rooms come from the input and the force case just read for case_index,
// as TVNCAL sized them when it wrote the record.
void read_neire_case(std::FILE* file, StabilityResults& results, const InputRecord& input,
                     const CustomisationValues& custom, const ForceCase& force_case,
                     int case_index);

// Appends / reads one tide-level record of NEIRE_TL.PRN.
void write_neire_tl(std::FILE* file, const StabilityResults& results);
void read_neire_tl(std::FILE* file, StabilityResults& results);

// Stops the program, naming the file, when bytes are left in the open work
// file after the last record the reader expected: the file was written for
// another input (more tide levels or cases) and its records would be taken
// for the wrong ones.
void check_work_file_end(std::FILE* file, const char* name);

// Creates CAL_NEI.DAT with the adopted values held in DesignValueBlock (two
// zeros in TVNCAL); stops with a message when it cannot be written.
void write_cal_nei(const StabilityResults& results);
// Puts the adopted values of CAL_NEI.DAT into DesignValueBlock; a missing
// file gives the two fallbacks, a damaged one stops with a message. Call it
// after read_neire_cm, whose copy it replaces.
void read_cal_nei(StabilityResults& results, double fallback_pile_length, double fallback_depth);

} // namespace wtn
