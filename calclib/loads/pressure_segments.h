// Cutting a pressure diagram into rectangles and triangles, each with its
// force (area, kN/m), lever arm above a reference level (m) and moment about
// it (kN.m/m). Used for the net pressure above the virtual seabed, for the
// dynamic water pressure and for the construction-stage wave and still-water
// pressures.
#pragma once

#include "row_table.h"

#include <array>
#include <string_view>

namespace wtn {

inline constexpr int kSegmentRectangle = 1;
inline constexpr int kSegmentTriangle = 0;

struct PressureSegment {
    int kind = kSegmentTriangle;
    double centroid_value = 0.0; // pressure coordinate of the centroid
    double centroid_level = 0.0;
    double lever_arm = 0.0; // centroid level minus the reference level
    double width = 0.0;     // pressure across the piece
    double height = 0.0;
    double force = 0.0;
    double moment = 0.0;
};

// The fields of a piece in the order every result file holds them: where it
// acts (handed to io, a writer, reader or counter, one field at a time) ...
template <class Io, class P> constexpr void segment_position_fields(Io& io, P& p) {
    io.field(p.centroid_value);
    io.field(p.centroid_level);
    io.field(p.lever_arm);
}

// ... and what it carries.
template <class Io, class P> constexpr void segment_load_fields(Io& io, P& p) {
    io.field(p.width);
    io.field(p.height);
    io.field(p.force);
    io.field(p.moment);
}

// Force and moment sums of the pieces appended to one table.
struct SegmentSums {
    double force = 0.0;
    double moment = 0.0;
};

// round3(width x height) for a rectangle, round3(width x height x 0.5) for a triangle.
double segment_area(int kind, double width, double height);
// round3(force x arm).
double segment_moment(double force, double arm);
// Centroid of three points, each coordinate the mean rounded to 3 decimals.
void triangle_centroid(const double values[3], const double levels[3], double& value,
                       double& level);

// The triangle through three points (pressure values, levels) with the given
// width across and height: its centroid, its lever arm above reference_level,
// its force and moment.
PressureSegment triangle_segment(const double values[3], const double levels[3], double width,
                                 double height, double reference_level);

// The rectangle between z_top and z_bottom of the given width, whose
// centroid value is the mean of its corners 0, a, 0 and b.
PressureSegment rectangle_segment(double a, double b, double width, double z_top, double z_bottom,
                                  double reference_level);

// A piece builder bound to one table and its sums.
class SegmentSink {
  public:
    template <int Room>
    SegmentSink(RowTable<PressureSegment, Room>& table, std::string_view name, SegmentSums& sums)
        : rows_(table.rows.data()), count_(&table.count), room_(Room), name_(name), sums_(&sums) {}

    // The trapezoid between levels z_top and z_bottom with the pressure a at
    // the top and b at the bottom (measured from 0): one rectangle when both
    // widths agree to 3 decimals, else up to two triangles split along the
    // diagonal from the top-right to the bottom-left corner; nothing when
    // both widths are 0.
    void add_trapezoid(double a, double b, double z_top, double z_bottom, double reference_level);

    // One triangle through three points; base_first selects the base between
    // points 0 and 1 (true) or between points 1 and 2 (false).
    void add_triangle(bool base_first, const double values[3], const double levels[3],
                      double reference_level);

  private:
    void append(const PressureSegment& piece);

    PressureSegment* rows_;
    int* count_;
    int room_;
    std::string_view name_;
    SegmentSums* sums_;
};

} // namespace wtn
