// The reference wall sections as the front end holds them: each fills the
// design data of a new project (the template) with the values an engineer
// types into the screens. The example projects in examples/ are these
// sections saved by the front end; reference_sections.py works out their key
// results from the textbook formulas.
#pragma once

#include "design_data.h"

#include <string>
#include <vector>

namespace wtn::test {

struct ReferenceExample {
    std::string file; // project file name in examples/
    void (*fill)(DesignData&);
};

// Every reference section, in the order of the examples' README.
const std::vector<ReferenceExample>& reference_examples();

// Absolute path of an example project of the source tree.
std::string example_path(const std::string& file);

// The sections of the C-type and S-type methods (embedment_method_designs.cpp).
void ctype_sand(DesignData& d);
void stype_sand(DesignData& d);
void ctype_sand_over_clay_layered(DesignData& d);

// Sections with the special loads (reference_designs_special.cpp).
void seismic_dynamic_water(DesignData& d);
void kuroda_hiroi_waves(DesignData& d);
void embankment_fill(DesignData& d);

} // namespace wtn::test
