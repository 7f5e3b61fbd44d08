#include "program_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wtn::test {
namespace {

// The installed data files are those of the source tree's installed/ folder
// (its README describes them and is not installed). Anything else in the
// build's program folder (the executables, work files left by a program run
// there by hand) must not reach a test's folder, where a stale work file
// would stand in for one the test expects a program to write.
bool is_installed_file(const fs::directory_entry& entry) {
    return entry.is_regular_file() && entry.path().filename() != "README.md";
}

} // namespace

ProgramFolder::ProgramFolder(bool with_installed_data) {
    std::string pattern = (fs::temp_directory_path() / "wtn_folder_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a program folder");
    path_ = pattern;
    if (!with_installed_data) return;
    for (const auto& entry : fs::directory_iterator(fs::path(WTN_SOURCE_DIR) / "installed")) {
        if (!is_installed_file(entry)) continue;
        const fs::path name = entry.path().filename();
        fs::copy_file(fs::path(WTN_PROGRAM_DIR) / name, fs::path(path_) / name);
    }
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ProgramFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}

std::string ProgramFolder::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool ProgramFolder::exists(const std::string& name) const {
    return fs::exists(file(name));
}

std::string program_path(const std::string& name) {
    return std::string(WTN_PROGRAM_DIR) + "/" + name;
}

ChildResult run_batch_in(const ProgramFolder& folder, const std::string& name,
                         const std::string& answer) {
    ChildRun child;
    child.program = program_path(name);
    child.work_dir = folder.path();
    child.unset_env = {"WTN_UI_PIPE"};
    child.env = {{"WTN_ANSWER", answer}};
    return run_child(child);
}

} // namespace wtn::test
