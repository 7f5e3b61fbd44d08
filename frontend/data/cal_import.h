// Import of old calculation-input files (".cal"): keyed comma lines in
// gravitational units, without the keys that later versions added, read by
// the batch programs' item lists (input_items.h). The caller loads the
// template project first, so every field an old file does not carry keeps the
// template's value, then converts the imported values to SI units.
#pragma once

#include "design_data.h"
#include "unit_conversion.h"

#include <string>

namespace wtn {

inline constexpr const char* kImportFailedMessage =
    "データ読み込み中にエラーが発生しました、処理を中断します。";

// Reads the file into data and marks it as version "<1.00>". The row tables
// (surcharge zones, forces, steel pipes, soil layers, ground points, fills,
// selected piles) are cleared first, so only the file's rows remain. Returns
// which groups came from the file, for the unit conversion. DataError naming
// the file and the line when a line has no key, too few items, text where a
// number belongs, or more rows than the screens hold; the data is then partly
// imported and the caller drops it.
ConversionScope import_cal_file(DesignData& data, const std::string& path);

} // namespace wtn
