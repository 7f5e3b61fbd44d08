// The file dialogs in the Japanese form on a machine set to another locale:
// the program takes Japan's locale before its QApplication, so Qt formats the
// dates and sizes of the dialog's list in the Japanese way, while the
// environment (which the programs it starts inherit) and the C library's
// number format stay as they were. Its own program: Qt reads the system
// locale once per process.
#include "japanese_dialogs.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

namespace wtn::qt {
namespace {

constexpr int kListingTimeoutMs = 5000;
constexpr int kListingPollMs = 20;

TEST(JapaneseLocale, FileDialogShowsJapaneseDatesWhateverTheMachinesLocale) {
    qputenv("LC_ALL", "en_US.UTF-8");
    use_japanese_locale();
    EXPECT_EQ(qgetenv("LC_ALL"), QByteArray("en_US.UTF-8")); // children see the user's own
    qunsetenv("LC_ALL");
    EXPECT_EQ(QLocale::system().language(), QLocale::Japanese);
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);

    int argc = 1;
    char name[] = "japanese_locale_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    install_japanese_dialogs(app);
    std::setlocale(LC_NUMERIC, "C");
    char number[16];
    std::snprintf(number, sizeof number, "%.1f", 10.5);
    EXPECT_STREQ(number, "10.5");

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString project = folder.filePath("岸壁.tn2");
    {
        QFile file(project);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, 'x'));
    }
    const QDateTime modified(QDate(2026, 12, 11), QTime(9, 5));
    {
        QFile file(project);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    QFileDialog dialog(nullptr, "開く", folder.path(), "計算データ (*.tn2)");
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(760, 420);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* view = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    QString date;
    QString size;
    // The dialog's model reads the folder in a thread of its own.
    QElapsedTimer waited;
    waited.start();
    while (date.isEmpty() && waited.elapsed() < kListingTimeoutMs) {
        QTest::qWait(kListingPollMs);
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            if (model->index(row, 0, view->rootIndex()).data().toString() != "岸壁.tn2") continue;
            size = model->index(row, 1, view->rootIndex()).data().toString();
            date = model->index(row, 3, view->rootIndex()).data().toString();
        }
    }
    EXPECT_EQ(date, "2026/12/11 9:05");
    EXPECT_EQ(size, "2.00 KiB");
    view->setColumnWidth(0, 260);
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    EXPECT_TRUE(dialog.grab().save(WTN_SCREENSHOT_DIR "/file_dialog_japanese.png"));
}

} // namespace
} // namespace wtn::qt
