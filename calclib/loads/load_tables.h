// The load tables that hand the completed-state results to the earth-pressure
// report: GAI_JYO.PRN (normal case) and GAI_JIS.PRN (seismic case), each the
// tables of one case, and GAI_CM.PRN with the values common to both cases.
// Fixed-size little-endian images, every table at its full room, no header;
// the counts in the images say how many rows are meaningful.
#pragma once

#include "dynamic_water_data.h"
#include "load_model.h"
#include "merged_diagram.h"
#include "net_pressure.h"
#include "virtual_seabed_data.h"

#include <array>
#include <cstddef>

namespace wtn {

inline constexpr const char* kNormalCaseTableFile = "GAI_JYO.PRN";
inline constexpr const char* kSeismicCaseTableFile = "GAI_JIS.PRN";
inline constexpr const char* kCommonTableFile = "GAI_CM.PRN";

// The diagrams and pieces of one case, rebuilt in every case.
struct CaseLoadTables {
    MergedDiagram merged;
    NetPressure net;
    DynamicWaterSegments dynamic_segments;
};

// The results common to both cases, kept to the end of the run.
struct CommonLoadResults {
    VirtualSeabedState seabed;
    std::array<int, kCaseCount> net_segment_count{};
    ForceTotals totals;
    DynamicWaterTotals dynamic_totals;
    DynamicWaterData dynamic;
};

// Byte sizes of the two images. The dynamic-water tables are sized for the
// deepest water the program accepts (kMaxDynamicWaterDepth).
extern const std::size_t kLoadCaseImageBytes;
extern const std::size_t kLoadCommonImageBytes;

// File name of case c's table.
const char* case_table_file(int c);

// Writers of the load program. A file that cannot be created or written stops
// the program with a message.
void write_gai_case(int c, const LoadModel& model, const CaseLoadTables& tables);
void write_gai_cm(const LoadModel& model, const CommonLoadResults& common);

// Readers of the report program: fill the same tables from the files. A file
// that cannot be opened, is not exactly the size of its image, holds a count
// beyond its table's room or a value that is not a number stops the program.
void read_gai_case(int c, LoadModel& model, CaseLoadTables& tables);
void read_gai_cm(LoadModel& model, CommonLoadResults& common);

} // namespace wtn
