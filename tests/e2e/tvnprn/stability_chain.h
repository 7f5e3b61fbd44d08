// The section and the chain runs the stability-report chain tests share.
#pragma once

#include "child_process.h"
#include "program_folder.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace wtn::test {

// A fresh folder holding the section's input, the default customisation and
// a run stamp, after the programs have run on it; each must end with exit
// code 0.
inline std::unique_ptr<ProgramFolder> run_programs(std::unique_ptr<ProgramFolder> folder,
                                                   std::initializer_list<const char*> programs) {
    for (const char* program : programs) {
        const ChildResult r = run_batch_in(*folder, program);
        EXPECT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    return folder;
}

inline std::unique_ptr<ProgramFolder> section_folder(const WallSection& section) {
    auto folder = std::make_unique<ProgramFolder>();
    folder->write("CAL_FILE.DAT", input_file_text(section));
    folder->write("TVNCSTM.DAT", customisation_text());
    folder->write("CAL_FILE.INF", "SAND\r\ntitle\r\n26\r\n12\r\n10\r\n9\r\n5\r\n7\r\n");
    return folder;
}

// The chain of the completed state.
inline std::unique_ptr<ProgramFolder> completed_state_chain(const WallSection& section) {
    return run_programs(section_folder(section), {"TVNDAT", "TVNCAL", "TVNPRN"});
}

// The given programs, the chooser answering from its switch file (0).
inline std::unique_ptr<ProgramFolder> chain(const WallSection& section,
                                            std::initializer_list<const char*> programs) {
    auto folder = section_folder(section);
    folder->write("PRG_SW.DAT", "0\r\n");
    return run_programs(std::move(folder), programs);
}

// The sand below the seabed -3.0 given by its N value 20: k_h = 1500 N =
// 30000; SP-VL decided (I 63000, and 59003 in the seabed mud after
// corrosion), allowable head displacement 10 cm.
inline WallSection sand_by_n_value() {
    WallSection section;
    section.seabed = -3.0;
    section.sea = {Layer{-3.0}};
    section.sea[0].option = 2;
    section.sea[0].n_value = 20.0;
    section.sea[0].kh = 30000.0;
    section.decision = 11;
    section.allow_disp_normal = 10.0;
    section.young = 200.0;
    section.young_exponent = 0.0;
    return section;
}

// A value as a page prints it.
inline std::string fmt(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace wtn::test
