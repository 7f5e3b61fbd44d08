// The viewer's window: the chapter titles in file-name order on the left,
// the page on the right, with page turning, zoom, Print (A4) and Export PDF.
#pragma once

#include "page_layout.h"
#include "report_name.h"

#include <QMainWindow>
#include <QString>
#include <QWidget>

class QListWidget;
class QLabel;
class QPrinter;
class QScrollArea;

namespace wtn::viewer {

// Paints one page at the window's zoom.
class PageView : public QWidget {
  public:
    explicit PageView(QWidget* parent = nullptr);
    void show_page(const LaidPage* page, int number);
    void set_zoom(double zoom);
    double zoom() const { return zoom_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const LaidPage* page_ = nullptr;
    int number_ = 0;
    double zoom_ = 1.0;
};

class ViewerWindow : public QMainWindow {
  public:
    explicit ViewerWindow(Report report, QWidget* parent = nullptr);

    QListWidget* chapter_list() const { return chapters_; }
    int current_page() const { return current_; }
    int page_count() const { return static_cast<int>(report_.pages.size()); }
    void show_page(int index);
    void show_chapter(int chapter);
    void zoom_by(double factor);
    // Prints every page on printer; false when printing cannot start.
    bool print_to(QPrinter& printer);
    // Makes Print and Export PDF show message instead: the report lacks pages.
    void refuse_output(const QString& message) { refusal_ = message; }

    // The project the report belongs to: the window's and the PDF's title,
    // the name the export proposes.
    void set_report_name(const ReportName& name);
    // The folder the export proposes: where the last export went ("" for
    // none: the user's home).
    void set_last_export_folder(const QString& folder) { last_export_folder_ = folder; }
    const QString& last_export_folder() const { return last_export_folder_; }
    // The export's proposal: the project file's name in the last export's
    // folder when it still exists, else in the user's home.
    QString proposed_pdf_path() const;
    // Writes the PDF to path and says where in the status bar; a box tells
    // when it cannot be written.
    bool export_to(const QString& path);

  private:
    void print();
    void export_to_pdf();
    void update_status();

    Report report_;
    QString refusal_; // why the report may not be printed or exported, or empty
    ReportName name_;
    QString last_export_folder_;
    QListWidget* chapters_ = nullptr;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* status_ = nullptr;
    int current_ = 0;
};

} // namespace wtn::viewer
