#include "batch_frame.h"

#include "error_messages.h"
#include "format_values.h"
#include "program_stop.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

namespace wtn {

int run_batch_program(const char* title, BatchDriver driver) {
    try {
        driver();
    } catch (const ProgramStop& stop) {
        std::fflush(nullptr);
        return stop.exit_code;
    } catch (const NonFiniteValue& bad) {
        // A computed value that is no number is never written: the program
        // stops at its source, before a later program reads it.
        show_error(not_finite_text(bad.value));
        std::fflush(nullptr);
        return kExitStop;
    } catch (const std::bad_alloc&) {
        show_error(std::string(title) + ": (ERROR)-メモリが確保できません.");
        return kExitStop;
    } catch (const std::exception& e) {
        show_error(std::string(title) + ": (ERROR)-" + e.what());
        return kExitStop;
    }
    std::fflush(nullptr);
    return kExitGoOn;
}

} // namespace wtn
