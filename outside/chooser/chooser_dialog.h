// The modal dialog of the virtual-seabed chooser: the case and the candidate
// levels in a list; OK takes the selected candidate, Cancel or closing the
// window takes none.
#pragma once

#include "chooser_exchange.h"

#include <QDialog>

class QListWidget;
class QDialogButtonBox;

namespace wtn {

class ChooserDialog : public QDialog {
  public:
    explicit ChooserDialog(const ChooserRequest& request, QWidget* parent = nullptr);

    // Index of the selected candidate, -1 when none is selected.
    int chosen_index() const;
    QListWidget* candidate_list() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace wtn
