#include "catalogue_lines.h"

#include "number_mask.h"
#include "number_text.h"
#include "pile_catalogues.h"
#include "screen_codes.h"
#include "text_width.h"

namespace wtn::pile {
namespace {

constexpr std::size_t kNameCells = 25;
constexpr std::size_t kInertiaCells = 10;
constexpr std::size_t kModulusCells = 18;
constexpr std::size_t kMomentCells = 18;

constexpr std::size_t kNumberCells = 3;
constexpr std::size_t kDiameterCells = 14;
constexpr std::size_t kThicknessCells = 13;
constexpr std::size_t kSpacingCells = 19;
constexpr const char* kJointGap = "     ";

std::string without_trailing_blanks(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

} // namespace

std::string catalogue_line(const YaitaRec& pile, bool with_moment) {
    std::string name = without_trailing_blanks(pile.name);
    const std::size_t width = ui::display_width(name);
    if (width < kNameCells) name += std::string(kNameCells - width, ' ');
    std::string line =
        name + ui::right_align(ui::format_mask(pile.inertia, "#######0"), kInertiaCells);
    line += ui::right_align(ui::format_mask(pile.modulus, "#######0"), kModulusCells);
    if (with_moment) {
        line += ui::right_align(ui::format_mask(pile.moment, "#######0.000"), kMomentCells);
    }
    return line;
}

std::string joint_column(PipeJoint joint_type, double spacing) {
    if (is_joint_type(joint_type))
        return kJointGap + std::string(kJointNames[list_index_of(joint_type)]);
    return ui::right_align(ui::format_mask(spacing, "###0.0"), kSpacingCells);
}

std::string steel_pipe_line(int number, const KokanRec& row) {
    return ui::right_align(std::to_string(number), kNumberCells) +
           ui::right_align(ui::format_mask(row.diameter, "###0.0"), kDiameterCells) +
           ui::right_align(ui::format_mask(row.thickness, "###0.0"), kThicknessCells) +
           joint_column(row.joint_type, row.joint_spacing);
}

} // namespace wtn::pile
