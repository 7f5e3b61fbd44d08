#include "figure_drawing.h"

#include "figure_placement.h"
#include "format_values.h"

namespace wtn {

void sheet_line(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2, double y2,
                int type, int pen) {
    const PagePoint a = to_sheet(kit, x1, y1);
    const PagePoint b = to_sheet(kit, x2, y2);
    file.line(a.x, a.y, b.x, b.y, type, pen);
    note_line(kit, x1, y1, x2, y2);
}

void sheet_line(DrawingFile& file, const FigureKit& kit, const FigureLine& line, int type,
                int pen) {
    sheet_line(file, kit, line.x1, line.y1, line.x2, line.y2, type, pen);
}

void sheet_arrow(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2,
                 double y2, int pen) {
    const PagePoint a = to_sheet(kit, x1, y1);
    const PagePoint b = to_sheet(kit, x2, y2);
    file.arrow(a.x, a.y, b.x, b.y, pen);
    note_line(kit, x1, y1, x2, y2);
}

void sheet_text_at_angle(DrawingFile& file, const FigureKit& kit, double x, double y, int angle,
                         std::string_view text, int pen) {
    const PagePoint p = to_sheet(kit, x, y);
    file.text(p.x, p.y, kit.text_height, kit.text_width, angle, AngleField::padded, pen, text);
    // A text along a slope is left out of the figure's ink.
    if (angle == static_cast<int>(kit.sheet_angle)) note_box(kit, text_box(kit, x, y, text));
}

void sheet_text(DrawingFile& file, const FigureKit& kit, double x, double y, std::string_view text,
                int pen) {
    sheet_text_at_angle(file, kit, x, y, static_cast<int>(kit.sheet_angle), text, pen);
}

void sheet_caption(DrawingFile& file, const FigureKit& kit, double x, double y, int size,
                   std::string_view text, int pen) {
    const PagePoint p = to_sheet(kit, x, y);
    file.text(p.x, p.y, size, size, static_cast<int>(kit.sheet_angle), AngleField::padded, pen,
              text);
    note_box(kit, {x, x + label_cells(text) * size * 0.5, y, y - size});
}

std::string level_text(double level) {
    return format_text("%+1.2lf", level);
}

} // namespace wtn
