#include "cp932_codec.h"

#include <cerrno>
#include <iconv.h>

namespace wtn {
namespace {

// One conversion; on an invalid sequence either fail or emit a replacement.
std::string convert(const char* to, const char* from, std::string_view in,
                    const char* replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw CodecError(std::string("text conversion ") + from + " -> " + to +
                         " is not available");
    }
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buffer[1024];
    while (src_left > 0) {
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (replacement == nullptr) {
            iconv_close(cd);
            throw CodecError(std::string("text is not valid ") + from + " or has no " + to +
                             " form");
        }
        out += replacement;
        ++src;
        --src_left;
    }
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    iconv(cd, nullptr, nullptr, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    iconv_close(cd);
    return out;
}

bool is_lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
bool is_trail(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

} // namespace

std::string cp932_to_utf8(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, nullptr);
}
std::string utf8_to_cp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, nullptr);
}
std::string cp932_to_utf8_lossy(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD");
}

bool is_cp932_double_byte(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && is_lead(static_cast<unsigned char>(text[i])) &&
           is_trail(static_cast<unsigned char>(text[i + 1]));
}

std::size_t cp932_fit(std::string_view text, std::size_t max_bytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t step = is_cp932_double_byte(text, i) ? 2 : 1;
        if (i + step > max_bytes) break;
        i += step;
    }
    return i;
}

} // namespace wtn
