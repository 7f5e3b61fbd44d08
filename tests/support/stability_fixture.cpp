#include "stability_fixture.h"

#include "customisation_text.h"
#include "format_values.h"

namespace wtn::test {

std::string stability_input_text(const StabilityInput& in) {
    std::string t = "gyonm,\"TVNCAL test\"\r\n";
    t += format_text("swdat,%d,%d,1,1,2,%d,1,1,%d,1,1,2,%d,1\r\n", in.standard, in.method, in.cases,
                     in.decision, in.studies);
    t += "wavsw,\"\",1,2,1," + in.examine + "\r\n";
    t += format_text("joken,1,0,0,0,3,-6,-30,-30,0,0,10,0,0,%.3f,75,%d,2,1\r\n",
                     in.allow_disp_normal, in.pile_type);
    t += format_text("tjkn1,1.5,0.5,3,3,3,%.3f,%.3f,0,0,-7,200,0\r\n", in.allow_disp_construction,
                     in.allow_stress);
    t += format_text("fsyok,.03,.03,.03,.03,.03,.03,.02,%.3f,%.3f,30,%.1f,%.1f,0\r\n",
                     in.allowance_water, in.allowance_land, in.reduction, in.reduction);
    t += in.extra;
    return t;
}

std::string stability_customisation_text() {
    return customisation_file({"0", "0",   "0", "45", "",  "0", "0", "0", "50", "0.5",
                               "1", "0.1", "0", "0",  "0", "3", "0", "0", "50", "0"});
}

std::string force_file_text(int mode, const std::vector<ForceSection>& sections) {
    std::string t = std::to_string(mode) + "\r\n";
    for (const ForceSection& s : sections) {
        t += "#  section\r\n0,2,1\r\n";
        t += format_text("%f,%f,0.523599,1\r\n0.0,0,%f\r\n", s.reference, s.reference + 30.0, s.kh);
        t += "-30.000000,0.000000,0.000000,1\r\n0.0,0,0.0\r\n";
        t += format_text("%f,%f\r\n", s.lever_arm, s.force);
        t += format_text("%f,%f,%f\r\n", s.force, s.force * s.lever_arm, s.lever_arm);
        t += format_text("%f,%f\r\n", s.reference, s.pressure);
        if (mode != 0) continue;
        t += format_text("2,0\r\n%f,0.0,10.0\r\n-30.0,10.0,20.0\r\n", s.reference);
        t += format_text("%f,0.0,0.0\r\n-30.0,0.0,0.0\r\n", s.reference);
    }
    return t;
}

} // namespace wtn::test
