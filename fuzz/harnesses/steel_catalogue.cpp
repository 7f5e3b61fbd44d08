// YAITA.D01, an installed steel sheet-pile catalogue (the other three
// installed beside it), as the programs list every pile and look up the
// selected ones.
#include "pile_section_checks.h"
#include "program_stop.h"
#include "whole_catalogues.h"

namespace wtn::fuzz {

void prepare() {
    for (int number = 2; number <= kSteelCatalogueCount; ++number)
        copy_installed(steel_catalogue_name(number));
}

void run_one(const std::string& bytes) {
    write_file(steel_catalogue_name(1), bytes);
    InputRecord input;
    input.catalogue_piles.ids[0] = 21;
    input.catalogue_piles.ids[1] = 31;
    input.catalogue_piles.count = 2;
    try {
        for (const PileRecord& pile : read_all_steel_piles(input))
            require_finite_section(pile, "steel catalogue");
        read_steel_piles(input);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
