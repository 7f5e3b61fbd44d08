#include "water_and_seabed.h"

#include "layer_rows.h"

namespace wtn {

int write_residual_water_section(PageFile& pages, const EarthPressureReport& report,
                                 const ChapterNumbers& numbers) {
    const double pw = report.common.totals.residual_water;
    const DesignConditions& joken = report.input.joken;
    if (pw > 0.0) {
        pages.block(BlockStart::new_page, "RWL_KYO1.PFM");
        subsection_number(pages, numbers.residual_water());
        field(pages, 0, "%7.2lf", joken.water_weight);
        field(pages, 1, "%7.2lf", joken.residual_level - joken.lwl);
        field(pages, 2, "%7.3lf", pw);
        return 1;
    }
    pages.block(BlockStart::new_page, "RWL_KYO2.PFM");
    subsection_number(pages, numbers.residual_water());
    return 0;
}

void write_residual_water_table(PageFile& pages, const EarthPressureReport& report,
                                const ChapterNumbers& numbers) {
    const LoadModel& model = report.model;
    pages.block(BlockStart::new_page, "KYO_MTM1.PFM");
    subsection_number(pages, numbers.residual_table());
    for (int i = model.index.superstructure_crown; i < model.land_count - 1; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        const ActiveIntensityRow& a = model.active[row_at(i)];
        pages.block(BlockStart::same_page, "KYO_MTM2.PFM");
        field(pages, 0, "%6.2lf", row.top);
        field(pages, 1, "%6.2lf", bottom_of(row));
        field(pages, 2, "%8.3lf", a.active_top);
        field(pages, 3, "%8.3lf", a.active_bottom);
        field(pages, 4, "%8.3lf", a.residual_top);
        field(pages, 5, "%8.3lf", a.residual_bottom);
        field(pages, 6, "%8.3lf", a.active_top + a.residual_top);
        field(pages, 7, "%8.3lf", a.active_bottom + a.residual_bottom);
    }
    pages.block(BlockStart::same_page, "KYO_MTM3.PFM");
}

void write_net_pressure_table(PageFile& pages, const EarthPressureReport& report,
                              const ChapterNumbers& numbers) {
    const MergedDiagram& merged = report.tables.merged;
    pages.table_begin();
    pages.block(BlockStart::new_page, "D_TUKI1.PFM");
    subsection_number(pages, numbers.net_pressure());
    pages.heading("D_TUKIHD.PFM");
    pages.footing("D_TUKIFT.PFM");
    int j = 0; // passive row facing pressure row r
    for (int r = 0; r < merged.rows.count - 1; ++r) {
        const PressureRow& row = merged.rows[r];
        const double a1 = row.total_top();
        const double a2 = row.total_bottom();
        pages.block(BlockStart::same_page, "D_TUKI2.PFM");
        field(pages, 0, "%6.2lf", row.level);
        field(pages, 1, "%6.2lf", merged.rows[r + 1].level);
        field(pages, 2, "%8.3lf", a1);
        field(pages, 3, "%8.3lf", a2);
        // Above the seabed row no passive pressure faces the wall.
        if (r < merged.seabed_row) {
            filler8(pages, 4);
            filler8(pages, 5);
            field(pages, 6, "%8.3lf", a1);
            field(pages, 7, "%8.3lf", a2);
            continue;
        }
        const DiagramRow& p = merged.passive[j];
        field(pages, 4, "%8.3lf", p.top);
        field(pages, 5, "%8.3lf", p.bottom);
        field(pages, 6, "%8.3lf", a1 - p.top);
        field(pages, 7, "%8.3lf", a2 - p.bottom);
        ++j;
    }
    pages.block(BlockStart::same_page, "D_TUKI3.PFM");
    pages.clear_heading_and_footing();
    pages.table_end();
}

void write_virtual_seabed_section(PageFile& pages, const EarthPressureReport& report,
                                  const ChapterNumbers& numbers) {
    const VirtualSeabedData& data = report.common.seabed.data;
    const std::size_t c = static_cast<std::size_t>(numbers.c);
    const double above = data.boundary_above[c];
    const double below = data.boundary_below[c];
    const bool on_a_row = above == below;
    pages.block(BlockStart::new_page, on_a_row ? "KASOU1.PFM" : "KASOU2.PFM");
    subsection_number(pages, numbers.virtual_seabed());
    if (on_a_row) {
        field(pages, 0, "%7.3lf", data.level[c]);
    } else {
        field(pages, 0, "%7.3lf", above);
        field(pages, 1, "%7.3lf", below);
    }
    // Equal pressures print as "＞": the passive side does not exceed the load.
    field(pages, 2, "%s", data.active_above[c] < data.passive_above[c] ? " ＜ " : " ＞ ");
    field(pages, 3, "%s", data.active_below[c] < data.passive_below[c] ? " ＜ " : " ＞ ");
    field(pages, 4, "%8.3lf", data.active_above[c]);
    field(pages, 5, "%8.3lf", data.passive_above[c]);
    field(pages, 6, "%8.3lf", data.active_below[c]);
    field(pages, 7, "%8.3lf", data.passive_below[c]);
    if (on_a_row) return;
    field(pages, 8, "%6.2lf", above);
    field(pages, 9, "%6.2lf", above - below);
    field(pages, 10, "%7.3lf", data.level[c]);
}

} // namespace wtn
