// Paints laid-out report pages with QPainter on any device (the window, a
// printer, a PDF). Page units: 100 per line and per full-width cell; one
// unit is 0.039 mm, so the 67-line body and the page head fit an A4 sheet.
#pragma once

#include "page_layout.h"

#include <QPainter>
#include <QRectF>

namespace wtn::viewer {

inline constexpr const char* kReportFontFamily = "IPAGothic";
inline constexpr double kMillimetresPerUnit = 0.039;
inline constexpr double kPageWidthUnits = 210.0 / kMillimetresPerUnit;  // A4
inline constexpr double kPageHeightUnits = 297.0 / kMillimetresPerUnit; // A4
inline constexpr double kBodyLeft = (kPageWidthUnits - kBodyCells * kUnitsPerCell) / 2.0;
inline constexpr double kBodyTop = 520.0;

// Paints page number page_number (1-based) into target, a rectangle of the
// device that stands for the whole A4 sheet.
void paint_page(QPainter& painter, const LaidPage& page, int page_number, const QRectF& target);

} // namespace wtn::viewer
