#include "wall_section.h"

#include "customisation_text.h"
#include "default_input_lines.h"

#include <cstdio>

namespace wtn::test {
namespace {

std::string format(const char* f, double v) {
    char text[64];
    std::snprintf(text, sizeof text, f, v);
    return text;
}

std::string layer_line(const char* key, const Layer& l) {
    // top, wet, submerged, saturated, phi, C0, K, option, N, kh
    return std::string(key) + "," + format("%.3f", l.top) + "," + format("%.3f", l.wet) + "," +
           format("%.3f", l.submerged) + "," + format("%.3f", l.saturated) + "," +
           format("%.3f", l.phi) + "," + format("%.3f", l.cohesion) + ",0.0," +
           std::to_string(l.option) + "," + format("%.1f", l.n_value) + "," + format("%.1f", l.kh) +
           "\r\n";
}

} // namespace

std::string input_file_text(const WallSection& s) {
    std::string t;
    t += "gyonm,\"TVNDAT chain test\"\r\n";
    // standard, embedment method, decisions, cases, straight ground, surcharge
    // at the seabed, decision code, R.W.L. and clay switches, interpolation off,
    // studies, L.W.L. switch.
    t += "swdat,1," + std::to_string(s.method) + ",1,1,2," + std::to_string(s.cases) + "," +
         std::to_string(s.ground_shape) + "," + std::to_string(s.surcharge_mode) + "," +
         std::to_string(s.decision) + ",1,1,2," + std::to_string(s.studies) + ",1\r\n";
    t += "joken," + format("%.3f", s.hwl) + "," + format("%.3f", s.lwl) + ",0," +
         format("%.3f", s.rwl) + "," + format("%.3f", s.crown) + "," + format("%.3f", s.seabed) +
         "," + format("%.3f", s.pile_tip) + "," + format("%.3f", s.bottom) + ",0.0,0.0," +
         format("%.3f", s.water_weight) + ",0.0,0.0," + format("%.1f", s.allow_disp_normal) + "," +
         format("%.1f", s.allow_disp_seismic) + "," + std::to_string(s.pile_type) + "," +
         std::to_string(s.u_variant) + ",1\r\n";
    t += "tjkn1,1.5,0.5," + format("%.3f", s.crown) + "," + format("%.3f", s.crown) + "," +
         format("%.3f", s.crown) + ",10.0," + format("%.1f", s.allow_stress_normal) + "," +
         format("%.1f", s.allow_stress_seismic) + ",180.0," + format("%.3f", s.seabed) + "," +
         format("%.1f", s.young) + "," + format("%.0f", s.young_exponent) + "\r\n";
    t += "neire,1,1.0,1.0," + format("%.1f", s.sea_constant) + ",0," + format("%.3f", s.seismic_k) +
         ",0.0,0.0,0.0," + std::to_string(s.apparent_rule) + ",0.0,1,1.0,1.0," +
         format("%.1f", s.land_constant) + "\r\n";
    t += "nir_t," + std::to_string(s.dynamic_water) + "," + std::to_string(s.pipe_check) +
         ",0.0,1.0," + std::to_string(s.clay_formula) + ",0\r\n";
    t += "add_1,0.0,0.0,0.0,0.0\r\n";
    for (const OtherForce& f : s.normal_forces) {
        t += "etcjo,\"" + f.name + "\"," + format("%.3f", f.force) + "," + format("%.3f", f.level) +
             "\r\n";
    }
    for (const OtherForce& f : s.seismic_forces) {
        t += "etcjs,\"" + f.name + "\"," + format("%.3f", f.force) + "," + format("%.3f", f.level) +
             "\r\n";
    }
    for (const SteelPipe& p : s.pipes) {
        t += "kokan," + format("%.1f", p.diameter) + "," + format("%.1f", p.thickness) + "," +
             format("%.1f", p.joint) + "\r\n";
    }
    for (const GroundPointIn& g : s.ground)
        t += "tikei," + format("%.3f", g.distance) + "," + format("%.3f", g.level) + "\r\n";
    for (const Fill& f : s.fills) {
        t += "morid," + format("%.3f", f.top) + "," + format("%.3f", f.wet) + "," +
             format("%.3f", f.submerged) + "," + format("%.3f", f.saturated) + "\r\n";
    }
    for (const Zone& z : s.zones) {
        t += "josai," + format("%.3f", z.start) + "," + format("%.3f", z.end) + "," +
             format("%.3f", z.normal) + "," + format("%.3f", z.seismic) + "\r\n";
    }
    for (const Layer& l : s.land)
        t += layer_line("sdatu", l);
    for (const Layer& l : s.sea)
        t += layer_line("jdatu", l);
    t += s.extra;
    return t;
}

std::string customisation_text() {
    return customisation_file({"0.0", "0.0", "0.0", "45.0", "",  "0",   "0", "0", "50.0", "0.5",
                               "1",   "0.1", "0",   "0",    "0", "3.0", "0", "0", "50.0", "0"});
}

// Both studies on one input that both load programs read: sand on both
// sides from the seabed -6.00, crown +3.00, H.W.L. and L.W.L. examined.
std::string both_studies_input(int cases) {
    const std::vector<std::string> lines = {
        "versi,\"<2.00>\", 1 ",
        "gyonm,\"both studies\"",
        "swdat, 1 , 1 , 1 , 1 , 2 , " + std::to_string(cases) + " , 1 , 1 , 1 , 1 , 1 , 2 , 3 , 1 ",
        "wavsw,\"\", 1 , 2 , 1 , 2 , 1 , 1 , 1 , 1 , 1 , 2 , 1",
        "joken, 2 , 0 , 1 , 1 , 3 , -6 , -20 , -30 , 0 , 0 , 10 , 0 , 0 , 50 , 75 , 1 , 1 , 1 ",
        "tjkn1, 2.5 , 1 , 3 , 3 , 3 , 50 , 0 , 0 , 0 , -6 , 200 , 0 ",
        "neire,1,1.0,1.0,0.0,0,0.15,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0",
        kDefaultCorrosionLine,
        kDefaultJointLine,
        "sdatu, 3 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 30000 ",
        "jdatu, -6 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 30000 ",
        "wlvl_, 1 , -6 , -6 , -6 , 2 , 0 , -7 , -7 , -7 , -7 ",
        "hwl__, 1 , 1.0 , 1.5 , 2 , 0 , 40 , 0 ",
        "lwl__, 1 , 1.0 , 1.5 , 2 , 0 , 40 , 0 ",
        kNoAdoptedValuesLine,
        "nir_t, 2 , 2 , 0 , 1 , 0 , 0 ",
        kDefaultStaticWaterLine,
        kDefaultWallFrictionLine,
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace wtn::test
