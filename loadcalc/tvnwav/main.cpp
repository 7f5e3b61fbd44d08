#include "batch_frame.h"
#include "wave_program.h"

int main() {
    return wtn::run_batch_program(wtn::kWaveProgramTitle, wtn::wave_pressure_main);
}
