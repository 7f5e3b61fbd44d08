#include "viewer_window.h"

#include "page_painter.h"
#include "report_output.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace wtn::viewer {

namespace {

constexpr double kScreenUnitsPerPixel = 7.0; // page units per screen pixel at zoom 1
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 6.0;
constexpr const char* kProgramName = "VIEWKSO";

} // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    set_zoom(1.0);
}

void PageView::show_page(const LaidPage* page, int number) {
    page_ = page;
    number_ = number;
    update();
}

void PageView::set_zoom(double zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    setFixedSize(static_cast<int>(kPageWidthUnits / kScreenUnitsPerPixel * zoom_),
                 static_cast<int>(kPageHeightUnits / kScreenUnitsPerPixel * zoom_));
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (page_ != nullptr) paint_page(painter, *page_, number_, QRectF(rect()));
}

ViewerWindow::ViewerWindow(Report report, QWidget* parent)
    : QMainWindow(parent), report_(std::move(report)) {
    setWindowTitle(kProgramName);
    chapters_ = new QListWidget;
    for (const Chapter& chapter : report_.chapters)
        chapters_->addItem(QString::fromStdString(chapter.title));
    view_ = new PageView;
    scroll_ = new QScrollArea;
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto* splitter = new QSplitter;
    splitter->addWidget(chapters_);
    splitter->addWidget(scroll_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    QToolBar* tools = addToolBar("report");
    tools->addAction("前頁", this, [this] { show_page(current_ - 1); });
    tools->addAction("次頁", this, [this] { show_page(current_ + 1); });
    tools->addAction("拡大", this, [this] { zoom_by(kZoomStep); });
    tools->addAction("縮小", this, [this] { zoom_by(1.0 / kZoomStep); });
    tools->addSeparator();
    tools->addAction("印刷", this, [this] { print(); });
    tools->addAction("PDF出力", this, [this] { export_to_pdf(); });
    // The page and zoom on the right; messages (where a PDF went) on the left.
    status_ = new QLabel;
    statusBar()->addPermanentWidget(status_);

    connect(chapters_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && report_.pages[current_].chapter != row) show_chapter(row);
    });
    resize(1000, 900);
    show_page(0);
}

void ViewerWindow::show_page(int index) {
    if (report_.pages.empty()) return;
    current_ = std::clamp(index, 0, page_count() - 1);
    const LaidPage& page = report_.pages[current_];
    view_->show_page(&page, current_ + 1);
    if (chapters_->currentRow() != page.chapter) chapters_->setCurrentRow(page.chapter);
    update_status();
}

void ViewerWindow::show_chapter(int chapter) {
    if (chapter < 0 || chapter >= static_cast<int>(report_.chapters.size())) return;
    show_page(report_.chapters[chapter].first_page);
}

void ViewerWindow::zoom_by(double factor) {
    view_->set_zoom(view_->zoom() * factor);
    update_status();
}

bool ViewerWindow::print_to(QPrinter& printer) {
    return paint_report(printer, report_);
}

void ViewerWindow::print() {
    if (!refusal_.isEmpty()) {
        QMessageBox::warning(this, "VIEWKSO", refusal_);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!print_to(printer)) QMessageBox::warning(this, kProgramName, "印刷できませんでした。");
}

void ViewerWindow::set_report_name(const ReportName& name) {
    name_ = name;
    const QString caption = QString::fromStdString(report_caption(name_));
    setWindowTitle(caption.isEmpty() ? QString(kProgramName) : caption + " - " + kProgramName);
}

QString ViewerWindow::proposed_pdf_path() const {
    const bool last_folder_exists =
        !last_export_folder_.isEmpty() && QFileInfo(last_export_folder_).isDir();
    const QDir folder(last_folder_exists ? last_export_folder_ : QDir::homePath());
    return folder.filePath(QString::fromStdString(proposed_pdf_name(name_)));
}

bool ViewerWindow::export_to(const QString& path) {
    if (!export_pdf(report_, path, QString::fromStdString(report_caption(name_)))) {
        QMessageBox::warning(this, kProgramName, "PDFファイルを書き込めません: " + path);
        return false;
    }
    const QFileInfo written(path);
    last_export_folder_ = written.absolutePath();
    statusBar()->showMessage("PDFを出力しました: " + written.absoluteFilePath());
    return true;
}

void ViewerWindow::export_to_pdf() {
    if (!refusal_.isEmpty()) {
        QMessageBox::warning(this, "VIEWKSO", refusal_);
        return;
    }
    const QString path =
        QFileDialog::getSaveFileName(this, "PDF出力", proposed_pdf_path(), "PDF (*.pdf)");
    if (path.isEmpty()) return;
    export_to(path);
}

void ViewerWindow::update_status() {
    status_->setText(QString("%1 / %2 頁    %3 %")
                         .arg(current_ + 1)
                         .arg(page_count())
                         .arg(static_cast<int>(view_->zoom() * 100)));
}

} // namespace wtn::viewer
