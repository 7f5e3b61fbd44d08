// Printing and PDF export of a laid-out report: one A4 sheet per page.
#pragma once

#include "page_layout.h"

#include <QPagedPaintDevice>
#include <QString>

namespace wtn::viewer {

// Paints every page of report on device, one sheet each, the whole sheet
// used (the page keeps its own margins). False when painting cannot start.
bool paint_report(QPagedPaintDevice& device, const Report& report);

// Writes report as an A4 PDF titled title (the first chapter's title when
// title is empty); false when the file cannot be written.
bool export_pdf(const Report& report, const QString& path, const QString& title = {});

} // namespace wtn::viewer
