// TVNDAT: the completed-state load program of the run chain.
#include "batch_frame.h"
#include "earth_pressure_main.h"

int main() {
    return wtn::run_batch_program(wtn::kEarthPressureTitle, wtn::earth_pressure_main);
}
