// The sheet-pile sections of the installed catalogues: nominal properties per
// metre of wall, the dimensions the corrosion columns are derived from, and
// which catalogue file each section belongs to.
#pragma once

#include <vector>

namespace wtn::tools {

// Steel catalogues: 1 general U-type, 2 improved U-type (A and L sections),
// 3 Z-type, 4 wide U-type ("YAITA.D01" to "YAITA.D04").
struct SteelSection {
    int id;
    const char* name;
    int file;     // 1 to 4
    double width; // width of one pile, mm
    double
        height; // height of one pile, mm (U-type: half the wall's depth; Z-type: the wall's depth)
    double thickness; // nominal plate thickness, mm
    double z0;        // section modulus, cm3/m
    double i0;        // moment of inertia, cm4/m
};

// The catalogue stores the depth value twice over for these ids (the Z-type
// sections, whose tabled height is the wall's full depth); the stability
// program halves it.
bool depth_value_stored_twice(int id);

// Prestressed concrete catalogues: 1 for a salt-laden environment, 2 general
// ("YAITA.C01", "YAITA.C02").
struct ConcreteSection {
    int id;
    const char* name;
    int file;         // 1 or 2
    double thickness; // mm (solid slab idealisation)
    double width;     // width of one pile, mm
    double prestress; // effective prestress, N/mm2
    double tension;   // flexural tension allowed before the normal-case limit, N/mm2
    double strength;  // design compressive strength of the concrete, N/mm2
};

const std::vector<SteelSection>& steel_sections();
const std::vector<ConcreteSection>& concrete_sections();

} // namespace wtn::tools
