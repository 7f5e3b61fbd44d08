#include "program_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wtn::test {
namespace {

// Executables and build leftovers are not data files.
bool is_data_file(const fs::directory_entry& entry) {
    if (!entry.is_regular_file()) return false;
    auto perms = entry.status().permissions();
    return (perms & fs::perms::owner_exec) == fs::perms::none;
}

} // namespace

ProgramFolder::ProgramFolder(bool with_installed_data) {
    std::string pattern = (fs::temp_directory_path() / "wtn_folder_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a program folder");
    path_ = pattern;
    if (!with_installed_data) return;
    for (const auto& entry : fs::directory_iterator(WTN_PROGRAM_DIR)) {
        if (is_data_file(entry)) fs::copy_file(entry.path(), fs::path(path_) / entry.path().filename());
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

bool ProgramFolder::exists(const std::string& name) const { return fs::exists(file(name)); }

std::string program_path(const std::string& name) { return std::string(WTN_PROGRAM_DIR) + "/" + name; }

} // namespace wtn::test
