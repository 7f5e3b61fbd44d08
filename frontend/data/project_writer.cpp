#include "project_writer.h"

#include "comma_line.h"
#include "project_items.h"
#include "text_file.h"

namespace wtn {

namespace {

// Puts each item of the project body on the current line; a line break
// starts the next.
struct WriteItems {
    std::vector<std::string>& out;
    CommaLine line;
    void screen(const char*) {}
    void integer(int value, const std::string&) { line.integer(value); }
    template <class Code> void code(Code value, const std::string&) {
        line.integer(list_index_of(value));
    }
    void residual_rule(ResidualLevelRule value, const std::string&) {
        line.integer(screen_residual_switch(value));
    }
    void real(double value, const std::string&, const std::string& value_name) {
        line.real(value, value_name);
    }
    void text(const std::string& value, int length, const std::string&,
              const std::string& caption) {
        line.text(value, length, caption);
    }
    template <class Code> void constant(Code, Code written, const std::string& what) {
        code(written, what);
    }
    void exponent(int, const std::string& what) { line.real(0.0, what); }
    void end_line() {
        out.push_back(line.str());
        line = CommaLine();
    }
};

} // namespace

std::vector<std::string> project_file_lines(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    const SekoujiData& w = d.sekouji_dat;
    const YaitaData& y = d.yaita_dat;
    std::vector<std::string> out;

    out.push_back(CommaLine().text(kVersion200, 0, "version").str());                 // 1
    out.push_back(CommaLine().text(d.data_title, kTitleLength, kTitleCaption).str()); // 2
    WriteItems items{out, {}};
    project_items::body(items, d); // 3 to 161
    out.push_back(
        CommaLine().real(d.caldt_vals[0], "caldt").real(d.caldt_vals[1], "caldt").str()); // 162
    out.push_back(CommaLine().integer(list_index_of(y.fsyok_dat.range_sw)).str());        // 163
    out.push_back(CommaLine()                                                             // 164
                      .integer(to_file_value(k.dynwater_sw))
                      .integer(to_file_value(y.second_sw))
                      .real(y.kh_lm, "kh_lm")
                      .real(w.lambda2, "lambda2")
                      .str());
    out.push_back(CommaLine().integer(list_index_of(k.clay_sw)).str()); // 165
    out.push_back(CommaLine()                                           // 166
                      .integer(list_index_of(y.alpha_sw))
                      .real(y.joint_alpha[0], "joint_alpha")
                      .real(y.joint_alpha[1], "joint_alpha")
                      .real(y.joint_alpha[2], "joint_alpha")
                      .integer(list_index_of(w.static_sw))
                      .str());
    out.push_back(CommaLine().integer(list_index_of(k.okabe_sw)).str()); // 167
    out.push_back(CommaLine()                                            // 168
                      .real(s.delta_jyo[0], "delta_jyo")
                      .real(s.delta_jyo[1], "delta_jyo")
                      .real(s.delta_jis[0], "delta_jis")
                      .real(s.delta_jis[1], "delta_jis")
                      .str());
    return out;
}

void write_data_file(const DesignData& data, const std::string& path) {
    write_text_file(path, project_file_lines(data));
}

} // namespace wtn
