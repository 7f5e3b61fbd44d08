#include "code_table.h"

#include "cp932_codec.h"

namespace wtn {

std::string printed_label_of(std::u8string_view utf8_label) {
    return utf8_to_cp932(
        std::string_view(reinterpret_cast<const char*>(utf8_label.data()), utf8_label.size()));
}

} // namespace wtn
