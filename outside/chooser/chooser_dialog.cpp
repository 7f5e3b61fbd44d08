#include "chooser_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace wtn {

ChooserDialog::ChooserDialog(const ChooserRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("仮想海底面の選択"));
    setModal(true);

    const QString case_name =
        request.case_index == 0 ? QStringLiteral("常時") : QStringLiteral("地震時");
    auto* heading = new QLabel(
        QStringLiteral("%1：仮想海底面の候補が複数あります。採用する位置を選択してください。")
            .arg(case_name));
    heading->setWordWrap(true);

    list_ = new QListWidget;
    for (std::size_t i = 0; i < request.levels.size(); ++i) {
        // Formatted by snprintf in the C locale the program keeps for numbers.
        char text[64];
        std::snprintf(text, sizeof text, "%zu:  %.3f m", i + 1, request.levels[i]);
        list_->addItem(QString::fromLatin1(text));
    }
    list_->setCurrentRow(0);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { buttons_->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addWidget(buttons_);
}

int ChooserDialog::chosen_index() const {
    return list_->currentRow();
}

} // namespace wtn
