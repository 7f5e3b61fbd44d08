// A stand-in batch program for the frame tests. Its first argument chooses
// what the driver does; it writes probe.txt in the current folder so the
// tests can see that files are flushed and closed on every way out.
#include "batch_frame.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "message_box.h"
#include "text_lines.h"

#include <stdexcept>
#include <string>

namespace {

std::string g_action;
std::string g_value; // the computed value of "non-finite"

void driver() {
    wtn::CFile out = wtn::open_or_stop("probe.txt", "wt");
    wtn::write_crlf_line(out.get(), "started");
    if (g_action == "error") wtn::stop_with_error(wtn::ErrorCode::CustomisationOpen);
    if (g_action == "own-error") wtn::stop_with_error("own text");
    if (g_action == "warn") {
        wtn::warn_or_stop("崩壊角の確認\n続けますか");
        wtn::write_crlf_line(out.get(), "went on");
    }
    if (g_action == "line-feed-error") wtn::stop_with_error(wtn::ErrorCode::NoDataFile);
    if (g_action == "open-fail") wtn::open_or_stop("no/such/folder/x.PDT", "wt");
    if (g_action == "throw") throw std::runtime_error("unexpected");
    if (g_action == "non-finite") {
        const double computed = std::stod(g_value);
        wtn::write_values_line(out.get(), "%10.3lf", computed);
    }
    wtn::write_crlf_line(out.get(), "done");
}

} // namespace

int main(int argc, char** argv) {
    g_action = argc > 1 ? argv[1] : "";
    g_value = argc > 2 ? argv[2] : "0";
    return wtn::run_batch_program("テスト", driver);
}
