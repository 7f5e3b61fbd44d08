#include "check_list_main.h"

#include "check_list_sections.h"
#include "error_messages.h"
#include "input_file.h"
#include "run_stamp.h"

#include <memory>

namespace wtn {

namespace {

// Later programs print the stamp of CAL_FILE.INF on every page: a run that
// could not store it would report pages with the front end's zero stamp.
constexpr const char* kRunInfoNotWritten = "(ERROR)-ファイル(CAL_FILE.INF)が作成できません.";

} // namespace

void write_check_list(ListWriter& list, const CheckListData& data) {
    write_design_conditions(list, data);
    write_heights(list, data);
    write_completed_state(list, data);
    write_construction_stage(list, data);
    write_goda_wave_data(list, data);
    write_kuroda_hiroi_wave_data(list, data);
    write_sheet_pile_conditions(list, data);
    write_selected_piles(list, data);
    write_port_corrosion(list, data);
    write_fishery_corrosion(list, data);
    write_river_standard(list, data);
    write_ground_surface(list, data);
    write_land_soil(list, data);
    write_sea_soil(list, data);
    write_other_forces(list, data);
    write_customisation(list, data);
}

void check_list_main() {
    auto owned = std::make_unique<CheckListData>();
    CheckListData& data = *owned;
    reset_input_counters(data.input);
    set_input_defaults(data.input);
    // A run without CAL_FILE.INF still gets one: name and title stay empty.
    read_run_info(data.info);
    read_input(data.input, kInputFileName);
    data.custom = read_customisation();

    // Stamped only once everything has been read, so a run that stops above
    // leaves CAL_FILE.INF as the front end wrote it.
    stamp_date_time(data.info);
    if (write_run_info(data.info) != 0) stop_with_error(kRunInfoNotWritten);

    const ListTemplateFiles files = check_list_files();
    ListWriter list(files.list_file);
    write_check_list(list, data);
    list.close();
    generate_list_templates(files, data.info);
}

} // namespace wtn
