// Every pile of the sheet-pile catalogues with the input's selection marked,
// as the front end lists them on the sheet-pile screen: the tests hold the
// front end's catalogue reading and the installed catalogues against the
// batch programs' readers with these.
#pragma once

#include "pile_catalogue.h"

namespace wtn {

// Every pile of the installed catalogues of the kind, in file order; a row is
// selected when its id is in the "tyait" list. Stops as read_steel_piles.
PileTable read_all_steel_piles(const InputRecord& input);
PileTable read_all_pc_piles(const InputRecord& input);

// Appends every pile of the user catalogue of the kind (added 1; selected
// when its id is in the "apdyt" list) and returns how many. A missing file
// appends nothing and is not an error: the user has not made a catalogue.
int read_all_added_piles(const InputRecord& input, int kind, PileTable& table);

} // namespace wtn
