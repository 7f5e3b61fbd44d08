#include "batch_frame.h"
#include "stability_main.h"

int main() {
    return wtn::run_batch_program(wtn::kStabilityProgramTitle, wtn::stability_main);
}
