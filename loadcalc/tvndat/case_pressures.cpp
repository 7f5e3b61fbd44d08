#include "case_pressures.h"

#include "residual_water.h"

#include <vector>

namespace wtn {

void mark_zero_pressure_levels(int first, int end, const InputRecord& input, LoadModel& model) {
    for (int a = first; a < end; ++a) {
        LandLayerCalc& layer = model.land_calc[a];
        const ActiveIntensityRow& row = model.active[a];
        ClayZeroInputs in;
        in.phi = layer.phi;
        in.level = layer.top;
        in.thickness = layer.thickness;
        in.formula1_top = row.formula1_top;
        in.formula1_bottom = row.formula1_bottom;
        in.formula2_top = row.formula2_top;
        in.formula2_bottom = row.formula2_bottom;
        in.adopted_top = row.active_top;
        in.adopted_bottom = row.active_bottom;
        in.bottom_at_seabed_minus_10 = layer.bottom_at_minus10 != 0;
        const ZeroPressure zero = zero_pressure_level(in, input.joken.design_seabed);
        layer.zero_pressure_flag = zero.flag;
        if (zero.flag == kZeroCrossing) layer.zero_pressure_level = zero.level;
    }
}

void residual_water_pressure(const InputRecord& input, LoadModel& model, ForceTotals& totals) {
    const double rwl = input.joken.residual_level;
    const double lwl = input.joken.lwl;
    const double pw = residual_water_base(rwl, lwl, input.joken.water_weight);
    totals.residual_water = pw;
    const int first = model.index.residual_water;
    if (first < 0) return;
    const double r = model.land_calc[first].top;
    for (int i = first; i <= model.land_count - 2; ++i) {
        model.active[i].residual_top =
            residual_water_at_boundary_top(model.land_calc[i].top, r, rwl, lwl, pw);
        model.active[i].residual_bottom =
            residual_water_at_boundary_bottom(model.land_calc[i + 1].top, r, lwl, pw);
    }
}

void build_merged_diagram(const InputRecord& input, const LoadModel& model, double pw,
                          MergedDiagram& diagram) {
    std::vector<BoundaryPressure> land;
    for (int i = 0; i < model.land_count; ++i) {
        land.push_back(
            {model.land_calc[i].top, model.active[i].active_top, model.active[i].active_bottom});
    }
    std::vector<BoundaryPressure> sea;
    for (int i = 0; i < model.sea_count; ++i) {
        sea.push_back(
            {model.sea_calc[i].top, model.passive[i].passive_top, model.passive[i].passive_bottom});
    }
    std::vector<double> zero_levels;
    const int crown = model.index.superstructure_crown;
    for (int i = crown < 0 ? 0 : crown; i < model.land_count; ++i) {
        if (model.land_calc[i].zero_pressure_flag == kZeroCrossing)
            zero_levels.push_back(model.land_calc[i].zero_pressure_level);
    }
    merge_pressure_diagram(land, crown, sea, model.index.sea_seabed, input.joken.design_seabed,
                           input.joken.lwl, zero_levels, diagram);
    fill_residual_water_rows(diagram.rows, pw, input.joken.residual_level, input.joken.lwl);
}

void clip_negative_pressures(int first, int end, LoadModel& model, MergedDiagram& diagram) {
    const auto clip = [](double& value) {
        if (!(value >= 0.0)) value = 0.0;
    };
    for (int i = first < 0 ? 0 : first; i < end; ++i) {
        clip(model.active[i].active_top);
        clip(model.active[i].active_bottom);
    }
    for (int i = 0; i < diagram.rows.count; ++i) {
        clip(diagram.rows[i].active_top);
        clip(diagram.rows[i].active_bottom);
    }
}

} // namespace wtn
