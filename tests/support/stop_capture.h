// Helpers for tests of code that stops the program or asks the "waring"
// question: the box text goes to standard error (no front end), and a yes/no
// question is answered from WTN_ANSWER with standard input detached.
#pragma once

#include "program_stop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace wtn::test {

// Runs f, which must stop the program, and returns the box line it wrote
// ("error: text" without the line end); empty when it did not stop.
template <class F> std::string stop_text(F&& f) {
    testing::internal::CaptureStderr();
    bool stopped = false;
    try {
        f();
    } catch (const ProgramStop&) {
        stopped = true;
    }
    std::string err = testing::internal::GetCapturedStderr();
    if (!stopped) return {};
    while (!err.empty() && err.back() == '\n')
        err.pop_back();
    return err;
}

// Answers every yes/no box of its lifetime with answer ("yes" or "no").
class AnswerBoxes {
  public:
    explicit AnswerBoxes(const char* answer) {
        unsetenv("WTN_UI_PIPE");
        setenv("WTN_ANSWER", answer, 1);
        if (std::freopen("/dev/null", "r", stdin) == nullptr) ADD_FAILURE() << "stdin";
    }
    ~AnswerBoxes() { unsetenv("WTN_ANSWER"); }
};

} // namespace wtn::test
