// Writes the sheet-pile catalogues YAITA.D01 to YAITA.D04, YAITA.C01,
// YAITA.C02 and the corroded-section chart table YAITA.FDM into the folder
// named on the command line (the source tree's installed/ folder).
#include "pile_catalogue_files.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pile_catalogues OUTPUT_FOLDER\n");
        return 1;
    }
    for (const wtn::tools::GeneratedFile& file : wtn::tools::pile_catalogue_files()) {
        const std::string path = std::string(argv[1]) + "/" + file.name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        bool ok = f != nullptr &&
                  std::fwrite(file.text.data(), 1, file.text.size(), f) == file.text.size();
        if (f != nullptr && std::fclose(f) != 0) ok = false;
        if (!ok) {
            std::fprintf(stderr, "make_pile_catalogues: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
