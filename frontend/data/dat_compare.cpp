#include "dat_compare.h"

#include "text_lines.h"

#include <vector>

namespace wtn {

int cmp_dat_file(const std::string& path_a, const std::string& path_b) {
    std::vector<std::string> a, b;
    if (!read_lines(path_a, a) || !read_lines(path_b, b)) return kDatChanged;
    int result = kDatEqual;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i]) continue;
        if (a[i].rfind("caldt", 0) == 0 && b[i].rfind("caldt", 0) == 0) {
            result = kDatOnlyAdopted;
            continue;
        }
        return kDatChanged;
    }
    if (a.size() != b.size()) return kDatChanged;
    return result;
}

} // namespace wtn
