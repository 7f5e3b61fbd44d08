#include "pile_catalogue_file.h"

namespace wtn {

bool is_catalogue_pile_line(const std::string& line) {
    // A line of blanks would otherwise be a pile of id 0 with no section.
    if (line.find_first_not_of(" \t") == std::string::npos) return false;
    const bool marker =
        line.size() >= 3 && line[0] == '"' && (line[1] == 'L' || line[1] == 'W') && line[2] == '"';
    return line[0] != '#' && !marker;
}

} // namespace wtn
