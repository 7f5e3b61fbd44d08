// What the input check list prints: the run information as stamped, the
// calculation input and the customisation values, read once at the start of
// the run. The check list is the engineer's one place to see every input
// exactly as the calculation will take it.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "run_info.h"
#include "wall_codes.h"

namespace wtn {

struct CheckListData {
    RunInfo info;
    InputRecord input;
    CustomisationValues custom;
};

// A standard code outside the list is labelled and listed as the river
// standard, so none of its seismic values goes unlisted.
inline bool river_standard(const InputRecord& in) {
    return in.swdat.design_standard != DesignStandard::Port &&
           in.swdat.design_standard != DesignStandard::FisheryPort;
}

// The completed state is studied alone or with the construction stage; the
// construction stage likewise. With neither the list holds no block of
// either study.
inline bool completed_state_studied(const InputRecord& in) {
    return in.swdat.studies == Studies::CompletedOnly || in.swdat.studies == Studies::Both;
}
inline bool construction_stage_studied(const InputRecord& in) {
    return in.swdat.studies == Studies::ConstructionOnly || in.swdat.studies == Studies::Both;
}

// A case switch outside the list studies both cases, as its label says.
inline bool normal_case_studied(const InputRecord& in) {
    return in.swdat.completed_cases != CompletedCases::SeismicOnly;
}
inline bool seismic_case_studied(const InputRecord& in) {
    return in.swdat.completed_cases != CompletedCases::NormalOnly;
}

// Examine and draw switches of a tide level (kTideHhwl .. kTideUser).
inline bool tide_level_examined(const InputRecord& in, int level) {
    return in.wavsw.examine[static_cast<std::size_t>(level)] == YesNo::Yes;
}
inline bool tide_level_drawn(const InputRecord& in, int level) {
    return in.wavsw.draw[static_cast<std::size_t>(level)] == YesNo::Yes;
}

} // namespace wtn
