// KEKKA1.DAT to KEKKA4.DAT, the stability program's result tables, as the
// results dialog reads them. The first byte picks the level table (KEKKA1.DAT)
// or the pile line (KEKKA2.DAT); the readers never stop, so every value they
// hand on is checked.
#include "result_tables.h"
#include "harness.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    const bool pile_line = !bytes.empty() && bytes[0] == '2';
    const std::string name = pile_line ? kPileResultFiles[0] : kLevelResultFiles[0];
    write_file(name, bytes.empty() ? bytes : bytes.substr(1));
    if (pile_line) {
        const PileResultLine line = read_pile_result_line(name);
        if (line.embedment_depth) require_finite(*line.embedment_depth, "KEKKA2.DAT");
        if (line.pile_length) require_finite(*line.pile_length, "KEKKA2.DAT");
        return;
    }
    const LevelResultTable table = read_level_result_table(name);
    for (const ResultColumn& column : table.columns)
        for (ResultValue d : kResultValueLines)
            if (const auto value = result_value(column, d)) require_finite(*value, "KEKKA1.DAT");
}

} // namespace wtn::fuzz
