// The example projects of examples/ are the reference sections saved by the
// front end itself: a new project (the template), the section's values put
// into the design data, every screen loaded and stored as when the engineer
// pages through them, then ﾌｧｲﾙ → 名前を付けて保存. This test saves each one
// again and compares it with the file in examples/, so the examples follow
// the project format and the screens. With WTN_WRITE_EXAMPLES=1 it writes
// them into examples/ instead (after a deliberate change of a section).
#include "main_window_fixture.h"
#include "reference_designs.h"

#include "project_reader.h"
#include "project_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace wtn::mainwin::test {
namespace {

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool writing_examples() {
    const char* v = std::getenv("WTN_WRITE_EXAMPLES");
    return v != nullptr && std::string(v) == "1";
}

TEST(ExampleProjects, AreTheReferenceSectionsAsTheFrontEndSavesThem) {
    for (const wtn::test::ReferenceExample& example : wtn::test::reference_examples()) {
        SCOPED_TRACE(example.file);
        MainWindowFixture f;
        ASSERT_EQ(f.start(), StartResult::ready);
        example.fill(f.data);
        f.window->load_all_screens();
        f.window->store_all_screens();
        const std::string saved = f.folder.file(example.file);
        f.files.paths.push_back(saved);
        ASSERT_TRUE(f.window->file_commands().file_save_as());
        ASSERT_TRUE(f.box_texts().empty()) << f.box_texts().front();

        const std::string target = wtn::test::example_path(example.file);
        if (writing_examples()) {
            std::filesystem::create_directories(std::filesystem::path(target).parent_path());
            std::filesystem::copy_file(saved, target,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        EXPECT_EQ(bytes_of(saved), bytes_of(target))
            << "examples/" << example.file
            << " differs from the section saved now; run with WTN_WRITE_EXAMPLES=1 after a "
               "deliberate change";

        // The saved project reads back into the same data: the same file
        // lines come out of it again.
        DesignData reread = f.data;
        read_data_file(reread, target);
        EXPECT_EQ(project_file_lines(reread), project_file_lines(f.data));
    }
}

} // namespace
} // namespace wtn::mainwin::test
