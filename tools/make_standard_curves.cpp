// Writes the standard-curve tables CGATA.MST and SGATA.MST into the folder
// named on the command line (the source tree's installed/ folder).
#include "sqrt_reaction_pile.h"
#include "standard_curves.h"

#include <cstdio>
#include <string>

namespace {

bool write_file(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_standard_curves OUTPUT_FOLDER\n");
        return 1;
    }
    const std::string folder = argv[1];
    try {
        for (int m = 0; m < 2; ++m) {
            const std::string name =
                m == 0 ? wtn::tools::kCTypeCurveFile : wtn::tools::kSTypeCurveFile;
            if (!write_file(folder + "/" + name, wtn::tools::standard_curve_file_text(m))) {
                std::fprintf(stderr, "make_standard_curves: cannot write %s/%s\n", folder.c_str(),
                             name.c_str());
                return 1;
            }
        }
    } catch (const wtn::tools::PileSolverError& e) {
        std::fprintf(stderr, "make_standard_curves: %s\n", e.what());
        return 1;
    }
    return 0;
}
