#include "schematic_model.h"

#include "number_mask.h"
#include "number_text.h"
#include "screen_codes.h"
#include "text_width.h"
#include "wall_codes.h"

#include <cmath>
#include <span>

namespace wtn::schematic {
namespace {

// π as the angles of the ground surface have always been converted with.
constexpr double kPi = 3.14159265358979;
// The straight shape draws its surcharge band 0.1 m high per kN/m2.
constexpr double kStraightBandPerUnitLoad = 0.1;
// Submerged unit weight of the layer texts: the water is taken as 10 kN/m3
// here, whatever unit weight of water the calculation uses.
constexpr double kLabelWaterWeight = 10.0;
// Residual water level by the 2/3 rule: two thirds of the tide range above
// the L.W.L.
constexpr double kResidualTwoThirds = 2.0 / 3.0;

constexpr const char* kF1 = "###0.0";
constexpr const char* kF2 = "###0.00";
constexpr const char* kF3 = "###0.000";
// Elevations at the land-side end stand seven blanks in.
constexpr const char* kLandEndIndent = "       ";

// Level of tide_lvl used for each water line.
constexpr int kHwl = 1;
constexpr int kLwl = 2;
constexpr int kGivenResidual = 4;
// Names of the construction-stage tide levels 0 to 2; level 3 is named by the user.
constexpr const char* kTideLevelNames[] = {"H.H.W.L. ", "H.W.L. ", "L.W.L. "};
constexpr int kUserNamedLevel = 3;

double tan_degrees(double angle) {
    return std::tan(kPi * angle / 180.0);
}

std::string f2(double v) {
    return ui::format_mask(v, kF2);
}

bool completed_state(StudyCase c) {
    return c == StudyCase::completed_normal || c == StudyCase::completed_seismic;
}

// A layer record is present when it has a unit weight.
bool present(const DosouRec& r) {
    return r.unit_w[0] > 0 || r.unit_w[1] > 0;
}

enum class Side { land, sea };

class Builder {
  public:
    Builder(const DesignData& data, StudyCase study_case) : d_(data), case_(study_case) {}

    SchematicLists build() {
        if (completed_state(case_)) {
            add_ground_surface();
            add_completed_water_and_seabed();
        } else {
            add_construction_water_and_seabed();
        }
        add_bottom();
        add_layers(d_.dosou_dat.dosou_riku, Side::land);
        add_layers(d_.dosou_dat.dosou_umi, Side::sea);
        add_wall();
        return std::move(out_);
    }

  private:
    void line(double x1, double y1, double x2, double y2, int color, int style) {
        out_.Mse_tbl.push_back(MseRec{x1, y1, x2, y2, color, style});
    }
    void label(int kind, double y, int color, std::string text) {
        // A label holds kLabelLength characters; an absurd level gives a cut
        // text, never an endless one.
        if (ui::utf8_length(text) > static_cast<std::size_t>(kLabelLength))
            text = fixed_text(text, kLabelLength);
        out_.Mmo_tbl.push_back(MmoRec{kind, y, color, std::move(text)});
    }

    double ground_top() const { return d_.dosou_dat.dosou_riku[0].top_lvl; }
    // Horizontal length of the straight ground surface and of the seabed.
    double length() const { return d_.sekkei_dat.crown_jobu - d_.sekkei_dat.bottom_lvl; }
    int case_index() const { return static_cast<int>(case_); }

    void add_ground_surface() {
        const TihyouData& t = d_.tihyou_dat;
        const double top = ground_top();
        switch (d_.kanseiji_dat.shape_sw) {
        case GroundShape::Straight: {
            const double l = length();
            const double y_end = top + l * tan_degrees(t.ground_ang[0]);
            line(0, top, l, y_end, kLightGreen, kSolid);
            label(kLandEndLabel, top, kLightGreen, kLandEndIndent + f2(top));
            const double q = t.surcharge_q[case_index()];
            if (q > 0) {
                const double h = kStraightBandPerUnitLoad * q;
                line(0, top + h, l, y_end + h, kWhite, kDotted);
                line(0, top, 0, top + h, kWhite, kDotted);
                line(l, y_end, l, y_end + h, kWhite, kDotted);
            }
            break;
        }
        case GroundShape::Embankment: {
            line(0, top, kRightEdge, top, kLightGreen, kDotted);
            label(kLandEndLabel, top, kLightGreen, kLandEndIndent + f2(top));
            double px = 0, py = top;
            for (int i = 0; i < kGroundPointRoom; ++i) {
                const TikeiPoint& p = t.tikei_tbl[i];
                // The point list ends at the first point (0, 0).
                if (p.x == 0 && p.y == 0) break;
                line(px, py, p.x, p.y, kLightGreen, kSolid);
                add_Mjosai(out_.Mse_tbl, t, px, py, p.x, p.y, case_);
                px = p.x;
                py = p.y;
            }
            break;
        }
        default:
            break;
        }
    }

    void add_water_line(double x_from, double x_to, double level, int kind, std::string name) {
        line(x_from, level, x_to, level, kLightCyan, kDotted);
        label(kind, level, kYellow, std::move(name) + f2(level));
    }

    void add_completed_water_and_seabed() {
        const SekkeiData& s = d_.sekkei_dat;
        const double hwl = s.tide_lvl[kHwl];
        const double lwl = s.tide_lvl[kLwl];
        add_water_line(kLeftEdge, 0, hwl, kSeaEndLabel, "H.W.L. ");
        add_water_line(kLeftEdge, 0, lwl, kSeaEndLabel, "L.W.L. ");
        // A rule outside the list draws the line at level 0.
        double rwl = 0;
        if (is_listed(s.rwl_sw)) {
            switch (s.rwl_sw) {
            case ResidualLevelRule::TwoThirdsOfRange:
                rwl = (hwl - lwl) * kResidualTwoThirds + lwl;
                break;
            case ResidualLevelRule::WholeRange:
                rwl = (hwl - lwl) + lwl;
                break;
            case ResidualLevelRule::Given:
                rwl = s.tide_lvl[kGivenResidual];
                break;
            }
        }
        add_water_line(kRightEdge, 0, rwl, kLandEndLabel, "R.W.L. ");
        const double l = length();
        const double seabed = s.seabed_kansei;
        line(0, seabed, -l, seabed - l * tan_degrees(d_.tihyou_dat.ground_ang[1]), kLightGreen,
             kSolid);
        label(kSeaEndLabel, seabed, kYellow, "D.L. " + f2(seabed));
    }

    void add_construction_water_and_seabed() {
        const SekkeiData& s = d_.sekkei_dat;
        const SekoujiData& w = d_.sekouji_dat;
        line(kLeftEdge, s.seabed_sekou, kRightEdge, s.seabed_sekou, kLightGreen, kSolid);
        label(kSeaEndLabel, s.seabed_sekou, kYellow, "D.L. " + f2(s.seabed_sekou));
        // With the static water pressure considered the water stands on the
        // sea side only.
        const double x_end = w.static_sw != StaticWater::Off ? 0.0 : kRightEdge;
        for (int k = 0; k < kStudiedTideLevels; ++k) {
            if (!box_checked(w.tide_sakuzu_sw[k])) continue;
            std::string name = k == kUserNamedLevel ? fixed_text(s.tide_name, kTideNameLength)
                                                    : kTideLevelNames[k];
            add_water_line(kLeftEdge, x_end, s.tide_lvl[k], kSeaEndLabel, std::move(name));
        }
    }

    void add_bottom() {
        const double bottom = d_.sekkei_dat.bottom_lvl;
        line(kLeftEdge, bottom, kRightEdge, bottom, kLightRed, kSolid);
        label(kSeaEndLabel, bottom, kLightGreen, f2(bottom));
        label(kLandEndLabel, bottom, kLightGreen, kLandEndIndent + f2(bottom));
    }

    // The layers of one side, top first. The record after the last layer is
    // empty, so each layer finds its lower boundary in the next record; past
    // the last record the lower limit of the soil model closes it.
    void add_layers(std::span<const DosouRec> layers, Side side) {
        const SekkeiData& s = d_.sekkei_dat;
        const bool construction = case_ == StudyCase::construction;
        const int sign = side == Side::land ? 1 : -1;
        bool drawn = false;
        for (std::size_t i = 0; i < layers.size(); ++i) {
            const DosouRec& layer = layers[i];
            if (!present(layer)) continue;
            const bool next_present = i + 1 < layers.size() && present(layers[i + 1]);
            const double top = layer.top_lvl;
            const double next_top = next_present ? layers[i + 1].top_lvl : s.bottom_lvl;
            // A land layer wholly above the construction-stage seabed does not
            // exist yet in that stage.
            if (side == Side::land && construction && next_top > s.seabed_sekou) continue;

            // The top of the first layer is already marked by the ground
            // surface or the seabed.
            if (side == Side::land && drawn) {
                line(0, top, kRightEdge, top, kLightRed, kDotted);
                label(kLandEndLabel, top, kLightGreen, kLandEndIndent + f2(top));
            } else if (side == Side::sea && i > 0) {
                label(kSeaEndLabel, top, kLightGreen, f2(top));
                line(0, top, kLeftEdge, top, kLightRed, kDotted);
            }

            double anchor = (s.bottom_lvl + top) / 2;
            if (next_present) {
                anchor =
                    construction && !drawn ? (s.seabed_sekou + next_top) / 2 : (top + next_top) / 2;
            }
            add_layer_text(layer, anchor, sign);
            drawn = true;
        }
    }

    // Unit weights and strength: γ, γ', then φ for sand, or C = K Z + C0 on
    // two lines for clay.
    void add_layer_text(const DosouRec& layer, double anchor, int sign) {
        label(1 * sign, anchor, kLightMagenta, "γ =" + ui::format_mask(layer.unit_w[0], kF3));
        label(2 * sign, anchor, kLightMagenta,
              "γ'=" + ui::format_mask(layer.unit_w[1] - kLabelWaterWeight, kF3));
        if (layer.soil_sw == SoilKind::Sand) {
            label(3 * sign, anchor, kLightMagenta, "Φ =" + ui::format_mask(layer.soil_val[0], kF1));
            return;
        }
        label(3 * sign, anchor, kLightMagenta,
              "Ｃ =" + ui::format_mask(layer.soil_val[2], kF3) + "Ｚ");
        label(4 * sign, anchor, kLightMagenta, "   +" + ui::format_mask(layer.soil_val[1], kF3));
    }

    void add_wall() {
        const SekkeiData& s = d_.sekkei_dat;
        const double crown = case_ == StudyCase::construction ? s.crown_yaita : s.crown_jobu;
        line(0, crown, 0, s.bottom_lvl, kWhite, kSolid);
        label(kCrownLabel, crown, kWhite, f2(crown));
    }

    const DesignData& d_;
    StudyCase case_;
    SchematicLists out_;
};

} // namespace

bool study_case_enabled(const DesignData& data, StudyCase study_case) {
    const SekkeiData& s = data.sekkei_dat;
    const KanseijiData& k = data.kanseiji_dat;
    switch (study_case) {
    case StudyCase::completed_normal:
        return s.kanseiji_sw != CheckBox::Clear && k.jyo_sw != CheckBox::Clear;
    case StudyCase::completed_seismic:
        return s.kanseiji_sw != CheckBox::Clear && k.jis_sw != CheckBox::Clear;
    case StudyCase::construction:
        return s.sekouji_sw != CheckBox::Clear;
    }
    return false;
}

SchematicLists build_schematic(const DesignData& data, StudyCase study_case) {
    return Builder(data, study_case).build();
}

void add_Mjosai(std::vector<MseRec>& lines, const TihyouData& ground, double x1, double y1,
                double x2, double y2, StudyCase study_case) {
    if (x1 == x2) return;
    auto y_at = [&](double x) { return (y2 - y1) / (x2 - x1) * (x - x1) + y1; };
    for (int k = 0; k < kSurchargeRoom; ++k) {
        const JosaiRow& zone = ground.josai_tbl[k];
        const double s = zone.start_x;
        const double e = zone.end_x;
        const double q =
            study_case == StudyCase::completed_seismic ? zone.q_seismic : zone.q_normal;
        if (!(q > 0)) continue;
        double ax = 0, ay = 0, bx = 0, by = 0;
        if (x1 <= s && s < x2) {
            // The zone starts on this segment.
            ax = s, ay = y_at(s);
            if (x2 > e) {
                bx = e, by = y_at(e);
            } else {
                bx = x2, by = y2;
            }
        } else if (x1 < e && e <= x2) {
            // The zone ends on this segment.
            ax = x1, ay = y1, bx = e, by = y_at(e);
        } else if (s < x1 && x2 < e) {
            ax = x1, ay = y1, bx = x2, by = y2;
        } else {
            continue;
        }
        lines.push_back(MseRec{ax, ay + q, bx, by + q, kWhite, kDotted});
        lines.push_back(MseRec{ax, ay, ax, ay + q, kWhite, kDotted});
        lines.push_back(MseRec{bx, by, bx, by + q, kWhite, kDotted});
    }
}

} // namespace wtn::schematic
