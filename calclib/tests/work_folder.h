// Runs a test inside a fresh empty program folder, since the work files are
// opened by bare name in the current folder as the batch programs do.
#pragma once

#include "current_folder.h"
#include "program_folder.h"

#include <gtest/gtest.h>

namespace wtn::test {

class InWorkFolder : public ::testing::Test {
  protected:
    ProgramFolder folder_{false};

  private:
    CurrentFolder here_{folder_};
};

} // namespace wtn::test
