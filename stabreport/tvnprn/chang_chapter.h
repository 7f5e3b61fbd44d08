// The stability chapter of Chang's method (embedment method 1): after the
// shared head, the characteristic value β of the ground, the maximum bending
// moment, the stress checks, the steel-pipe checks where they apply, the
// head displacement, the check at the virtual seabed and the required
// embedment length. Only the embedment pages compute: β of each layer from
// its lateral constant, and the part of L in the last layer reached.
#pragma once

#include "page_file.h"
#include "report_state.h"

namespace wtn {

// Writes the chapter of the case and tide level ("JD%d03CYN.PDT" or
// "JW%d03CYN.PDT").
void write_chang_report(const StabilityReport& report, int case_index, int level_index);

// Whether the ground below the virtual seabed is not uniform: the lateral
// constant of the start layer row differs by 0.001 or more from
// - GroundVariesOver::BetaDepth: any k_h TVNCAL averaged down to 1/β;
// - GroundVariesOver::Embedment: the constant of any layer row within the
//   required embedment length of either corrosion slot.
enum class GroundVariesOver { BetaDepth = 0, Embedment = 1 };
bool ground_varies(const StabilityReport& report, int case_index, GroundVariesOver mode);

// β of the section states (uniform or averaged ground).
void write_beta_pages(PageFile& page, const StabilityReport& report, int case_index, bool varies);
// M_max from β, h0 and M0.
void write_moment_pages(PageFile& page, const StabilityReport& report, int case_index);
// The required embedment length L = n / β (uniform ground) or, layer by
// layer, Σ β_i l_i = n (varying ground), and the decisive L.
void write_chang_embedment_pages(PageFile& page, const StabilityReport& report, int case_index,
                                 int item_no, bool varies);

} // namespace wtn
