#include "batch_frame.h"
#include "earth_pressure_report.h"

int main() {
    return wtn::run_batch_program(wtn::kEarthPressureReportTitle, wtn::earth_pressure_report_main);
}
