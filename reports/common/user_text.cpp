#include "user_text.h"

#include "cp932_codec.h"

namespace wtn {

std::string escape_user_text(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        if (is_cp932_double_byte(cp932, i)) {
            out += cp932[i];
            out += cp932[i + 1];
            ++i;
            continue;
        }
        if (cp932[i] == '$' || cp932[i] == '\\') out += cp932[i];
        out += cp932[i];
    }
    return out;
}

std::string user_field(std::string_view cp932, int width) {
    std::string out = escape_user_text(cp932);
    const std::size_t added = out.size() - cp932.size();
    const std::size_t target = width > 0 ? static_cast<std::size_t>(width) + added : 0;
    if (out.size() < target) out.append(target - out.size(), ' ');
    return out;
}

} // namespace wtn
