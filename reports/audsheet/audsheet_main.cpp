// AUDSHEET: the run stamp and the input check list, first program of the run.
#include "batch_frame.h"
#include "check_list_main.h"

int main() {
    return wtn::run_batch_program(wtn::kCheckListTitle, wtn::check_list_main);
}
