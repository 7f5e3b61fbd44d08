// The exit code a test reads is the one the child ended with.
#include "child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/time.h>

namespace wtn::test {
namespace {

void ignore_alarm(int) {}

TEST(RunChild, ASignalToTheTestWhileItWaitsDoesNotTurnTheChildsExitIntoSuccess) {
    // A handler installed without SA_RESTART interrupts the wait for the child.
    struct sigaction action {};
    action.sa_handler = ignore_alarm;
    struct sigaction previous {};
    ASSERT_EQ(sigaction(SIGALRM, &action, &previous), 0);
    itimerval timer{};
    timer.it_value.tv_usec = 50000;
    ASSERT_EQ(setitimer(ITIMER_REAL, &timer, nullptr), 0);

    const ChildResult result =
        run_child(ChildRun{"/bin/sh", {"-c", "sleep 0.3; exit 3"}, "", {}, {}, "", -1});
    sigaction(SIGALRM, &previous, nullptr);

    EXPECT_EQ(result.exit_code, 3);
    EXPECT_EQ(result.signal, 0);
}

TEST(RunChild, AChildStillRunningAtItsKillMomentEndsBySigkill) {
    ChildRun sleeper{"/bin/sh", {"-c", "sleep 5"}, "", {}, {}, "", 50000};
    const auto start = std::chrono::steady_clock::now();
    const ChildResult killed = run_child(sleeper);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_EQ(killed.signal, SIGKILL);
    EXPECT_EQ(killed.exit_code, -1);
    sleeper.args = {"-c", "exit 3"};
    sleeper.kill_after_microseconds = 300000;
    EXPECT_EQ(run_child(sleeper).exit_code, 3); // ended before: its own exit code
}

} // namespace
} // namespace wtn::test
