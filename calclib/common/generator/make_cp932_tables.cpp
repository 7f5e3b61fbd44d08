// Writes the code page 932 mapping tables of the codec as C++ source, taken
// from the C library's CP932 converter once at build time, so the programs
// convert text without the converter modules at run time (the batch programs
// are linked statically).
//
//   make_cp932_tables <output.cpp>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kNone = 0xFFFF;
constexpr int kFirstTrail = 0x40;
constexpr int kLastTrail = 0xFC;
constexpr std::uint32_t kBmpEnd = 0x10000;

enum class Outcome { converted, incomplete, invalid };

struct Converter {
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
    bool ok() const { return cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; out holds the result when converted.
    Outcome run(const std::string& in, std::string& out) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* src = const_cast<char*>(in.data());
        std::size_t src_left = in.size();
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        if (rc == static_cast<std::size_t>(-1)) {
            return errno == EINVAL ? Outcome::incomplete : Outcome::invalid;
        }
        if (iconv(cd, nullptr, nullptr, &dst, &dst_left) == static_cast<std::size_t>(-1))
            return Outcome::invalid;
        out.assign(buffer, static_cast<std::size_t>(dst - buffer));
        return Outcome::converted;
    }
};

// The code point of a UTF-32LE result of exactly one character, else kNone.
std::uint32_t single_code_point(const std::string& utf32) {
    if (utf32.size() != 4) return kNone;
    std::uint32_t cp = 0;
    for (int i = 3; i >= 0; --i)
        cp = (cp << 8U) | static_cast<unsigned char>(utf32[static_cast<std::size_t>(i)]);
    return cp < kBmpEnd ? cp : kNone;
}

bool is_lead(int byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void write_table(std::FILE* out, const char* name, const std::vector<std::uint16_t>& values) {
    std::fprintf(out, "const std::uint16_t %s[%zu] = {", name, values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::fprintf(out, "%s0x%04X,", i % 12 == 0 ? "\n" : "", values[i]);
    }
    std::fprintf(out, "\n};\n\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cp932_tables <output.cpp>\n");
        return 1;
    }
    Converter decode("UTF-32LE", "CP932");
    Converter encode("CP932", "UTF-32LE");
    if (!decode.ok() || !encode.ok()) {
        std::fprintf(stderr, "make_cp932_tables: the C library has no CP932 converter\n");
        return 1;
    }
    std::string out;

    // Single bytes: a code point, or kNone (invalid, or the lead of a pair).
    std::vector<std::uint16_t> single(256, kNone);
    for (int byte = 0; byte < 256; ++byte) {
        if (is_lead(byte)) continue;
        if (decode.run(std::string(1, static_cast<char>(byte)), out) == Outcome::converted)
            single[static_cast<std::size_t>(byte)] =
                static_cast<std::uint16_t>(single_code_point(out));
    }
    // Pairs: for each lead byte in order, every trail byte 0x40..0xFC.
    std::vector<std::uint16_t> pairs;
    for (int lead = 0; lead < 256; ++lead) {
        if (!is_lead(lead)) continue;
        for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            std::uint16_t cp = kNone;
            if (decode.run(bytes, out) == Outcome::converted)
                cp = static_cast<std::uint16_t>(single_code_point(out));
            pairs.push_back(cp);
        }
    }
    // Encoding of every code point of the basic plane: one byte (< 0x100),
    // a pair (lead << 8 | trail) or kNone.
    std::vector<std::uint16_t> encoded(kBmpEnd, kNone);
    for (std::uint32_t cp = 0; cp < kBmpEnd; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf32(4, '\0');
        for (std::size_t i = 0; i < 4; ++i)
            utf32[i] = static_cast<char>((cp >> (8U * i)) & 0xFFU);
        if (encode.run(utf32, out) != Outcome::converted) continue;
        if (out.size() == 1) {
            encoded[cp] = static_cast<unsigned char>(out[0]);
        } else if (out.size() == 2) {
            encoded[cp] = static_cast<std::uint16_t>((static_cast<unsigned char>(out[0]) << 8U) |
                                                     static_cast<unsigned char>(out[1]));
        }
    }

    std::FILE* file = std::fopen(argv[1], "w");
    if (file == nullptr) {
        std::fprintf(stderr, "make_cp932_tables: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(file, "// Generated at build time by make_cp932_tables; do not edit.\n"
                       "#include \"cp932_tables.h\"\n\nnamespace wtn::cp932 {\n\n");
    write_table(file, "kSingleByte", single);
    write_table(file, "kPairs", pairs);
    write_table(file, "kEncoded", encoded);
    std::fprintf(file, "} // namespace wtn::cp932\n");
    const bool written = std::fclose(file) == 0;
    if (!written) std::fprintf(stderr, "make_cp932_tables: cannot write %s\n", argv[1]);
    return written ? 0 : 1;
}
