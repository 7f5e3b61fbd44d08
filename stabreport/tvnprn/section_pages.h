// The pages every stability chapter opens with: the decided sheet pile and
// its section values, the section after corrosion per corroded zone, the
// section with the joint efficiency, and the table of the lateral constants
// of the layers below the virtual seabed beside the chapter's chart.
#pragma once

#include "page_file.h"
#include "report_state.h"

#include <string>

namespace wtn {

// Writes the whole block into the open chapter; chart_name is the chapter's
// lateral-constant chart.
void write_section_pages(PageFile& page, const StabilityReport& report,
                         const std::string& chart_name);

// The parts of the block, for the tests.
void write_sheet_pile_corrosion_pages(PageFile& page, const StabilityReport& report);
void write_pipe_corrosion_pages(PageFile& page, const StabilityReport& report);
void write_joint_efficiency_pages(PageFile& page, const StabilityReport& report);
void write_constants_table(PageFile& page, const StabilityReport& report,
                           const std::string& chart_name);

} // namespace wtn
