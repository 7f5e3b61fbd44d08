// Runs a test inside a fresh empty program folder, since the work files are
// opened by bare name in the current folder as the batch programs do.
#pragma once

#include "program_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wtn::test {

class InWorkFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
    }
    void TearDown() override { std::filesystem::current_path(saved_); }

    ProgramFolder folder_{false};

  private:
    std::filesystem::path saved_;
};

} // namespace wtn::test
