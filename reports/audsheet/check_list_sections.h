// The sixteen section writers of the input check list. Each writes its block
// (or nothing, when the input has no such items) into the open list file;
// write_check_list runs them in the order the list is read.
#pragma once

#include "check_list_data.h"
#include "list_templates.h"

namespace wtn {

// Conditions, levels and waves.
void write_design_conditions(ListWriter& list, const CheckListData& data);
void write_heights(ListWriter& list, const CheckListData& data);
void write_completed_state(ListWriter& list, const CheckListData& data);
void write_construction_stage(ListWriter& list, const CheckListData& data);
void write_goda_wave_data(ListWriter& list, const CheckListData& data);
void write_kuroda_hiroi_wave_data(ListWriter& list, const CheckListData& data);

// Piles, corrosion and the river standard. The pile table reads the sheet-pile
// catalogues of the current folder and stops the program when one it needs
// is missing or lacks a selected pile.
void write_sheet_pile_conditions(ListWriter& list, const CheckListData& data);
void write_selected_piles(ListWriter& list, const CheckListData& data);
void write_port_corrosion(ListWriter& list, const CheckListData& data);
void write_fishery_corrosion(ListWriter& list, const CheckListData& data);
void write_river_standard(ListWriter& list, const CheckListData& data);

// Ground, soil and forces.
void write_ground_surface(ListWriter& list, const CheckListData& data);
void write_land_soil(ListWriter& list, const CheckListData& data);
void write_sea_soil(ListWriter& list, const CheckListData& data);
void write_other_forces(ListWriter& list, const CheckListData& data);

// The customisation values; the last block, without a closing empty line.
void write_customisation(ListWriter& list, const CheckListData& data);

// All sixteen in list order.
void write_check_list(ListWriter& list, const CheckListData& data);

} // namespace wtn
