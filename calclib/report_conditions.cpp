#include "report_conditions.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "text_lines.h"
#include "value_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace wtn {

namespace {

[[noreturn]] void stop_bad_line(int line_number) {
    stop_with_error(std::string("(ERROR)-ファイル(") + kReportConditionsFile + ")の" +
                    std::to_string(line_number) + "行目が正しくありません.");
}

// Reads the next line as a data line of at least field_count fields whose
// reals are finite numbers; anything else stops the program.
class ConditionLines {
  public:
    explicit ConditionLines(std::FILE* file) : reader_(file) {}

    const CsvLine& next(std::size_t field_count) {
        ++line_number_;
        if (read_csv_line(reader_, line_) != kCsvData || line_.fields.size() < field_count)
            stop_bad_line(line_number_);
        return line_;
    }
    double real(std::size_t i) const {
        double value = line_.real(i);
        if (!std::isfinite(value)) stop_bad_line(line_number_);
        return value;
    }
    int integer(std::size_t i) const { return line_.integer(i); }

    // Reads the next line into record through its value list (value_lines.h).
    template <class T> void read(int value_count, void (*fields)(ConditionLines&, T&), T& record) {
        next(static_cast<std::size_t>(value_count));
        next_value_ = 0;
        fields(*this, record);
    }
    void field(int& value) { value = integer(next_value_++); }
    void field(double& value) { value = real(next_value_++); }

  private:
    LineReader reader_;
    CsvLine line_;
    int line_number_ = 0;
    std::size_t next_value_ = 0;
};

// The lines before the layers, each described once (value_lines.h).
template <class Io, class C> constexpr void allowable_values(Io& io, C& c) {
    io.field(c.allowable_stress[0]);
    io.field(c.allowable_stress[1]);
    io.field(c.allowable_displacement[0]);
    io.field(c.allowable_displacement[1]);
}

template <class Io, class C> constexpr void lateral_resistance_values(Io& io, C& c) {
    io.field(c.n_value_flag);
    io.field(c.n_value);
    io.field(c.n_value_increase);
    io.field(c.lateral_constant);
}

// The corrosion case comes first, as every reader of the file takes it.
template <class Io, class C> constexpr void corrosion_case_values(Io& io, C& c) {
    io.field(c.corrosion_case);
    io.field(c.user_pile);
}

template <class Io, class C> constexpr void corrosion_allowance_values(Io& io, C& c) {
    for (auto& allowance : c.corrosion_allowances)
        io.field(allowance);
}

constexpr int kAllowableValues = value_count<ReportConditions>(allowable_values);
constexpr int kLateralResistanceValues = value_count<ReportConditions>(lateral_resistance_values);
constexpr int kCorrosionCaseValues = value_count<ReportConditions>(corrosion_case_values);
constexpr int kCorrosionAllowanceValues = value_count<ReportConditions>(corrosion_allowance_values);

void check_finite(const ReportConditions& c) {
    bool finite = true;
    for (double v :
         {c.allowable_stress[0], c.allowable_stress[1], c.allowable_displacement[0],
          c.allowable_displacement[1], c.n_value, c.n_value_increase, c.lateral_constant}) {
        finite = finite && std::isfinite(v);
    }
    for (double v : c.corrosion_allowances)
        finite = finite && std::isfinite(v);
    for (const ForceLayerRow& r : c.layers) {
        for (double v : {r.level, r.thickness, r.friction_angle, r.n_value, r.kh})
            finite = finite && std::isfinite(v);
    }
    if (!finite) {
        stop_with_error(std::string("(ERROR)-計算結果に数値でない値があるため、ファイル(") +
                        kReportConditionsFile + ")を書き込めません.");
    }
}

} // namespace

ReportConditions report_conditions_from(const StabilityResults& results, int file_mode,
                                        const ForceCase& force_case) {
    const DesignValueBlock& d = results.design_values;
    const CorrosionBlock& k = results.corrosion;
    ReportConditions c;
    c.allowable_stress = d.allowable_stress;
    c.allowable_displacement = d.allowable_displacement;
    c.n_value_flag = d.n_value_flag;
    c.n_value = d.n_value;
    c.n_value_increase = d.n_value_increase;
    c.lateral_constant = d.lateral_constant;
    c.corrosion_case = k.case_flag;
    c.user_pile = results.decided.added;
    c.corrosion_allowances = {k.t1_sea, k.t1_mud, k.t2_sea, k.t2_mud};
    if (file_mode == kCompletedStateMode) return c;
    c.has_layers = true;
    c.layer_start = force_case.start_index;
    const int count = std::clamp(force_case.layer_count, 0, kMaxForceLayerRows);
    c.layers.assign(force_case.layers.begin(), force_case.layers.begin() + count);
    return c;
}

void write_sjoken(const ReportConditions& c) {
    check_finite(c);
    if (c.has_layers && (c.layers.size() > static_cast<std::size_t>(kReportLayerRoom))) {
        stop_with_error(std::string("(ERROR)-ファイル(") + kReportConditionsFile +
                        ")の土層数が多すぎます.");
    }
    CFile file = open_or_stop(kReportConditionsFile, "wt");
    std::FILE* f = file.get();
    write_values(f, allowable_values, c);
    write_values(f, lateral_resistance_values, c);
    write_values(f, corrosion_case_values, c);
    write_values(f, corrosion_allowance_values, c);
    if (c.has_layers) {
        write_values_line(f, "%d,%d", c.layer_start, static_cast<int>(c.layers.size()));
        for (const ForceLayerRow& r : c.layers) {
            write_force_layer_row(f, r);
        }
    }
    close_written_or_stop(file, kReportConditionsFile);
}

ReportConditions read_sjoken(bool with_layers) {
    CFile file = open_or_stop(kReportConditionsFile, "rt");
    ConditionLines lines(file.get());
    ReportConditions c;
    lines.read(kAllowableValues, allowable_values, c);
    lines.read(kLateralResistanceValues, lateral_resistance_values, c);
    lines.read(kCorrosionCaseValues, corrosion_case_values, c);
    lines.read(kCorrosionAllowanceValues, corrosion_allowance_values, c);
    if (!with_layers) return c;

    lines.next(2);
    c.has_layers = true;
    c.layer_start = lines.integer(0);
    const int count = lines.integer(1);
    if (count < 0 || count > kReportLayerRoom) {
        stop_with_error(std::string("(ERROR)-ファイル(") + kReportConditionsFile + ")の土層数 " +
                        std::to_string(count) + " が領域 " + std::to_string(kReportLayerRoom) +
                        " を超えています.");
    }
    c.layers.resize(static_cast<std::size_t>(count));
    for (ForceLayerRow& r : c.layers) {
        lines.read(kForceLayerValues1, force_layer_values_1, r);
        lines.read(kForceLayerValues2, force_layer_values_2, r);
    }
    return c;
}

} // namespace wtn
