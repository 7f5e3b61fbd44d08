// Qt's own texts in Japanese: the buttons of message boxes (はい, いいえ,
// キャンセル), the file dialogs and the print dialog. Every windowed program
// loads the translation right after creating its QApplication, so the standard
// dialogs speak the language of the rest of the system.
#pragma once

class QCoreApplication;

namespace wtn::qt {

// Installs Qt's Japanese translation (qtbase_ja from Qt's translations folder)
// into app. False when the translation is not installed: Qt then keeps its
// English texts.
bool install_japanese_dialogs(QCoreApplication& app);

} // namespace wtn::qt
