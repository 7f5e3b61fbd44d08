// Drawing commands of the earth-pressure report's part routines: every page
// point passes the kit's sheet stage before it is written (DrawingFile
// truncates it and stops naming the drawing on a coordinate that cannot be
// written). Lines of ordinary parts are type 0, pen 2; labels pen 2.
#pragma once

#include "drawing_file.h"
#include "figure_kit.h"
#include "figure_points.h"

#include <string_view>

namespace wtn {

void sheet_line(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2, double y2,
                int type = 0, int pen = 2);
void sheet_line(DrawingFile& file, const FigureKit& kit, const FigureLine& line, int type = 0,
                int pen = 2);
void sheet_arrow(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2,
                 double y2, int pen);
// A label of the kit's text size at (x, y), written along the sheet (or at
// the given angle in degrees).
void sheet_text(DrawingFile& file, const FigureKit& kit, double x, double y, std::string_view text,
                int pen = 2);
void sheet_text_at_angle(DrawingFile& file, const FigureKit& kit, double x, double y, int angle,
                         std::string_view text, int pen = 2);
// A caption of the given character size.
void sheet_caption(DrawingFile& file, const FigureKit& kit, double x, double y, int size,
                   std::string_view text, int pen);

// A level printed "%+1.2lf" (sign always shown).
std::string level_text(double level);

} // namespace wtn
