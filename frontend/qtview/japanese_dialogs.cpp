#include "japanese_dialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace wtn::qt {

bool install_japanese_dialogs(QCoreApplication& app) {
    // The application owns the translator, so it lives as long as the texts
    // it translates.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace wtn::qt
