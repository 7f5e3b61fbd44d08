// Runs disturbed from outside. A program of the chain killed at any moment
// leaves nothing that changes the next run: the chain run again gives the
// same files as a run never disturbed. A report program reading the load
// tables while a second run in the same folder writes them over ends with
// exit 0 or with a message, never killed by what it read.
#include "reference_designs.h"

#include "cal_writer.h"
#include "child_process.h"
#include "program_folder.h"
#include "project_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace wtn::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The run chain of both studies as the front end starts it.
const std::vector<std::string> kChain = {"AUDSHEET", "TVNDAT", "TVNCAL", "SOLPRT", "TVNPRN",
                                         "TVNWAV",   "TVNCAL", "SRGPRT", "TVNPRN"};

void write_input(const ProgramFolder& folder, const std::string& example) {
    DesignData data;
    read_data_file(data, example_path(example));
    write_cal_file(data, folder.file("CAL_FILE.DAT"));
}

ChildRun batch_run(const ProgramFolder& folder, const std::string& program) {
    ChildRun child;
    child.program = program_path(program);
    child.work_dir = folder.path();
    child.unset_env = {"WTN_UI_PIPE"};
    child.env = {{"WTN_ANSWER", "no"}};
    return child;
}

// The run's time stamp as the page heads carry it: six "%4d" numbers from
// lines 3 to 8 of CAL_FILE.INF, which the check-list program stamps.
std::string page_stamp(const ProgramFolder& folder) {
    std::istringstream in(folder.read("CAL_FILE.INF"));
    std::string line;
    std::string stamp;
    for (int i = 0; i < 8 && std::getline(in, line); ++i) {
        if (i < 2) continue;
        char cell[16];
        std::snprintf(cell, sizeof cell, "%4d", std::atoi(line.c_str()));
        stamp += cell;
    }
    return stamp;
}

// Every file of the folder, the run's time stamp replaced by a mark, so
// that two runs compare equal when they differ only in when they ran.
std::map<std::string, std::string> outputs(const ProgramFolder& folder) {
    const std::string stamp = page_stamp(folder);
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        std::string bytes = folder.read(name);
        if (name == "CAL_FILE.INF") {
            bytes = "(the run information, stamped anew on every run)";
        } else if (stamp.size() == 24) {
            for (std::size_t at = bytes.find(stamp); at != std::string::npos;
                 at = bytes.find(stamp, at))
                bytes.replace(at, stamp.size(), "(stamp)");
        }
        files[name] = std::move(bytes);
    }
    return files;
}

// Names of the files that differ between two folders' outputs.
std::string differences(const std::map<std::string, std::string>& expected,
                        const std::map<std::string, std::string>& actual) {
    std::string out;
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end())
            out += " missing " + name + ";";
        else if (found->second != bytes)
            out += " changed " + name + ";";
    }
    for (const auto& [name, bytes] : actual) {
        if (!expected.count(name)) out += " left over " + name + ";";
    }
    return out;
}

// Runs the whole chain; the time each program took, or an empty list when
// one failed (the failure is reported).
std::vector<Clock::duration> run_chain(const ProgramFolder& folder) {
    std::vector<Clock::duration> took;
    for (const std::string& program : kChain) {
        const Clock::time_point start = Clock::now();
        const ChildResult run = run_child(batch_run(folder, program));
        took.push_back(Clock::now() - start);
        if (run.exit_code != 0) {
            ADD_FAILURE() << program << " ended " << run.exit_code << " (signal " << run.signal
                          << "): " << run.err;
            return {};
        }
    }
    return took;
}

unsigned test_seed() {
    const char* given = std::getenv("WTN_KILL_SEED");
    return given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                            : std::random_device{}();
}

TEST(InterruptedRuns, AProgramKilledAtAnyMomentLeavesNothingThatChangesTheNextRun) {
    ProgramFolder undisturbed;
    write_input(undisturbed, "both_studies.tn2");
    const std::vector<Clock::duration> took = run_chain(undisturbed);
    ASSERT_EQ(took.size(), kChain.size());
    const std::map<std::string, std::string> expected = outputs(undisturbed);

    const unsigned seed = test_seed();
    SCOPED_TRACE("WTN_KILL_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    int killed = 0;
    for (std::size_t k = 0; k < kChain.size(); ++k) {
        SCOPED_TRACE(kChain[k] + " (program " + std::to_string(k + 1) + " of the chain) killed");
        ProgramFolder folder;
        write_input(folder, "both_studies.tn2");
        for (std::size_t i = 0; i < k; ++i)
            ASSERT_EQ(run_child(batch_run(folder, kChain[i])).exit_code, 0) << kChain[i];
        // A moment while the program runs: from its start to half its time
        // in the undisturbed run, which a run on a busy machine may take
        // longer than this one.
        const auto span = std::chrono::duration_cast<std::chrono::microseconds>(took[k]).count();
        ChildRun interrupted = batch_run(folder, kChain[k]);
        interrupted.kill_after_microseconds =
            std::uniform_int_distribution<long>(0, static_cast<long>(span / 2))(random);
        const ChildResult run = run_child(interrupted);
        if (run.signal == SIGKILL) ++killed;
        // The front end's 計算 runs the whole chain again.
        ASSERT_EQ(run_chain(folder).size(), kChain.size());
        EXPECT_EQ(differences(expected, outputs(folder)), "")
            << "killed after " << interrupted.kill_after_microseconds << " us";
    }
    // Most kills land while the program runs; none at all would test nothing.
    std::printf("%d of %zu programs killed part way\n", killed, kChain.size());
    EXPECT_GT(killed, 0);
}

// A shell loop started beside the test: program run count times in folder
// (or until the file STOP.RACE appears there), each exit code appended to
// RACE.LOG.
class BackgroundLoop {
  public:
    BackgroundLoop(const ProgramFolder& folder, const std::string& program, int count) {
        const std::string script = "cd \"$1\" || exit 1; i=0; "
                                   "while [ $i -lt \"$3\" ] && [ ! -e STOP.RACE ]; do "
                                   "\"$2\" </dev/null >/dev/null 2>&1; echo $? >>RACE.LOG; "
                                   "i=$((i+1)); done";
        std::vector<std::string> args = {"/bin/sh",
                                         "-c",
                                         script,
                                         "sh",
                                         folder.path(),
                                         program_path(program),
                                         std::to_string(count)};
        std::vector<std::string> env;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            if (entry.rfind("WTN_UI_PIPE=", 0) != 0 && entry.rfind("WTN_ANSWER=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("WTN_ANSWER=no");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        if (posix_spawn(&pid_, "/bin/sh", nullptr, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
    }
    ~BackgroundLoop() { wait(); }
    bool started() const { return pid_ > 0; }
    // Waits for the loop to end; its exit code.
    int wait() {
        if (pid_ <= 0) return -1;
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
};

TEST(RacingReads, AReportReadingTablesAnotherRunWritesOverEndsWithZeroOrAMessage) {
    constexpr int kRuns = 200;
    constexpr auto kTimeLimit = std::chrono::seconds(240);
    ProgramFolder folder;
    write_input(folder, "uniform_sand.tn2");
    for (const char* program : {"AUDSHEET", "TVNDAT", "TVNCAL", "SOLPRT"})
        ASSERT_EQ(run_batch_in(folder, program).exit_code, 0) << program;

    BackgroundLoop rewrites(folder, "TVNDAT", kRuns);
    ASSERT_TRUE(rewrites.started());
    std::map<std::string, int> outcomes;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kRuns && Clock::now() - start < kTimeLimit; ++i) {
        const ChildResult read = run_batch_in(folder, "SOLPRT");
        EXPECT_EQ(read.signal, 0) << "read " << i << ": " << read.err;
        if (read.exit_code == 0) {
            ++outcomes["0"];
        } else {
            EXPECT_EQ(read.exit_code, 1) << "read " << i;
            EXPECT_FALSE(read.err.empty()) << "read " << i << " ended 1 without a message";
            ++outcomes[read.err.substr(0, read.err.find('\n'))];
        }
    }
    folder.write("STOP.RACE", "");
    rewrites.wait();
    // The writer never fails: it reads nothing the reports write.
    std::istringstream log(folder.read("RACE.LOG"));
    std::string code;
    int rewrites_done = 0;
    while (std::getline(log, code)) {
        EXPECT_EQ(code, "0") << "rewrite " << rewrites_done;
        ++rewrites_done;
    }
    EXPECT_GT(rewrites_done, 0);
    for (const auto& [outcome, count] : outcomes)
        std::printf("%4d reads: %s\n", count, outcome.c_str());
}

} // namespace
} // namespace wtn::test
