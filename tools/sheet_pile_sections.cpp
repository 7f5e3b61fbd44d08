#include "sheet_pile_sections.h"

namespace wtn::tools {

bool depth_value_stored_twice(int id) {
    return id >= 11 && id <= 14;
}

const std::vector<SteelSection>& steel_sections() {
    // U-type values are the nominal properties of the public standard
    // sections per metre of wall; the Z-type values are assumed (see
    // installed/README.md). For every U-type row I0 / Z0 equals the pile
    // height, as it must for a wall whose neutral axis lies on the interlocks.
    static const std::vector<SteelSection> sections = {
        // general U-type
        {21, "SP-II", 1, 400.0, 100.0, 10.5, 874.0, 8740.0},
        {22, "SP-III", 1, 400.0, 125.0, 13.0, 1340.0, 16800.0},
        {23, "SP-IV", 1, 400.0, 170.0, 15.5, 2270.0, 38600.0},
        // improved U-type
        {31, "SP-IA", 2, 400.0, 85.0, 8.0, 529.0, 4500.0},
        {32, "SP-IIA", 2, 400.0, 120.0, 9.2, 880.0, 10600.0},
        {33, "SP-IIIA", 2, 400.0, 150.0, 13.1, 1520.0, 22800.0},
        {34, "SP-IVA", 2, 400.0, 185.0, 16.1, 2250.0, 41600.0},
        {35, "SP-VL", 2, 500.0, 200.0, 24.3, 3150.0, 63000.0},
        {36, "SP-VIL", 2, 500.0, 225.0, 27.6, 3820.0, 86000.0},
        // Z-type (assumed values)
        {11, "SP-Z25", 3, 600.0, 400.0, 11.0, 2500.0, 50000.0},
        {12, "SP-Z32", 3, 600.0, 420.0, 12.0, 3200.0, 67200.0},
        {13, "SP-Z38", 3, 600.0, 440.0, 13.5, 3800.0, 83600.0},
        {14, "SP-Z45", 3, 600.0, 460.0, 15.0, 4500.0, 103500.0},
        // wide U-type
        {41, "SP-IIw", 4, 600.0, 130.0, 10.3, 1000.0, 13000.0},
        {42, "SP-IIIw", 4, 600.0, 180.0, 13.4, 1800.0, 32400.0},
        {43, "SP-IVw", 4, 600.0, 210.0, 18.0, 2700.0, 56700.0},
    };
    return sections;
}

const std::vector<ConcreteSection>& concrete_sections() {
    // Idealised solid slabs (see installed/README.md). Salt-laden environment:
    // no flexural tension under normal loads; general: tension up to 3.0 N/mm2.
    static const std::vector<ConcreteSection> sections = {
        {51, "PC-150S", 1, 150.0, 500.0, 5.0, 0.0, 50.0},
        {52, "PC-200S", 1, 200.0, 500.0, 5.0, 0.0, 50.0},
        {53, "PC-250S", 1, 250.0, 500.0, 5.0, 0.0, 50.0},
        {54, "PC-300S", 1, 300.0, 500.0, 5.0, 0.0, 50.0},
        {55, "PC-350S", 1, 350.0, 500.0, 5.0, 0.0, 50.0},
        {56, "PC-400S", 1, 400.0, 500.0, 5.0, 0.0, 50.0},
        {61, "PC-150", 2, 150.0, 500.0, 5.0, 3.0, 50.0},
        {62, "PC-200", 2, 200.0, 500.0, 5.0, 3.0, 50.0},
        {63, "PC-250", 2, 250.0, 500.0, 5.0, 3.0, 50.0},
        {64, "PC-300", 2, 300.0, 500.0, 5.0, 3.0, 50.0},
        {65, "PC-350", 2, 350.0, 500.0, 5.0, 3.0, 50.0},
        {66, "PC-400", 2, 400.0, 500.0, 5.0, 3.0, 50.0},
    };
    return sections;
}

} // namespace wtn::tools
