// The user's own catalogues KOUYAITA.APD (steel) and PCYAITA.APD (concrete),
// both given the input's bytes, read as listed and as selected.
#include "pile_section_checks.h"
#include "program_stop.h"
#include "whole_catalogues.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kSteelAddedFileName, bytes);
    write_file(kPcAddedFileName, bytes);
    InputRecord input;
    for (int k = 0; k < 3; ++k)
        input.added_piles.ids[static_cast<std::size_t>(k)] = k + 1;
    input.added_piles.count = 3;
    for (int kind : {kAddedSteel, kAddedPc}) {
        try {
            PileTable all;
            read_all_added_piles(input, kind, all);
            for (const PileRecord& pile : all)
                require_finite_section(pile, "user catalogue");
            PileTable selected;
            read_added_piles(input, kind, selected);
        } catch (const ProgramStop&) {
        }
    }
}

} // namespace wtn::fuzz
