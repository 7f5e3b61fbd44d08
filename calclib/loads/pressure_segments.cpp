#include "pressure_segments.h"

#include "rounding.h"

namespace wtn {

double segment_area(int kind, double width, double height) {
    return round_dec(width * height * (kind == kSegmentRectangle ? 1.0 : 0.5), 3);
}

double segment_moment(double force, double arm) {
    return round_dec(force * arm, 3);
}

void triangle_centroid(const double values[3], const double levels[3], double& value,
                       double& level) {
    value = round_dec((values[0] + values[1] + values[2]) / 3.0, 3);
    level = round_dec((levels[0] + levels[1] + levels[2]) / 3.0, 3);
}

PressureSegment triangle_segment(const double values[3], const double levels[3], double width,
                                 double height, double reference_level) {
    PressureSegment piece;
    piece.kind = kSegmentTriangle;
    triangle_centroid(values, levels, piece.centroid_value, piece.centroid_level);
    piece.lever_arm = piece.centroid_level - reference_level;
    piece.width = width;
    piece.height = height;
    piece.force = segment_area(kSegmentTriangle, piece.width, piece.height);
    piece.moment = segment_moment(piece.force, piece.lever_arm);
    return piece;
}

PressureSegment rectangle_segment(double a, double b, double width, double z_top, double z_bottom,
                                  double reference_level) {
    PressureSegment piece;
    piece.kind = kSegmentRectangle;
    piece.centroid_value = (a + b) / 4.0;
    piece.centroid_level = (z_top + z_bottom) / 2.0;
    piece.lever_arm = piece.centroid_level - reference_level;
    piece.width = width;
    piece.height = z_top - z_bottom;
    piece.force = segment_area(kSegmentRectangle, piece.width, piece.height);
    piece.moment = segment_moment(piece.force, piece.lever_arm);
    return piece;
}

void SegmentSink::append(const PressureSegment& piece) {
    if (*count_ >= room_) stop_table_full(name_, room_);
    rows_[(*count_)++] = piece;
    sums_->force += piece.force;
    sums_->moment += piece.moment;
}

void SegmentSink::add_triangle(bool base_first, const double values[3], const double levels[3],
                               double reference_level) {
    const double width = base_first ? values[1] - values[0] : values[1] - values[2];
    append(triangle_segment(values, levels, width, levels[0] - levels[2], reference_level));
}

void SegmentSink::add_trapezoid(double a, double b, double z_top, double z_bottom,
                                double reference_level) {
    const double width_top = round_dec(a, 3);
    const double width_bottom = round_dec(b, 3);
    if (width_top == 0.0 && width_bottom == 0.0) return;
    if (width_top != width_bottom) {
        if (width_top != 0.0) {
            const double values[3] = {0.0, a, 0.0};
            const double levels[3] = {z_top, z_top, z_bottom};
            add_triangle(true, values, levels, reference_level);
        }
        if (width_bottom != 0.0) {
            const double values[3] = {a, b, 0.0};
            const double levels[3] = {z_top, z_bottom, z_bottom};
            add_triangle(false, values, levels, reference_level);
        }
        return;
    }
    append(rectangle_segment(a, b, b, z_top, z_bottom, reference_level));
}

} // namespace wtn
