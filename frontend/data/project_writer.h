// Writer of the project file (".tn2", version "<2.00>"): every saved field of
// the design data as 168 comma lines in a fixed order.
#pragma once

#include "design_data.h"

#include <string>
#include <vector>

namespace wtn {

// The 168 lines of the project file, without line ends. zevove_sw is always
// saved as 1 and young_exp as 0. DataError when a text holds a double quote
// or a line break, or a number is not finite.
std::vector<std::string> project_file_lines(const DesignData& data);

// Writes the project file to path, replacing it only when the whole file was
// written. DataError naming the file or the field on failure.
void write_data_file(const DesignData& data, const std::string& path);

// Captions of the text fields, as the messages name them.
inline constexpr const char* kTitleCaption = "業務名称";
// The first line of a project file, as its messages name it.
inline constexpr const char* kVersionCaption = "バージョン";
inline constexpr const char* kTideNameCaption = "任意潮位の名称";
inline constexpr const char* kForceNameCaption = "外力名称";

} // namespace wtn
