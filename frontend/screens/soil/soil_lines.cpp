#include "soil_lines.h"

#include "number_mask.h"
#include "screen_codes.h"
#include "text_width.h"
#include "wall_codes.h"

#include <utility>

namespace wtn::soil {
namespace {

constexpr const char* kTopMask = "###0.00";
constexpr const char* kWeightMask = "###0.000";
constexpr const char* kAngleMask = "###0.0";
constexpr const char* kCohesionMask = "###0.000";
constexpr const char* kConstantMask = "#####0.0";
constexpr const char* kNMask = "###0.0";
constexpr const char* kRateMask = "###0.00";

std::string column(double value, const char* mask, std::size_t width = kColumnWidth) {
    return ui::right_align(ui::format_mask(value, mask), width);
}

std::string soil_columns(int p, const DosouRec& row) {
    std::string line = ui::right_align(std::to_string(p + 1), kNumberWidth);
    line += column(row.top_lvl, kTopMask);
    line += column(row.unit_w[0], kWeightMask);
    line += column(row.unit_w[1], kWeightMask);
    if (row.soil_sw != SoilKind::Sand) {
        line += kShortDash;
        line += column(row.soil_val[1], kCohesionMask);
        line += column(row.soil_val[2], kCohesionMask);
    } else {
        line += column(row.soil_val[0], kAngleMask);
        line += kShortDash;
        line += kShortDash;
    }
    return line;
}

// The N value and constant columns of a full line.
std::pair<std::string, std::string> method_columns(const DosouRec& row, const DosouHohoRec& hoho,
                                                   LineSwitches sw) {
    const std::pair<std::string, std::string> dashed{kShortDash, kLongDash};
    if (sw.blanked) return dashed;
    if (sw.per_layer) {
        if (!is_listed(row.kh_sw)) return dashed;
        if (row.kh_sw == LayerKhOption::Given)
            return {kShortDash, column(row.kh_val[0], kConstantMask, kConstantWidth)};
        return {column(row.n_val[static_cast<std::size_t>(list_index_of(row.kh_sw))], kNMask),
                kLongDash};
    }
    switch (hoho.hoho_sw) {
    case SideResistanceOption::Given:
        return {kShortDash, column(hoho.hoho_k[0], kConstantMask, kConstantWidth)};
    case SideResistanceOption::CTypeFromN:
        return {column(hoho.hoho_n[1], kNMask), kLongDash};
    case SideResistanceOption::STypeFromN:
        return {column(hoho.hoho_n[2], kRateMask), kLongDash};
    default:
        return dashed;
    }
}

} // namespace

std::string full_line(int p, const DosouRec& row, const DosouHohoRec& hoho, LineSwitches sw) {
    auto [n_column, constant_column] = method_columns(row, hoho, sw);
    return soil_columns(p, row) + n_column + constant_column;
}

std::string short_line(int p, const DosouRec& row) {
    return soil_columns(p, row) + kShortDash + kLongDash;
}

std::string list_line(int p, const DosouRec& row, const DosouHohoRec& hoho, LineSwitches sw) {
    if (p != 0 && !sw.per_layer) return short_line(p, row);
    return full_line(p, row, hoho, sw);
}

void add_list_line(ui::ListBox& list, int p, const DosouRec& row, const DosouHohoRec& hoho,
                   LineSwitches sw) {
    list.add_item(list_line(p, row, hoho, sw));
}

void set_list_line(ui::ListBox& list, int p, const DosouRec& row, const DosouRec& row0,
                   const DosouHohoRec& hoho, LineSwitches sw) {
    if (p < 0) return;
    if (p != 0 && !sw.per_layer) list.set_list(0, full_line(0, row0, hoho, sw));
    list.set_list(static_cast<std::size_t>(p), list_line(p, row, hoho, sw));
}

} // namespace wtn::soil
