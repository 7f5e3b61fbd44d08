#include "japanese_dialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wtn::qt {

namespace {

// The locale variable that overrides every other one.
constexpr const char* kLocaleOverride = "LC_ALL";
constexpr const char* kJapaneseLocale = "ja_JP.UTF-8";

} // namespace

void use_japanese_locale() {
    // Qt reads its system locale from the environment once, when it is first
    // asked for it, and keeps it; the C library's locale is set from the
    // environment only when the QApplication is created. Named here for that
    // one reading, the Japanese locale becomes Qt's without the C library
    // having to know it (a machine may not have it installed).
    const bool was_set = qEnvironmentVariableIsSet(kLocaleOverride);
    const QByteArray saved = qgetenv(kLocaleOverride);
    qputenv(kLocaleOverride, kJapaneseLocale);
    const QLocale system = QLocale::system();
    if (was_set) {
        qputenv(kLocaleOverride, saved);
    } else {
        qunsetenv(kLocaleOverride);
    }
    QLocale::setDefault(system);
}

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
