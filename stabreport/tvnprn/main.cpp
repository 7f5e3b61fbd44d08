#include "batch_frame.h"
#include "stability_report_main.h"

int main() {
    return wtn::run_batch_program(wtn::kStabilityReportTitle, wtn::stability_report_main);
}
