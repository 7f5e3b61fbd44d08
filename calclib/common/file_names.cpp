#include "file_names.h"

#include <cstdio>

namespace wtn {

namespace {

constexpr std::string_view kResultTableStem = "KEKKA";
constexpr std::string_view kResultTableExtension = ".DAT";

std::string numbered_name(const char* format, int number) {
    char name[16];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

} // namespace

std::string steel_catalogue_name(int number) {
    return numbered_name("YAITA.D%02d", number);
}

std::string pc_catalogue_name(int number) {
    return numbered_name("YAITA.C%02d", number);
}

bool is_page_file_name(std::string_view name) {
    const std::string_view extension = kPageFileExtension;
    return name.size() > extension.size() &&
           name.substr(name.size() - extension.size()) == extension;
}

bool is_result_table_file_name(std::string_view name) {
    return name.size() == kResultTableStem.size() + 1 + kResultTableExtension.size() &&
           name.substr(0, kResultTableStem.size()) == kResultTableStem &&
           name.substr(kResultTableStem.size() + 1) == kResultTableExtension;
}

} // namespace wtn
