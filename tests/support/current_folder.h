// Makes a folder current for one scope: the library opens its files by bare
// name in the current folder, as the batch programs run in the program folder.
#pragma once

#include "program_folder.h"

#include <filesystem>
#include <string>

namespace wtn::test {

class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& path) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    explicit CurrentFolder(const ProgramFolder& folder) : CurrentFolder(folder.path()) {}
    ~CurrentFolder() { std::filesystem::current_path(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path saved_;
};

} // namespace wtn::test
