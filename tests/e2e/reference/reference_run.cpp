#include "reference_run.h"

#include "cal_writer.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "customisation.h"
#include "input_file.h"
#include "input_record.h"
#include "project_reader.h"
#include "reference_designs.h"
#include "text_lines.h"
#include "work_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace wtn::test {

void prepare_run(const ProgramFolder& folder, const std::string& example) {
    DesignData data;
    read_data_file(data, example_path(example));
    write_cal_file(data, folder.file("CAL_FILE.DAT"));
}

StabilityRead read_results(const ProgramFolder& folder, const std::vector<int>& case_indices) {
    StabilityRead read;
    CurrentFolder here(folder);
    auto input = std::make_unique<InputRecord>();
    reset_input_counters(*input);
    set_input_defaults(*input);
    read_input(*input, kInputFileName);
    const CustomisationValues custom = read_customisation();
    std::FILE* file = std::fopen(kForceFileName, "rb");
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return read;
    LineReader reader(file);
    const int mode = read_force_file_mode(reader);
    for (int c : case_indices) {
        read.cases.emplace_back();
        read_force_case(reader, c, mode, *input, read.cases.back());
    }
    std::fclose(file);

    std::FILE* neire = std::fopen(kNeireFile, "rb");
    EXPECT_NE(neire, nullptr);
    if (neire == nullptr) return read;
    for (std::size_t i = 0; i < case_indices.size(); ++i) {
        read_neire_case(neire, *read.results, *input, custom, read.cases[i], case_indices[i]);
        read.chang.push_back(read.results->areas.chang);
    }
    std::fclose(neire);
    std::FILE* tl = std::fopen(kNeireTlFile, "rb");
    EXPECT_NE(tl, nullptr);
    if (tl == nullptr) return read;
    read_neire_tl(tl, *read.results);
    std::fclose(tl);
    return read;
}

std::vector<WaveLevelRead> read_wave_levels(const ProgramFolder& folder, int level_count) {
    std::vector<WaveLevelRead> levels;
    CurrentFolder here(folder);
    auto input = std::make_unique<InputRecord>();
    reset_input_counters(*input);
    set_input_defaults(*input);
    read_input(*input, kInputFileName);
    const CustomisationValues custom = read_customisation();
    std::FILE* forces = std::fopen(kForceFileName, "rb");
    std::FILE* neire = std::fopen(kNeireFile, "rb");
    std::FILE* tl = std::fopen(kNeireTlFile, "rb");
    EXPECT_TRUE(forces != nullptr && neire != nullptr && tl != nullptr);
    if (forces != nullptr && neire != nullptr && tl != nullptr) {
        LineReader reader(forces);
        const int mode = read_force_file_mode(reader);
        auto results = std::make_unique<StabilityResults>();
        for (int l = 0; l < level_count; ++l) {
            WaveLevelRead& level = levels.emplace_back();
            level.file_mode = mode;
            read_force_case(reader, 0, mode, *input, level.force);
            read_neire_case(neire, *results, *input, custom, level.force, 0);
            level.beta = results->areas.chang.beta[0];
            read_neire_tl(tl, *results);
            level.max_moment = results->level_solver.moment[0][0];
            level.stress = results->level_solver.bending_stress[0][0];
            level.displacement = results->level_displacement.total[0][0];
            level.embedment = results->level_displacement.embedment[0][0];
        }
    }
    for (std::FILE* f : {forces, neire, tl})
        if (f != nullptr) std::fclose(f);
    return levels;
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void expect_relative(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

std::string decided_pile_line(const std::string& study, const std::string& pile, double tip,
                              double length) {
    char line[96];
    std::snprintf(line, sizeof line, "\"%s\",\"%s\",%8.3f,%8.3f", study.c_str(), pile.c_str(), tip,
                  length);
    return utf8_to_cp932(line);
}

} // namespace wtn::test
