// Edge coverage for the fuzzer from GCC's basic-block callbacks
// (-fsanitize-coverage=trace-pc): each call marks the edge from the previous
// block to this one in the fuzzer's map, as the fuzzer's own instrumentation
// does. Compiled without the callbacks itself.
#include <cstdint>

extern "C" unsigned char* __afl_area_ptr;

namespace {
constexpr std::uintptr_t kMapMask = (1u << 16) - 1; // the fuzzer's default map of 64 KiB
thread_local std::uintptr_t previous_block = 0;
} // namespace

extern "C" void __sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    const std::uintptr_t block = ((pc >> 4) ^ (pc << 8)) & kMapMask;
    ++__afl_area_ptr[block ^ previous_block];
    previous_block = block >> 1;
}
