#include "seabed_chooser.h"

#include "chooser_exchange.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "number_field.h"
#include "text_lines.h"

#include <cerrno>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace wtn {
namespace {

// Starts the chooser in the current folder and waits for it. True when it
// ended by itself with exit code 0.
bool run_chooser() {
    const std::string path = program_beside_self(kChooserProgramName);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    std::fflush(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

void write_chooser_file(const std::string& path, int c, const VirtualSeabedState& state) {
    CFile file = open_file(path, "wt");
    if (!file)
        stop_with_error("(ERROR)-仮想海底面選択用ファイル(" + path + ")がオープンできません.");
    write_crlf_line(file.get(), std::to_string(c));
    for (int i = 0; i < state.candidate_count; ++i) {
        write_values_line(file.get(), "%8.3lf", state.data.candidate_level[i]);
    }
    close_written_or_stop(file, path);
}

int read_chooser_answer(const std::string& path, int candidate_count) {
    CFile file = open_file(path, "rt");
    if (!file) return -1;
    LineReader reader(file.get());
    std::string line;
    if (!reader.next(line)) return -1;
    const std::optional<int> index = whole_integer_field(line, kBlanksAndTabs);
    if (!index || *index < 0 || *index >= candidate_count) return -1;
    return *index;
}

void choose_virtual_seabed(const MergedDiagram& diagram, int c, VirtualSeabedState& state) {
    for (int i = 0; i < state.candidate_count; ++i)
        state.data.chosen[i] = 0;
    int index = 0;
    if (state.candidate_count >= 2) {
        write_chooser_file(kChooserFileName, c, state);
        index = run_chooser() ? read_chooser_answer(kChooserFileName, state.candidate_count) : -1;
        if (index < 0) stop_with_input_check_error(InputCheckCode::SeabedNotChosen);
    }
    set_virtual_seabed(diagram, c, index, state);
}

} // namespace wtn
