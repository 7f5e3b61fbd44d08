// The blocks of the ground surface (with its points), the soil layers of
// both sides and the other external forces.
#include "check_list_sections.h"
#include "list_lines.h"
#include "user_text.h"

namespace wtn {

namespace {

// Width of a force name in the force table.
constexpr int kForceNameColumns = 20;

// A value that does not apply to the layer, in an 8-wide and a 6-wide column.
constexpr const char* kDash8 = "────";
constexpr const char* kDash6 = "───";
constexpr const char* kColumnGap = "  ";

constexpr const char* kSurchargeIndent = "                              ";

void write_fills(ListWriter& list, const InputRecord& in) {
    list.line(" ◎ 盛土の単位体積重量(kN/m$U3$Z)");
    list.line("");
    list.line("                              NO  層の上限  湿    潤  飽    和");
    for (int i = 0; i < in.fill_count; ++i) {
        const FillRow& f = in.fills[static_cast<std::size_t>(i)];
        list.line(format_text("                              %2d  %8.2lf  %8.3lf  %8.3lf", i + 1,
                              f.top, f.wet_weight, f.saturated_weight));
    }
    list.line("");
}

// The surcharge strips with the intensities of the studied cases.
void write_surcharge_strips(ListWriter& list, const InputRecord& in) {
    const CompletedCases cases = in.swdat.completed_cases;
    std::string heading = std::string(kSurchargeIndent) + "NO    作用範囲(m)   ";
    if (cases == CompletedCases::NormalOnly)
        heading += "常    時";
    else if (cases == CompletedCases::SeismicOnly)
        heading += "地 震 時";
    else
        heading += "常    時  地 震 時";
    list.line(heading);
    for (int i = 0; i < in.surcharge_count; ++i) {
        const SurchargeRow& s = in.surcharges[static_cast<std::size_t>(i)];
        std::string row =
            format_text("                              %2d  %6.3lf～%6.3lf", i + 1, s.start, s.end);
        if (cases == CompletedCases::NormalOnly)
            row += format_text("  %8.2lf", s.normal);
        else if (cases == CompletedCases::SeismicOnly)
            row += format_text("  %8.2lf", s.seismic);
        else
            row += format_text("  %8.2lf  %8.2lf", s.normal, s.seismic);
        list.line(row);
    }
}

void write_ground_points(ListWriter& list, const InputRecord& in) {
    list.line("【地表面形状座標値】");
    list.line("");
    list.line(" NO   Ｘ座標   Ｙ座標");
    for (int i = 0; i < in.ground_point_count; ++i) {
        const GroundPoint& p = in.ground_points[static_cast<std::size_t>(i)];
        list.line(format_text(" %2d  %7.3lf  %7.3lf", i + 1, p.distance, p.level));
    }
}

struct SoilSide {
    int marker;
    const char* heading;
    Studies short_stage; // the stage that needs no lateral-resistance columns
    const SoilLayerRow* rows;
    int count;
    const LateralResistance& resistance;
};

std::string layer_line(const SoilLayerRow& r, int number, bool long_table) {
    std::string text = format_text(" %2d  %6.2lf  %6.3lf  %6.3lf  %4.1lf  ", number, r.top,
                                   r.wet_weight, r.saturated_weight, r.friction_angle);
    // A sand layer has no cohesion.
    const bool sand = r.friction_angle > 0.0;
    if (sand)
        text += std::string(kDash8) + kColumnGap + kDash8 + kColumnGap;
    else
        text += format_text("%8.3lf  %8.3lf  ", r.cohesion, r.cohesion_increase);
    if (!long_table) return text;
    text += format_text("%2d  ", to_file_value(r.resistance_option));
    if (r.resistance_option == LayerKhOption::Given) {
        text += std::string(kDash6) + kColumnGap + format_text("%8.1lf", r.kh);
        return text;
    }
    text += format_text("%6.1lf  ", r.n_value);
    // A clay layer without an N value has no constant derived from it.
    const bool no_constant = r.friction_angle == 0.0 && r.n_value == 0.0;
    text += no_constant ? std::string(kDash8) : format_text("%8.1lf", r.kh);
    return text;
}

void write_soil(ListWriter& list, const InputRecord& in, const SoilSide& side) {
    const EmbedmentMethod method = in.swdat.embedment_method;
    const bool short_stage = in.swdat.studies == side.short_stage;
    const bool long_table = !short_stage && !is_curve_method(method);
    open_block(list, side.marker, side.heading);
    if (long_table) {
        list.line(" NO  標  高    γ      γt    φ　　  C0         K     SW    N値       K値");
        list.line("       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)                  (回)");
    } else {
        list.line(" NO  標  高    γ      γt    φ　　  C0         K");
        list.line("       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)");
    }
    for (int i = 0; i < side.count; ++i)
        list.line(layer_line(side.rows[i], i + 1, long_table));
    // The curve methods take one lateral-resistance constant for the side.
    if (is_curve_method(method) && !short_stage) {
        const LateralResistance& r = side.resistance;
        list.line("");
        switch_line(list, " ◎ Ｋ値の計算方法            ",
                    numbered_label(listed_or(r.method, LateralResistanceMethod::Given)));
        if (r.method == LateralResistanceMethod::DerivedFromSoil) {
            if (method == EmbedmentMethod::CType)
                list.line(format_text(" ◎ 平均Ｎ値                  %16.1lf", r.first_value));
            else
                list.line(format_text(" ◎ Ｎ値の増加率              %16.2lf", r.second_value));
        }
        list.line(format_text(" ◎ 横抵抗定数                %16.1lf", r.kh));
    }
    close_block(list);
}

void write_force_rows(ListWriter& list, const char* caption, const OtherForceRow* rows, int count) {
    list.line(caption);
    list.line("");
    list.line("  NO        外力名称        水平力   作用高さ");
    list.line("                            (kN/m)      (m)");
    for (int i = 0; i < count; ++i) {
        const std::string name = user_field(rows[i].name, kForceNameColumns);
        list.line(format_text("  %2d  %s %8.3lf %8.3lf", i + 1, name.c_str(), rows[i].force,
                              rows[i].height));
    }
    list.line("");
}

} // namespace

void write_ground_surface(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!completed_state_studied(in)) return;
    const DesignConditions& j = in.joken;
    open_block(list, 12, "【地表面】");
    if (in.swdat.ground_shape == GroundShape::Straight) {
        list.line(format_text(" ◎ 地表面傾斜角(度)          %16.1lf", j.ground_angle));
        list.line(format_text(" ◎ 設計海底面傾斜角(度)      %16.1lf", j.seabed_angle));
        list.line(" ◎ 上載荷重(kN/m$U2$Z)");
        if (normal_case_studied(in))
            list.line(format_text("  ◇ 常　時                   %16.2lf", j.surcharge_normal));
        if (seismic_case_studied(in))
            list.line(format_text("  ◇ 地震時                   %16.2lf", j.surcharge_seismic));
    } else {
        list.line(format_text(" ◎ 設計海底面傾斜角(度)      %16.1lf", j.seabed_angle));
        write_fills(list, in);
        list.line(" ◎ 上載荷重(kN/m$U2$Z)");
        list.line("");
        write_surcharge_strips(list, in);
        write_ground_points(list, in);
    }
    close_block(list);
}

void write_land_soil(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    write_soil(list, in,
               {13, "【土質定数(陸側)】", Studies::CompletedOnly, in.land_layers.data(),
                in.land_layer_count, in.neire.land});
}

void write_sea_soil(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    write_soil(list, in,
               {14, "【土質定数(海側)】", Studies::ConstructionOnly, in.sea_layers.data(),
                in.sea_layer_count, in.neire.sea});
}

void write_other_forces(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!completed_state_studied(in)) return;
    if (in.force_normal_count == 0 && in.force_seismic_count == 0) return;
    open_block(list, 15, "【その他外力】");
    if (normal_case_studied(in) && in.force_normal_count > 0)
        write_force_rows(list, " ◎ 常　時", in.forces_normal.data(), in.force_normal_count);
    if (seismic_case_studied(in) && in.force_seismic_count > 0)
        write_force_rows(list, " ◎ 地震時", in.forces_seismic.data(), in.force_seismic_count);
    close_block(list);
}

} // namespace wtn
