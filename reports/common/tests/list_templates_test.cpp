#include "list_templates.h"
#include "program_stop.h"

#include "current_folder.h"
#include "program_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

RunInfo run() {
    RunInfo info;
    info.data_name = "DATA";
    return info;
}

const std::string kHeader = "   0   0   0   0   0   0        DATA\r\n";

struct ListCase {
    const char* what;
    std::string list;
    std::vector<std::string> templates; // expected bytes of DSKLST0.PFM, DSKLST1.PFM, ...
};

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

TEST(ListTemplates, BlocksBecomeTemplatesNamedInOrder) {
    const std::string long_line = std::string(254, 'a') + "表" + std::string(44, 'b'); // 300 bytes
    const ListCase cases[] = {
        {"empty block", "@-1\r\n", {crlf({"DSKLST0.PFM", "0"})}},
        {"same marker twice",
         "@-7\r\nx\r\n@-7\r\ny\r\n",
         {crlf({"DSKLST0.PFM", "1", "x"}), crlf({"DSKLST1.PFM", "1", "y"})}},
        {"blank lines kept", "@-1\r\n\r\nx\r\n\r\n", {crlf({"DSKLST0.PFM", "3", "", "x", ""})}},
        {"last line without line end", "@-1\r\nx", {crlf({"DSKLST0.PFM", "1", "x"})}},
        {"long line in two pieces cut at a whole character",
         "@-1\r\n" + long_line + "\r\n",
         {crlf({"DSKLST0.PFM", "2", std::string(254, 'a'), "表" + std::string(44, 'b')})}},
    };
    for (const ListCase& c : cases) {
        test::ProgramFolder folder(false);
        test::CurrentFolder here(folder);
        folder.write("PFMTEMP.TMP", c.list);
        const ListTemplateFiles files =
            design_condition_list_files(from_file_value<CompletedCases>(0));
        EXPECT_EQ(generate_list_templates(files, run()), static_cast<int>(c.templates.size()))
            << c.what;
        std::string index = "完成時         :設計条件\r\n" + kHeader;
        for (std::size_t j = 0; j < c.templates.size(); ++j) {
            const std::string name = "DSKLST" + std::to_string(j) + ".PFM";
            EXPECT_EQ(folder.read(name), c.templates[j]) << c.what;
            index += "$0  " + name + "\r\n";
        }
        EXPECT_EQ(folder.read("JD000JKN.PDT"), index) << c.what;
    }
}

TEST(ListTemplates, SixteenBlocksThenTheTrailingDrawingsAndAStaleTemplateIsNotNamed) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    folder.write("DSKLST20.PFM", "stale");
    {
        ListWriter list("PFMTEMP.TMP");
        for (int i = 0; i < 16; ++i) {
            list.marker(i + 1);
            list.line("line " + std::to_string(i));
        }
        list.close();
    }
    EXPECT_EQ(generate_list_templates(design_condition_list_files(CompletedCases::Both), run()),
              16);
    std::string index = "完成時         :設計条件\r\n" + kHeader;
    for (int j = 0; j < 16; ++j)
        index += "$0  DSKLST" + std::to_string(j) + ".PFM\r\n";
    index += "$1                  JOKEN_Z0.PZK\r\n$1                  JOKEN_Z1.PZK\r\n";
    EXPECT_EQ(folder.read("JD000JKN.PDT"), index);
    EXPECT_EQ(folder.read("DSKLST15.PFM"), "DSKLST15.PFM\r\n1\r\nline 15\r\n");
    EXPECT_EQ(folder.read("PFMCNT.TMP").substr(0, 6), "1\r\n1\r\n");
}

TEST(ListTemplates, TheParameterSetsOfTheThreeLists) {
    EXPECT_EQ(check_list_files().index_file, "AUDSHEET.PDT");
    EXPECT_EQ(list_template_name(check_list_files(), 10), "CHKLST10.PFM");
    EXPECT_TRUE(check_list_files().trailing_lines.empty());
    EXPECT_EQ(wave_condition_list_files("設計条件").trailing_lines,
              std::vector<std::string>{"$1                  W_JOKENZ.PZK"});
    EXPECT_EQ(design_condition_list_files(CompletedCases::SeismicOnly).trailing_lines,
              std::vector<std::string>{"$1                  JOKEN_Z1.PZK"});
}

TEST(ListTemplates, AListThatCannotBeOpenedStopsInsteadOfReportingNoPages) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    EXPECT_THROW(generate_list_templates(check_list_files(), run()), ProgramStop);
    EXPECT_FALSE(folder.exists("AUDSHEET.PDT"));
}

} // namespace
} // namespace wtn
