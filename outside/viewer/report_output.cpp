#include "report_output.h"

#include "page_painter.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace wtn::viewer {

namespace {

constexpr int kPdfResolution = 600; // dots per inch of the PDF's page coordinates

} // namespace

bool paint_report(QPagedPaintDevice& device, const Report& report) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF sheet(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        paint_page(painter, report.pages[i], static_cast<int>(i) + 1, sheet);
    }
    return painter.end();
}

bool export_pdf(const Report& report, const QString& path, const QString& title) {
    {
        // QPdfWriter reports no failure to open its file; try it first.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setCreator("VIEWKSO");
    if (!title.isEmpty()) {
        writer.setTitle(title);
    } else if (!report.chapters.empty()) {
        writer.setTitle(QString::fromStdString(report.chapters[0].title));
    }
    return paint_report(writer, report);
}

} // namespace wtn::viewer
