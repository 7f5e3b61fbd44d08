// Writes the viewer's installed templates and drawings from their sources:
//   make_templates tools/templates installed/templates
#include "template_sources.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_templates SOURCE_FOLDER OUTPUT_FOLDER\n");
        return 1;
    }
    std::vector<std::string> errors;
    const auto files = wtn::tools::read_template_sources(argv[1], errors);
    std::filesystem::create_directories(argv[2]);
    for (const auto& file : files) {
        const std::string bytes = wtn::tools::installed_bytes(file, errors);
        std::ofstream out(std::filesystem::path(argv[2]) / file.name, std::ios::binary);
        out << bytes;
        if (!out) errors.push_back(file.name + ": cannot be written");
    }
    for (const std::string& e : errors)
        std::fprintf(stderr, "make_templates: %s\n", e.c_str());
    return errors.empty() ? 0 : 1;
}
