#include "figure_kit.h"

#include "cp932_codec.h"

#include <cmath>
#include <numbers>

namespace wtn {

void set_sheet_stage(FigureKit& kit, bool landscape) {
    kit.sheet_angle = landscape ? 90.0 : 0.0;
    const double radians = kit.sheet_angle * std::numbers::pi / 180.0;
    kit.sheet_cos = std::cos(radians);
    kit.sheet_sin = std::sin(radians);
    kit.sheet_offset_x = 0.0;
    kit.sheet_offset_y = landscape ? kFrameHeight : 0.0;
}

PagePoint to_sheet(const FigureKit& kit, double x, double y) {
    PointTransform sheet;
    sheet.cos_angle = kit.sheet_cos;
    sheet.sin_angle = kit.sheet_sin;
    sheet.target = {kit.sheet_offset_x, kit.sheet_offset_y};
    return transform_point({x, y}, sheet);
}

PagePoint from_sheet(const FigureKit& kit, double x, double y) {
    const double u = x - kit.sheet_offset_x;
    const double v = y - kit.sheet_offset_y;
    return {kit.sheet_cos * u - kit.sheet_sin * v, kit.sheet_sin * u + kit.sheet_cos * v};
}

PagePoint model_to_page(const FigureKit& kit, double x, double level) {
    PointTransform model;
    model.centre = {kit.model_origin_x, -kit.model_origin_y};
    model.cos_angle = kit.model_cos;
    model.sin_angle = kit.model_sin;
    model.scale_x = kit.page_scale;
    model.scale_y = kit.page_scale;
    model.target = {kit.page_centre_x, kit.page_centre_y};
    return transform_point({x, -level}, model);
}

SheetTransform sheet_transform(const FigureKit& kit) {
    return {kit.sheet_cos, kit.sheet_sin, kit.sheet_offset_x, kit.sheet_offset_y};
}

int label_cells(std::string_view cp932) {
    int cells = 0;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        if (is_cp932_double_byte(cp932, i)) {
            cells += 2;
            ++i;
            continue;
        }
        if (cp932[i] == '\\' && i + 1 < cp932.size()) {
            // "\\" prints one backslash; "\U" and "\D" print nothing.
            if (cp932[i + 1] == '\\') {
                cells += 1;
                ++i;
                continue;
            }
            if (cp932[i + 1] == 'U' || cp932[i + 1] == 'D') {
                ++i;
                continue;
            }
        }
        cells += 1;
    }
    return cells;
}

double label_width(const FigureKit& kit, int cells) {
    return cells * kit.text_width * 0.5;
}

void draw_figure_frame(DrawingFile& file, const FigureKit& kit, std::string_view title,
                       bool landscape) {
    const FigureFrame& f = kit.frame;
    file.rectangle(f.x1, f.y1, f.x2, f.y2);
    if (!landscape) {
        file.line(f.x1, f.band_y, f.x2, f.band_y, 0, 3);
        file.text(f.x1 + 100, f.band_y - 75, kFrameTitleSize, kFrameTitleSize, 0, AngleField::plain,
                  3, title);
        return;
    }
    file.line(f.band_x, f.y1, f.band_x, f.y2, 0, 3);
    file.text(f.x1 + 225, f.y1 - 100, kFrameTitleSize, kFrameTitleSize, 90, AngleField::plain, 3,
              title);
}

} // namespace wtn
