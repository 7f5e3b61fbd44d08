// The Qt services: boxes with their titles and default buttons, the INI
// settings store, and programs started with their output lines answered.
#include "qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace wtn::qt {
namespace {

TEST(QtMessageBoxes, ShowsTitleTextAndDefaultButtonAndReturnsThePress) {
    QtMessageBoxes boxes;
    wtn::MessageRequest request;
    request.title = "\xE4\xBF\x9D\xE5\xAD\x98\xE7\xA2\xBA\xE8\xAA\x8D"; // a Japanese title
    request.text = "line 1\nline 2";
    request.icon = wtn::BoxIcon::Information;
    request.buttons = wtn::BoxButtons::YesNoCancel;
    request.default_button = wtn::BoxAnswer::No;
    QString title, text;
    bool no_is_default = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        no_is_default = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(boxes.show(request), wtn::BoxAnswer::Cancel);
    EXPECT_EQ(title.toStdString(), request.title);
    EXPECT_EQ(text, "line 1\nline 2");
    EXPECT_TRUE(no_is_default);
}

TEST(QtSettingsStore, KeepsValuesPerSectionAcrossInstances) {
    QTemporaryDir dir;
    QString ini = dir.filePath("Tvn_win2.ini");
    {
        QtSettingsStore store(ini);
        EXPECT_EQ(store.get("Recent Files", "RecentFile1"), "");
        store.set("Recent Files", "RecentFile1", "/data/\xE6\xB8\xAF.tn2");
        store.set("Recent Files", "RecentFile2", "/data/b.tn2");
        store.set("Other", "RecentFile1", "x");
    }
    QtSettingsStore again(ini);
    auto all = again.all("Recent Files");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0],
              (std::pair<std::string, std::string>{"RecentFile1", "/data/\xE6\xB8\xAF.tn2"}));
    EXPECT_EQ(all[1].first, "RecentFile2");
}

TEST(QtProcessRunner, PassesLinesAnswersThemAndReturnsTheExitCode) {
    QTemporaryDir dir;
    QtProcessRunner runner;
    wtn::ProcessRequest request;
    request.program = "/bin/sh";
    request.args = {"-c", "echo \"question $WTN_UI_PIPE\"; read a; echo \"got $a\"; pwd; exit 3"};
    request.work_dir = dir.path().toStdString();
    request.env = {{"WTN_UI_PIPE", "1"}};
    std::vector<std::string> lines;
    int code =
        runner.run_and_wait(request, [&](const std::string& line) -> std::optional<std::string> {
            lines.push_back(line);
            if (line.rfind("question", 0) == 0) return std::string("yes");
            return std::nullopt;
        });
    EXPECT_EQ(code, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "question 1");
    EXPECT_EQ(lines[1], "got yes");
    EXPECT_EQ(QDir(QString::fromStdString(lines[2])).canonicalPath(),
              QDir(dir.path()).canonicalPath());
}

TEST(QtProcessRunner, AProgramThatCannotStartOrIsKilledIsToldApart) {
    QtProcessRunner runner;
    wtn::ProcessRequest missing;
    missing.program = "/nonexistent/TVNDAT";
    EXPECT_EQ(runner.run_and_wait(missing, nullptr), wtn::kProgramNotStarted);
    wtn::ProcessRequest killed;
    killed.program = "/bin/sh";
    killed.args = {"-c", "kill -9 $$"};
    EXPECT_EQ(runner.run_and_wait(killed, nullptr), wtn::kProgramCrashed);
}

} // namespace
} // namespace wtn::qt

namespace wtn::qt {
namespace {

TEST(QtFileDialogs, IsQtsOwnDialogWithTheFiltersFolderAndName) {
    QTemporaryDir dir;
    QtFileDialogs files;
    wtn::FileRequest request;
    request.save = true;
    request.initial_dir = dir.path().toStdString();
    request.file_name = "quay";
    request.filter = "Tosvane\xEF\xBC\x92 (*.tn2)|*.tn2|Tosvane (*.wtn)|*.wtn";
    request.default_ext = ".tn2";
    QStringList filters;
    bool non_native = false;
    bool asks_overwrite = true;
    QString suffix;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        non_native = dialog->testOption(QFileDialog::DontUseNativeDialog);
        asks_overwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog->defaultSuffix();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    std::optional<std::string> chosen = files.choose(request);
    EXPECT_TRUE(non_native);
    EXPECT_FALSE(asks_overwrite);
    EXPECT_EQ(suffix, "tn2");
    EXPECT_EQ(filters, (QStringList{QString::fromUtf8("Tosvane\xEF\xBC\x92 (*.tn2)"),
                                    QStringLiteral("Tosvane (*.wtn)")}));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.filePath("quay.tn2").toStdString());
}

} // namespace
} // namespace wtn::qt

#include "controls.h"
#include "form.h"
#include "form_window.h"

#include <QPushButton>

namespace wtn::qt {
namespace {

TEST(QtWindowSystem, AModalFormRunsUntilItUnloadsAndAModelessOneReturnsAtOnce) {
    QtWindowSystem windows;
    ui::Form form("frmAbout");
    form.client_width = 3000;
    form.client_height = 1500;
    auto& ok = form.add<ui::CommandButton>("cmdOK", {1500, 900, 1200, 400});
    ok.set_caption("OK");
    ok.on_click = [&] { form.unload(); };
    int loads = 0;
    form.on_load = [&] { ++loads; };
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FormDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    windows.show_modal(form);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(form.loaded());

    ui::Form splash("frmSplash");
    splash.client_width = 4800;
    splash.client_height = 3000;
    splash.border = ui::Form::Border::None;
    windows.show_modeless(splash);
    EXPECT_TRUE(splash.loaded());
    bool shown = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmSplash" && w->isVisible()) shown = true;
    }
    EXPECT_TRUE(shown);
    splash.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(splash.loaded());
}

} // namespace
} // namespace wtn::qt
