// A fresh program folder for one test: a temporary folder holding a copy of
// the installed data files, removed when the test ends. Programs are started
// by absolute path from the build's program folder with this folder current.
#pragma once

#include "child_process.h"

#include <string>

namespace wtn::test {

class ProgramFolder {
  public:
    // with_installed_data: copy the build's installed data files in.
    explicit ProgramFolder(bool with_installed_data = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

// Absolute path of a built program ("TVNDAT", ...).
std::string program_path(const std::string& name);

// Runs the batch program name in folder as when started by hand: its boxes
// go to standard error and a yes/no question takes answer ("yes" or "no").
ChildResult run_batch_in(const ProgramFolder& folder, const std::string& name,
                         const std::string& answer = "no");

} // namespace wtn::test
