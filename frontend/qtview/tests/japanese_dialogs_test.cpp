// Qt's own buttons and dialogs speak Japanese once the translation is in.
#include "japanese_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace wtn::qt {
namespace {

TEST(JapaneseDialogs, TheSaveQuestionsButtonsAreJapanese) {
    ASSERT_TRUE(install_japanese_dialogs(*QCoreApplication::instance()))
        << "qtbase_ja.qm not found: install qt6-translations-l10n";
    QMessageBox box(QMessageBox::Question, "保存確認", "保存しますか？",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString("はい(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QString("いいえ(&N)"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString("キャンセル"));
    // The file dialog's own texts come from the same translation.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Save"), QString("保存(&S)"));
}

} // namespace
} // namespace wtn::qt
