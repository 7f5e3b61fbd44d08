#include "batch_frame.h"
#include "wave_report.h"

int main() {
    return wtn::run_batch_program(wtn::kWaveReportTitle, wtn::wave_report_main);
}
