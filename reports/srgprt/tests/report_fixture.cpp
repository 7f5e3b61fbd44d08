#include "report_fixture.h"

#include "cp932_codec.h"
#include "current_folder.h"
#include "file_io.h"
#include "fixed_run_stamp.h"
#include "format_values.h"
#include "input_file.h"
#include "input_file_writer.h"
#include "run_info.h"
#include "stop_capture.h"
#include "tide_level_yes_no.h"
#include "wave_report.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace wtn::test {

WaveBlock hwl_goda_block() {
    WaveBlock b;
    b.tide_level = kTideHwl;
    b.formula = WaveFormula::Goda;
    b.common = {4.23, 2.35, 2.0, 10.0, 8.0, 8.0, 0.0, 60.0, 10.1};
    b.goda = {11.0, 6.345, 32.569, 20.36, 22.798, 0.737, 0.025, 3.783, 0.025, 0, 0.7};
    WaveDiagram& d = b.diagram;
    d.count = 4;
    d.rows[0] = {-1, 8.345, 5.345, 0.0, 27.436};
    d.rows[1] = {1, 3.0, 1.0, 27.436, 32.569};
    d.rows[2] = {0, 2.0, 8.0, 32.569, 22.798};
    d.rows[3] = {-1, -6.0, 2.0, 22.798, 20.36};
    d.rows[4] = {0, -8.0, 0.0, 0.0, 0.0};
    d.wall_top_row = 1;
    d.h_dash_row = 3;
    d.first_loaded_row = 1;
    b.forces.count = 4;
    b.forces[0] = {1, 13.718, 2.5, 10.667, 27.436, 1.0, 13.718, 146.330};
    b.forces[1] = {0, 10.856, 2.667, 10.333, 32.569, 1.0, 16.284, 168.263};
    b.forces[2] = {1, 16.284, -2.0, 7.333, 32.569, 8.0, 130.276, 955.314};
    b.forces[3] = {0, 7.599, -3.333, 4.667, 22.798, 8.0, 91.192, 425.593};
    b.still = {0, 33.667, -4.667, 3.333, 101.0, 10.0, 505.0, 1683.165};
    b.resultant = {251.470, 1695.500, 756.470, 3378.665, 4.466};
    return b;
}

WaveBlock kuroda_hiroi_block(int breaking, int wide_angle) {
    WaveBlock b = hwl_goda_block();
    b.formula = WaveFormula::KurodaHiroi;
    b.goda = {};
    b.kuroda_hiroi = {breaking, wide_angle, 8.0, 30.3, 20.892, 10.642, 0.369};
    return b;
}

ReportFixture::ReportFixture() {
    reset_input_counters(input);
    set_input_defaults(input);
    input.version_number = 1;
    input.wavsw.lambda1 = 1.0;
    input.nir_t.lambda2 = 1.0;
    input.wavsw.examine = yes_no_codes({2, 1, 2, 2, 2});
    input.wavsw.draw = yes_no_codes({2, 1, 2, 2, 2});
    input.swdat.completed_cases = CompletedCases::NormalOnly;
    input.swdat.embedment_method = EmbedmentMethod::Chang;
    input.static_water = StaticWater::On;
    input.joken.hwl = 2.0;
    input.joken.lwl = 0.0;
    input.joken.soil_bottom = -30.0;
    input.joken.water_weight = 10.1;
    input.tjkn1.pile_crown = 3.0;
    input.tjkn1.superstructure_crown = 3.0;
    input.tjkn1.construction_seabed = -8.0;
    input.land_layer_count = 2;
    input.land_layers[0] = {3.5, 18, 10, 20, 30, 0, 0, LayerKhOption::Given, 0, 3000};
    input.land_layers[1] = {-5, 17, 7, 17, 0, 20, 1.5, LayerKhOption::LinearInN, 0, 0};
    input.tide_levels[kTideHwl] = {
        BreakingInfluence::NotInfluenced, 2.35, 0.0, WaveLengthMethod::Given, 0.0, 60.0, 0.0};
    conditions.allowable_stress = {180.0, 270.0};
    conditions.allowable_displacement = {5.0, 7.5};
    conditions.corrosion_case = 0;
    conditions.has_layers = true;
    conditions.layer_start = 2;
    ForceLayerRow row;
    row.level = 3.5;
    conditions.layers.assign(4, row);
    conditions.layers[2].level = -8.0;
    conditions.layers[2].resistance_option = 2;
    conditions.layers[2].n_value = 0.838;
    conditions.layers[2].kh = 1257.0;
    conditions.layers[3].level = -30.0;
    blocks = {hwl_goda_block()};
}

std::string wav_data_text(const std::vector<WaveBlock>& blocks) {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* memory = open_memstream(&data, &size);
    for (const WaveBlock& b : blocks)
        write_wav_data_section(memory, b);
    std::fclose(memory);
    std::string text(data, size);
    std::free(data);
    return text;
}

ReportRun run_report(const ReportFixture& f) {
    ReportRun run;
    const ProgramFolder& folder = *run.folder;
    CurrentFolder here(folder);
    write_input(f.input, "CAL_FILE");
    std::filesystem::rename("CAL_FILE.CAL", "CAL_FILE.DAT");
    // Keys the older input writer does not know.
    {
        CFile file = open_file("CAL_FILE.DAT", "ab");
        write_values_line(file.get(), "versi,\"<2.00>\", %d ", f.input.version_number);
        write_values_line(file.get(), "caldt, 0 , 0 ");
        write_values_line(file.get(), "nir_t, 2 , 2 , 0 , %.6f , 0 , 0 ", f.input.nir_t.lambda2);
        write_values_line(file.get(), "wav_t, %d ", to_file_value(f.input.static_water));
        const WallFriction& a = f.input.add_1;
        write_values_line(file.get(), "add_1, %.6f , %.6f , %.6f , %.6f ", a.normal_active,
                          a.normal_passive, a.seismic_active, a.seismic_passive);
    }
    write_run_info(test::stamped_run("WAVE", "wave test"));
    if (f.with_switch_file) folder.write("PRG_SW.DAT", std::to_string(f.system_switch) + "\r\n");
    if (f.with_customisation) {
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "1\r\n";
        folder.write("TVNCSTM.DAT", text);
    }
    if (f.with_sjoken) write_sjoken(f.conditions);
    if (f.with_wav_data)
        folder.write("WAV_DATA.PRN", f.wav_data_text ? *f.wav_data_text : wav_data_text(f.blocks));
    for (const std::string& name : f.blocking_folders)
        std::filesystem::create_directory(name);
    // The box text comes as UTF-8; the expectations are code page 932.
    run.stop = utf8_to_cp932(stop_text([] { wave_report_main(); }));
    return run;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool has_line(const std::string& text, const std::string& line) {
    for (const std::string& l : lines_of(text))
        if (l == line) return true;
    return false;
}

} // namespace wtn::test
