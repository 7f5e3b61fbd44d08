#include "gairyok_writer.h"

#include "format_values.h"
#include "pressure_diagram.h"
#include "text_lines.h"

#include <cmath>

namespace wtn {

int force_start_index(const LoadModel& model, double virtual_seabed) {
    for (int i = 0; i < model.sea_count; ++i) {
        const double level = model.sea_calc[i].top;
        if (level > virtual_seabed && std::fabs(level - virtual_seabed) >= kLevelTolerance)
            continue;
        return std::fabs(level - virtual_seabed) < kLevelTolerance ? i : i - 1;
    }
    return model.sea_count - 1;
}

void write_gairyok_section(std::FILE* file, int c, const InputRecord& input, const LoadModel& model,
                           const CaseLoadTables& tables, const CommonLoadResults& common) {
    const double virtual_seabed = common.seabed.data.level[c];
    const NetPressure& net = tables.net;
    write_crlf_line(file, c == 0 ? "#  常  時" : "#  地震時");
    write_values_line(file, "%d,%d,%d", force_start_index(model, virtual_seabed), model.sea_count,
                      net.segments.count);
    for (int i = 0; i < model.sea_count; ++i) {
        const SeaLayerCalc& s = model.sea_calc[i];
        write_force_layer_row(file, ForceLayerRow{s.top, s.thickness, s.phi, s.resistance_option,
                                                  s.n_value, s.n_from_cohesion, s.kh});
    }
    for (int i = 0; i < net.segments.count; ++i)
        write_values_line(file, "%lf,%lf", net.segments[i].lever_arm, net.segments[i].force);
    write_values_line(file, "%lf,%lf,%lf", common.totals.force[c], common.totals.moment[c],
                      common.totals.lever_arm[c]);
    write_values_line(file, "%lf,%lf", virtual_seabed, common.seabed.data.passive[c]);
    if (has_dynamic_water_lines(input, c)) {
        const DynamicWaterSegments& pieces = tables.dynamic_segments;
        write_values_line(file, "%d", pieces.count);
        for (int i = 0; i < pieces.count; ++i)
            write_values_line(file, "%lf,%lf", pieces[i].lever_arm, pieces[i].force);
    }
    const DiagramTable& active = net.active_split;
    const int k = tables.merged.seabed_row;
    write_values_line(file, "%d,%d", active.count, k);
    for (int i = 0; i < active.count; ++i)
        write_values_line(file, "%lf,%lf,%lf", active[i].level, active[i].top, active[i].bottom);
    for (int i = 0; i < k; ++i)
        write_values_line(file, "%lf,0.0,0.0", active[i].level);
    const DiagramTable& passive = net.passive_split;
    for (int i = 0; i < passive.count; ++i)
        write_values_line(file, "%lf,%lf,%lf", passive[i].level, passive[i].top, passive[i].bottom);
}

} // namespace wtn
