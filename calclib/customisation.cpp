#include "customisation.h"

#include "error_messages.h"
#include "file_io.h"
#include "text_lines.h"

#include <cstdio>
#include <string>
#include <vector>

namespace wtn {

CustomisationValues read_customisation() {
    CFile file = open_file(kCustomisationFileName, "rt");
    if (!file) stop_with_error(ErrorCode::CustomisationOpen);

    std::vector<std::string> lines;
    LineReader reader(file.get());
    std::string line;
    while (static_cast<int>(lines.size()) < kCustomisationLinesRead && reader.next(line))
        lines.push_back(line);

    CustomisationValues v;
    // Lines missing at the end read as 0; a pitch of 0 is refused below.
    const CustomisationProblem problem =
        customisation_from_lines(lines, kCustomisationLinesRead, 0, v);
    if (problem.fault != CustomisationFault::None) {
        stop_with_error("(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の" +
                        std::to_string(problem.line) + "行目の数値が読めません.");
    }

    // The transfer-matrix methods cut each layer into thickness / pitch
    // elements; a pitch of 0 or less would divide by zero or never end.
    if (v.division_pitch <= 0.0) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v.division_pitch);
        stop_with_error("(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の多層地盤の分割ピッチ(" +
                        std::string(text) + ")は 0.0 より大きい値にして下さい.");
    }
    return v;
}

} // namespace wtn
