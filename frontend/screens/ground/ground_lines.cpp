#include "ground_lines.h"

#include "number_mask.h"
#include "screen_codes.h"
#include "text_width.h"

namespace wtn::ground {
namespace {

std::string number_text(int p) {
    return ui::right_align(std::to_string(p + 1), kNumberWidth);
}

template <std::size_t N>
std::string column_line(int p, const std::array<LineColumn, N>& columns,
                        const std::array<double, N>& values) {
    std::string line = number_text(p);
    for (std::size_t c = 0; c < N; ++c)
        line += ui::right_align(ui::format_mask(values[c], columns[c].mask),
                                static_cast<std::size_t>(columns[c].width));
    return line;
}

} // namespace

std::string morid_line(int p, const MoridRow& row) {
    return column_line(p, kMoridColumns, {row.top_lvl, row.wet_w, row.sat_w});
}

std::string josai_line(int p, const JosaiRow& row) {
    return column_line(p, kJosaiColumns, {row.start_x, row.end_x, row.q_normal, row.q_seismic});
}

std::string tikei_line(int p, const TikeiPoint& row) {
    return column_line(p, kTikeiColumns, {row.x, row.y});
}

std::string gm17_line(int p, const GairyokuRec& row) {
    const std::string name = trim_blanks(row.name);
    const std::size_t width = ui::display_width(name);
    std::string line = number_text(p) + "   " + name;
    // A name wider than its room is followed directly by the direction word.
    if (width < kForceNameCells) line.append(kForceNameCells - width, ' ');
    line += row.direction == ForceSide::Active ? kActiveWord : kPassiveWord;
    line += ui::right_align(ui::format_mask(row.force, kForceMask), kForceWidth);
    line += ui::right_align(ui::format_mask(row.height, kForceMask), kHeightWidth);
    return line;
}

std::string force_name_field(std::string_view text) {
    const std::vector<std::string> chars = ui::utf8_chars(trim_blanks(text));
    std::string name;
    std::size_t count = 0;
    for (; count < chars.size() && count < static_cast<std::size_t>(kForceNameLength); ++count)
        name += chars[count];
    name.append(static_cast<std::size_t>(kForceNameLength) - count, ' ');
    return name;
}

} // namespace wtn::ground
