// Qt's own texts in Japanese: the buttons of message boxes (はい, いいえ,
// キャンセル), the file dialogs and the print dialog. Every windowed program
// loads the translation right after creating its QApplication, so the standard
// dialogs speak the language of the rest of the system; and it takes the
// Japanese locale before creating it, so the file dialogs show dates and
// sizes in the Japanese form whatever the machine's locale.
#pragma once

class QCoreApplication;

namespace wtn::qt {

// Installs Qt's Japanese translation (qtbase_ja from Qt's translations folder)
// into app. False when the translation is not installed: Qt then keeps its
// English texts.
bool install_japanese_dialogs(QCoreApplication& app);

// Makes Japan's locale Qt's system and default locale: the dates, sizes and
// file types of the file dialogs, and numbers in Qt's own widgets. Call it
// before the QApplication is created. The environment and the C library's
// locale are left as they were, so text encoding and the programs started
// later keep the user's settings, and numbers in files (written in the C
// locale) are not touched.
void use_japanese_locale();

} // namespace wtn::qt
