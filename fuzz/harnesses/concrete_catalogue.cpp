// YAITA.C01, an installed prestressed-concrete sheet-pile catalogue (three
// lines a pile; YAITA.C02 installed beside it).
#include "pile_section_checks.h"
#include "program_stop.h"
#include "whole_catalogues.h"

namespace wtn::fuzz {

void prepare() {
    copy_installed(pc_catalogue_name(2));
}

void run_one(const std::string& bytes) {
    write_file(pc_catalogue_name(1), bytes);
    InputRecord input;
    input.catalogue_piles.ids[0] = 51;
    input.catalogue_piles.ids[1] = 52;
    input.catalogue_piles.count = 2;
    try {
        for (const PileRecord& pile : read_all_pc_piles(input))
            require_finite_section(pile, "concrete catalogue");
        read_pc_piles(input);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
