// The head displacement of the pile and the subgrade reaction at the virtual
// seabed, as every stability chapter shows them: the table of the loads that
// bend the free length with their factors, the three parts δ1, δ2 and δ3 of
// the head displacement per corrosion state against the allowable
// displacement, and the reaction at the virtual seabed against the
// earth-pressure intensity there. The values are those TVNCAL stored; the
// pages only choose texts and compare.
#pragma once

#include "page_file.h"
#include "report_state.h"

namespace wtn {

// Where the head rotation of the other methods comes from.
enum class DisplacementSource {
    Curves = 0, // the port-research-institute curves (KokenResult)
    Matrix = 1, // the first node of the transfer-matrix chain
};

// The lateral constant the reaction of the curve methods goes with.
enum class SeabedCheckKind {
    CType = 0,           // method 3: k_c of the design values
    CTypeMultiLayer = 2, // method 4: k of the layer at the virtual seabed
};

// Each writer returns item_no + 1 when the check switch lets it write, else
// item_no unchanged. The displacement pages stop the program when the loads
// of the case do not pair one to one with its stored LoadItem rows.
int write_chang_displacement_pages(PageFile& page, const StabilityReport& report, int case_index,
                                   int item_no);
int write_displacement_pages(PageFile& page, const StabilityReport& report, int case_index,
                             int item_no, DisplacementSource source);
int write_chang_seabed_check_page(PageFile& page, const StabilityReport& report, int case_index,
                                  int item_no);
int write_koken_seabed_check_page(PageFile& page, const StabilityReport& report, int case_index,
                                  int item_no, SeabedCheckKind kind);

} // namespace wtn
