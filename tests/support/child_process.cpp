#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace wtn::test {
namespace {

std::string temp_file(const std::string& content) {
    char name[] = "/tmp/wtn_child_XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    if (!content.empty() &&
        write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size())) {
        close(fd);
        throw std::runtime_error("cannot write a temporary file");
    }
    close(fd);
    return name;
}

std::string slurp_and_remove(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::remove(path.c_str());
    return ss.str();
}

} // namespace

ChildResult run_child(const ChildRun& run) {
    const std::string in_path = temp_file(run.stdin_text);
    const std::string out_path = temp_file("");
    const std::string err_path = temp_file("");
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        if (!run.work_dir.empty() && chdir(run.work_dir.c_str()) != 0) _exit(127);
        for (const auto& name : run.unset_env)
            unsetenv(name.c_str());
        for (const auto& [name, value] : run.env)
            setenv(name.c_str(), value.c_str(), 1);
        int in = open(in_path.c_str(), O_RDONLY);
        int out = open(out_path.c_str(), O_WRONLY | O_TRUNC);
        int err = open(err_path.c_str(), O_WRONLY | O_TRUNC);
        if (in < 0 || out < 0 || err < 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(run.program.c_str()));
        for (const auto& a : run.args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(run.program.c_str(), argv.data());
        _exit(127);
    }
    if (run.kill_after_microseconds >= 0) {
        const long micros = run.kill_after_microseconds;
        timespec rest{static_cast<std::time_t>(micros / 1000000),
                      static_cast<long>(micros % 1000000) * 1000};
        while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
        }
        // A child that has ended is still ours to wait for, so the signal
        // cannot reach another process.
        kill(pid, SIGKILL);
    }
    // A signal caught by the test process interrupts the wait; status then
    // holds nothing, and reading it would report a zero exit for any child.
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waiting for the child failed");
    }
    ChildResult result;
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    std::remove(in_path.c_str());
    result.out = slurp_and_remove(out_path);
    result.err = slurp_and_remove(err_path);
    return result;
}

ChildResult run_offscreen(const std::string& program, std::vector<std::string> args,
                          const std::string& work_dir, std::map<std::string, std::string> env) {
    ChildRun child;
    child.program = program;
    child.args = std::move(args);
    child.work_dir = work_dir;
    child.env = std::move(env);
    child.env["QT_QPA_PLATFORM"] = "offscreen";
    return run_child(child);
}

} // namespace wtn::test
