#include "wave_lines.h"

#include "number_mask.h"
#include "wall_codes.h"

#include <array>

namespace wtn::design {
namespace {

constexpr const char* kValueMask = "###0.00";
constexpr const char* kNotApplicable = "----";

constexpr std::array<const char*, kStudiedTideLevels> kGodaNames = {
    " Ｈ．Ｈ．Ｗ．Ｌ．    ", " Ｈ．Ｗ．Ｌ          ", " Ｌ．Ｗ．Ｌ          ",
    " 任意潮位            "};
constexpr std::array<const char*, kStudiedTideLevels> kKurodaNames = {
    " Ｈ．Ｈ．Ｗ．Ｌ．  ", " Ｈ．Ｗ．Ｌ        ", " Ｌ．Ｗ．Ｌ        ", " 任意潮位          "};

std::array<std::string, 5> value_texts(const WaveRec& row) {
    return {ui::format_mask(row.h13, kValueMask), ui::format_mask(row.hmax, kValueMask),
            ui::format_mask(row.period, kValueMask), ui::format_mask(row.length, kValueMask),
            ui::format_mask(row.beta, kValueMask)};
}

std::string with_values(std::string line, const std::array<std::string, 5>& texts) {
    for (const std::string& t : texts)
        line += right_aligned(t);
    return line;
}

std::string level_name(const std::array<const char*, kStudiedTideLevels>& names, int level) {
    if (level < 0 || level >= kStudiedTideLevels) return "";
    return names[static_cast<std::size_t>(level)];
}

} // namespace

std::string right_aligned(const std::string& text) {
    // The values are ASCII: one byte, one column.
    if (text.size() >= static_cast<std::size_t>(kWaveValueColumns)) return text;
    return std::string(static_cast<std::size_t>(kWaveValueColumns) - text.size(), ' ') + text;
}

std::string goda_line(int level, const WaveRec& row) {
    std::string line = level_name(kGodaNames, level);
    const BreakingInfluence breaking = row.breaking;
    if (breaking == BreakingInfluence::NotInfluenced) line += "受けない   ";
    if (breaking == BreakingInfluence::Influenced) line += "受ける     ";
    auto texts = value_texts(row);
    if (breaking == BreakingInfluence::NotInfluenced) texts[1] = kNotApplicable;
    if (row.length_method != WaveLengthMethod::Computed) {
        texts[2] = kNotApplicable;
    } else {
        texts[3] = kNotApplicable;
    }
    return with_values(line, texts);
}

std::string kuroda_line(int level, const WaveRec& row) {
    auto texts = value_texts(row);
    if (row.length_method != WaveLengthMethod::Computed) {
        texts[2] = kNotApplicable;
    } else {
        texts[3] = kNotApplicable;
    }
    return with_values(level_name(kKurodaNames, level), texts);
}

} // namespace wtn::design
