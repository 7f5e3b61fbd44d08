// The main of every harness. Built normally it replays inputs: each argument
// is a file or a folder of files (taken in name order), each run once through
// the reader; the test suite replays the seed corpora and the findings this
// way. Built for the fuzzer (WTN_FUZZ_PERSISTENT) it takes its inputs from
// the fuzzer's shared memory and runs many of them in one process.
#include "harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A fresh work folder under WTN_FUZZ_WORK (the campaign's) or the temporary
// folder, made the current folder: the readers open their files by name.
fs::path enter_work_folder() {
    const char* base = std::getenv("WTN_FUZZ_WORK");
    std::string pattern =
        (base != nullptr ? std::string(base) : fs::temp_directory_path().string()) +
        "/wtn_fuzz_XXXXXX";
    fs::create_directories(fs::path(pattern).parent_path());
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    fs::current_path(pattern);
    return pattern;
}

} // namespace

#ifdef WTN_FUZZ_PERSISTENT

// The fuzzer runtime's entry points, as its compiler wrapper declares them.
// The signatures tell the fuzzer that the program runs persistently and
// starts its fork server itself.
extern "C" {
extern unsigned int* __afl_fuzz_len;
extern unsigned char* __afl_fuzz_ptr;
int __afl_sharedmem_fuzzing = 1;
int __afl_persistent_loop(unsigned int max_count);
void __afl_manual_init();
}

inline constexpr unsigned int kRunsPerProcess = 10000;
inline constexpr std::size_t kLargestInput = 1 << 20;

int main() {
    static volatile const char* persistent_signature = "##SIG_AFL_PERSISTENT##";
    static volatile const char* deferred_signature = "##SIG_AFL_DEFER_FORKSRV##";
    (void)persistent_signature;
    (void)deferred_signature;
    unsetenv("WTN_UI_PIPE");
    enter_work_folder();
    wtn::fuzz::prepare();
    __afl_manual_init();
    static std::vector<unsigned char> fallback(kLargestInput);
    while (__afl_persistent_loop(kRunsPerProcess)) {
        std::string bytes;
        if (__afl_fuzz_ptr != nullptr) {
            bytes.assign(reinterpret_cast<const char*>(__afl_fuzz_ptr), *__afl_fuzz_len);
        } else {
            const ssize_t n = read(0, fallback.data(), fallback.size());
            if (n > 0) bytes.assign(reinterpret_cast<const char*>(fallback.data()), n);
        }
        wtn::fuzz::run_one(bytes);
    }
    return 0;
}

#else

int main(int argc, char** argv) {
    unsetenv("WTN_UI_PIPE");
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = fs::absolute(argv[i]);
        if (fs::is_directory(arg)) {
            for (const auto& entry : fs::recursive_directory_iterator(arg)) {
                if (entry.is_regular_file()) inputs.push_back(entry.path());
            }
        } else if (fs::exists(arg)) {
            inputs.push_back(arg);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    const fs::path work = enter_work_folder();
    wtn::fuzz::prepare();
    for (const fs::path& input : inputs) {
        std::fprintf(stderr, "input %s\n", input.c_str());
        wtn::fuzz::run_one(wtn::fuzz::read_file(input.string()));
    }
    fs::current_path(work.parent_path());
    fs::remove_all(work);
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}

#endif
