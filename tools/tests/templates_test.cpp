#include "program_template_tables.h"
#include "report_files.h"
#include "report_folder.h"
#include "template_sources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace wtn::tools {
namespace {

const fs::path kSources = fs::path(WTN_SOURCE_DIR) / "tools" / "templates";
const fs::path kInstalled = fs::path(WTN_SOURCE_DIR) / "installed" / "templates";

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(TemplateSources, FieldMarkersBecomeBlanksAndPositionsInPrintedCells) {
    struct Case {
        std::string line;
        std::string text;
        std::vector<std::pair<int, int>> code_column;
    };
    const Case cases[] = {
        {"  {00}m", "      m", {{0, 2}}},
        {"{04,2}年{05,2}月", "  年  月", {{4, 0}, {5, 4}}}, // two-cell fields against text
        {"kN/m$U3$Z {12,3}", "kN/m$U3$Z    ", {{12, 6}}},   // escapes take no cells
        {"天端{99,6}", "天端      ", {{99, 4}}},
    };
    for (const Case& c : cases) {
        TemplateSourceFile file{"T.PFM", {c.line}, std::nullopt, 1};
        std::vector<std::string> text, errors;
        const std::vector<SourceField> fields = extract_fields(file, text, errors);
        EXPECT_TRUE(errors.empty()) << c.line;
        EXPECT_EQ(text, std::vector<std::string>{c.text}) << c.line;
        ASSERT_EQ(fields.size(), c.code_column.size()) << c.line;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i].code, c.code_column[i].first) << c.line;
            EXPECT_EQ(fields[i].column, c.code_column[i].second) << c.line;
        }
    }
    for (const std::string bad : {"{0}", "{ab}", "{00", "{00,0}"}) {
        TemplateSourceFile file{"T.PFM", {bad}, std::nullopt, 1};
        std::vector<std::string> text, errors;
        extract_fields(file, text, errors);
        EXPECT_EQ(errors.size(), 1u) << bad;
    }
}

TEST(InstalledTemplates, RegeneratedFromTheirSourcesByteForByte) {
    std::vector<std::string> errors;
    const std::vector<TemplateSourceFile> files = read_template_sources(kSources.string(), errors);
    std::set<std::string> generated;
    for (const TemplateSourceFile& file : files) {
        generated.insert(file.name);
        EXPECT_EQ(installed_bytes(file, errors), read_bytes(kInstalled / file.name))
            << file.name << " differs from its source: run make_templates";
    }
    EXPECT_TRUE(errors.empty()) << errors.front();
    for (const auto& entry : fs::directory_iterator(kInstalled))
        EXPECT_TRUE(generated.count(entry.path().filename().string()))
            << entry.path().filename() << " has no source";
}

TEST(InstalledTemplates, DeclareExactlyTheCodesTheProgramsWriteAndLintClean) {
    std::map<std::string, std::set<int>> written;
    for (const ProgramTemplates& program : kProgramTemplateTables) {
        for (const TemplateUse& use : program.table) {
            const std::vector<int> codes = template_codes(use);
            written[std::string(use.name)].insert(codes.begin(), codes.end());
        }
    }
    for (const auto& [name, codes] : written) {
        const fs::path path = kInstalled / name;
        ASSERT_TRUE(fs::exists(path)) << name << " is named by a program but not installed";
        viewer::Problems problems =
            viewer::lint_report(kInstalled.string(), kInstalled.string(), {path.string()});
        for (const viewer::Problem& p : problems)
            ADD_FAILURE() << viewer::problem_text(p);
        if (path.extension() != ".PFM") continue;
        std::vector<std::string> lines;
        std::istringstream in(read_bytes(path));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.size() - 1));
        const std::optional<viewer::PageTemplate> form =
            viewer::parse_page_template(name, lines, problems);
        ASSERT_TRUE(form.has_value()) << name;
        std::set<int> declared;
        for (const viewer::TemplateField& field : form->fields)
            declared.insert(field.code);
        EXPECT_EQ(declared, codes) << name;
    }
    for (const auto& entry : fs::directory_iterator(kInstalled))
        EXPECT_TRUE(written.count(entry.path().filename().string()))
            << entry.path().filename() << " is installed but no program names it";
}

} // namespace
} // namespace wtn::tools
