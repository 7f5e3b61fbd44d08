#include "batch_frame.h"

#include "error_messages.h"
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
