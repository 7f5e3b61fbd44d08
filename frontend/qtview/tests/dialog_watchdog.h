// Keeps a Qt test from waiting forever on a dialog nobody closes: a test
// that shows a modal box and scripts its answer in a timer callback hangs
// when the callback fails before it presses a button. The watchdog is armed
// at the start of every test; if a modal window is still open when it fires,
// it fails the test with the window's title and closes the window, so the
// blocked call returns and the run goes on.
#pragma once

#include <gtest/gtest.h>

#include <memory>

class QTimer;

namespace wtn::qt::test {

// Milliseconds a test may keep a modal window open.
inline constexpr int kDialogTimeoutMs = 10000;

class DialogWatchdog : public testing::EmptyTestEventListener {
  public:
    DialogWatchdog();
    ~DialogWatchdog() override;
    void OnTestStart(const testing::TestInfo& info) override;
    void OnTestEnd(const testing::TestInfo& info) override;

  private:
    std::unique_ptr<QTimer> timer_;
};

// Closes every open modal window, failing the running test for each.
void close_open_dialogs();

} // namespace wtn::qt::test
