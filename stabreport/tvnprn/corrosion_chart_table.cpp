#include "corrosion_chart_table.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"

namespace wtn {

namespace {

// Unquoted fields of a data line: the id, eight axis values and five line ends.
constexpr std::size_t kChartLineFields = 14;
constexpr std::size_t kFirstLineEnd = 9;

ChartAxis axis_at(const CsvLine& line, std::size_t first) {
    return {line.integer(first), line.integer(first + 1), line.integer(first + 2),
            line.integer(first + 3)};
}

std::string axis_fault(const ChartAxis& axis, const char* what) {
    const std::string name = what;
    if (axis.maximum <= axis.minimum) return name + "の最大値が最小値以下です";
    if (axis.interval < 1) return name + "の間隔が 1 未満です";
    if (axis.lines_per_interval < 1) return name + "の分割数が 1 未満です";
    if (axis_grid_steps(axis) >= kMaxChartGridLines) return name + "の目盛線が多すぎます";
    return "";
}

[[noreturn]] void stop_table(int pile_id, const std::string& detail) {
    stop_with_error(std::string("(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(") + kCorrosionChartTableFile +
                    ")の矢板(ID " + std::to_string(pile_id) + ")" + detail + ".");
}

} // namespace

long axis_grid_steps(const ChartAxis& axis) {
    const long span = static_cast<long>(axis.maximum) - axis.minimum;
    return span / axis.interval * axis.lines_per_interval;
}

std::optional<CorrosionChartLine> find_chart_line(LineReader& file, int pile_id) {
    CsvLine line;
    for (;;) {
        const int kind = read_csv_line(file, line);
        if (kind == kCsvEndOfFile) return std::nullopt;
        if (kind != kCsvData || line.integer(0) != pile_id) continue;
        CorrosionChartLine chart;
        chart.id = pile_id;
        chart.name = line.text(0);
        chart.z = axis_at(line, 1);
        chart.t1 = axis_at(line, 5);
        for (std::size_t k = 0; k < kCorrosionTablePoints; ++k)
            chart.line_ends[k] = line.real(kFirstLineEnd + k);
        chart.complete = line.fields.size() >= kChartLineFields && !line.texts.empty();
        return chart;
    }
}

std::string chart_line_fault(const CorrosionChartLine& line) {
    if (!line.complete) return "項目が足りません";
    std::string fault = axis_fault(line.z, "Ｚ軸");
    if (fault.empty()) fault = axis_fault(line.t1, "ｔ1軸");
    if (!fault.empty()) return fault;
    // A line ending beyond the t1 axis would be drawn out of the chart.
    for (double end : line.line_ends)
        if (!(end >= line.t1.minimum && end <= line.t1.maximum))
            return "直線の終点がｔ1軸の範囲外です";
    return "";
}

CorrosionChartLine read_corrosion_chart_line(int pile_id) {
    CFile file = open_file(kCorrosionChartTableFile, "rt");
    if (!file) stop_with_error(ErrorCode::CorrosionTableOpen);
    LineReader reader(file.get());
    const std::optional<CorrosionChartLine> line = find_chart_line(reader, pile_id);
    if (!line) stop_table(pile_id, "の行がありません");
    const std::string fault = chart_line_fault(*line);
    if (!fault.empty()) stop_table(pile_id, "の行が正しくありません(" + fault + ")");
    return *line;
}

} // namespace wtn
