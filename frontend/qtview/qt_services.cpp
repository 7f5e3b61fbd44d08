#include "qt_services.h"

#include "cp932_codec.h"
#include "form_binder.h"
#include "form_window.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace wtn::qt {
namespace {

QMessageBox::StandardButton to_button(wtn::BoxAnswer answer) {
    switch (answer) {
    case wtn::BoxAnswer::Ok:
        return QMessageBox::Ok;
    case wtn::BoxAnswer::Cancel:
        return QMessageBox::Cancel;
    case wtn::BoxAnswer::Yes:
        return QMessageBox::Yes;
    case wtn::BoxAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon to_icon(wtn::BoxIcon icon) {
    switch (icon) {
    case wtn::BoxIcon::Information:
        return QMessageBox::Information;
    case wtn::BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case wtn::BoxIcon::Critical:
        return QMessageBox::Critical;
    case wtn::BoxIcon::Question:
        return QMessageBox::Question;
    case wtn::BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons to_buttons(wtn::BoxButtons buttons) {
    switch (buttons) {
    case wtn::BoxButtons::Ok:
        return QMessageBox::Ok;
    case wtn::BoxButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case wtn::BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case wtn::BoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// "Desc (*.tn2)|*.tn2|Old (*.wtn)|*.wtn" as Qt name filters "Desc (*.tn2)".
QStringList name_filters(const std::string& filter) {
    QStringList parts = to_qt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts[i];
        // Qt reads the patterns from the parentheses of the description.
        qsizetype open = description.indexOf(QLatin1Char('('));
        if (open >= 0) description = description.left(open).trimmed();
        filters << description + QStringLiteral(" (") + pattern + QStringLiteral(")");
    }
    return filters;
}

// Help files are HTML in UTF-8; an older page in code page 932 is read as such.
QString read_help_text(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (!text.contains(QChar::ReplacementCharacter)) return text;
    return to_qt(cp932_to_utf8_lossy(std::string_view(bytes.constData(), bytes.size())));
}

} // namespace

wtn::BoxAnswer QtMessageBoxes::show(const wtn::MessageRequest& request) {
    QMessageBox box(to_icon(request.icon), to_qt(request.title), to_qt(request.text),
                    to_buttons(request.buttons), owner_);
    box.setDefaultButton(to_button(request.default_button));
    // The box of a running program opens over a disabled main window.
    box.setEnabled(true);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return wtn::BoxAnswer::Yes;
    case QMessageBox::No:
        return wtn::BoxAnswer::No;
    case QMessageBox::Cancel:
        return wtn::BoxAnswer::Cancel;
    case QMessageBox::Ok:
        return wtn::BoxAnswer::Ok;
    default:
        break;
    }
    return request.buttons == wtn::BoxButtons::YesNo ? wtn::BoxAnswer::No : wtn::BoxAnswer::Cancel;
}

std::optional<std::string> QtFileDialogs::choose(const wtn::FileRequest& request) {
    QFileDialog dialog(owner_, to_qt(request.title), to_qt(request.initial_dir));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(name_filters(request.filter));
    QString suffix = to_qt(request.default_ext);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.file_name.empty()) dialog.selectFile(to_qt(request.file_name));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return from_qt(chosen.front());
}

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Tvn_win2"),
                                            QStringLiteral("Tvn_win2"))) {}

QtSettingsStore::QtSettingsStore(const QString& ini_file)
    : settings_(std::make_unique<QSettings>(ini_file, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::get(const std::string& section, const std::string& key) {
    return from_qt(settings_->value(to_qt(section) + QLatin1Char('/') + to_qt(key)).toString());
}

void QtSettingsStore::set(const std::string& section, const std::string& key,
                          const std::string& value) {
    settings_->setValue(to_qt(section) + QLatin1Char('/') + to_qt(key), to_qt(value));
    settings_->sync();
}

std::vector<std::pair<std::string, std::string>> QtSettingsStore::all(const std::string& section) {
    std::vector<std::pair<std::string, std::string>> values;
    settings_->beginGroup(to_qt(section));
    for (const QString& key : settings_->childKeys()) {
        values.emplace_back(from_qt(key), from_qt(settings_->value(key).toString()));
    }
    settings_->endGroup();
    return values;
}

int QtProcessRunner::run_and_wait(
    const wtn::ProcessRequest& request,
    const std::function<std::optional<std::string>(const std::string& line)>& on_line) {
    QProcess process;
    process.setProgram(to_qt(request.program));
    QStringList args;
    for (const std::string& a : request.args)
        args << to_qt(a);
    process.setArguments(args);
    process.setWorkingDirectory(to_qt(request.work_dir));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : request.env)
        env.insert(to_qt(name), to_qt(value));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // A box that a line opens runs the event loop until it is answered; the
    // output that arrives meanwhile waits in pending, so the program's boxes
    // open one at a time and in their order.
    QByteArray pending;
    bool handling = false;
    bool ended = false;
    bool failed = false;
    QEventLoop loop;
    auto handle_line = [&](const QByteArray& line) {
        if (!on_line) return;
        std::optional<std::string> answer = on_line(line.toStdString());
        if (answer && process.state() == QProcess::Running) {
            process.write(QByteArray::fromStdString(*answer + "\n"));
            process.waitForBytesWritten();
        }
    };
    auto read_lines = [&] {
        pending += process.readAllStandardOutput();
        if (handling) return;
        handling = true;
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.endsWith('\r')) line.chop(1);
            handle_line(line);
            pending += process.readAllStandardOutput();
        }
        handling = false;
        if (ended) loop.quit();
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, read_lines);
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        ended = true;
        // A box still open holds the wait: the loop ends when it returns.
        if (!handling) loop.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed = true;
        loop.quit();
    });
    process.start();
    if (failed || process.error() == QProcess::FailedToStart) return wtn::kProgramNotStarted;
    if (!ended) loop.exec();
    if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
    read_lines();
    if (!pending.isEmpty()) handle_line(pending);
    if (process.error() == QProcess::FailedToStart) return wtn::kProgramNotStarted;
    if (process.exitStatus() != QProcess::NormalExit) return wtn::kProgramCrashed;
    return process.exitCode();
}

QtHelpViewer::~QtHelpViewer() {
    delete window_;
}

void QtHelpViewer::close() {
    if (window_ != nullptr) window_->hide();
}

void QtHelpViewer::show_contents(const std::string& help_file) {
    QFile file(to_qt(help_file));
    if (!file.open(QIODevice::ReadOnly)) {
        wtn::show_note(boxes_, "ヘルプ", "ヘルプファイル " + help_file + " が開けません。",
                       wtn::BoxIcon::Exclamation);
        return;
    }
    QString html = read_help_text(file.readAll());
    if (window_ == nullptr) {
        window_ = new QWidget(nullptr, Qt::Window);
        window_->setObjectName(QStringLiteral("help_window"));
        // Help left open does not keep the program running after the main
        // window has closed.
        window_->setAttribute(Qt::WA_QuitOnClose, false);
        window_->resize(640, 480);
        auto* layout = new QVBoxLayout(window_);
        auto* browser = new QTextBrowser(window_);
        browser->setObjectName(QStringLiteral("help_browser"));
        browser->setOpenExternalLinks(false);
        layout->addWidget(browser);
    }
    auto* browser = window_->findChild<QTextBrowser*>(QStringLiteral("help_browser"));
    browser->setSearchPaths({QFileInfo(file).absolutePath()});
    browser->setHtml(html);
    window_->setWindowTitle(browser->documentTitle().isEmpty() ? QFileInfo(file).fileName()
                                                               : browser->documentTitle());
    window_->show();
    window_->raise();
}

void QtWindowSystem::show_modal(ui::Form& form) {
    FormDialog dialog(form, owner_);
    dialog.setWindowModality(Qt::ApplicationModal);
    form.load();
    if (!form.loaded()) return;
    dialog.exec();
}

void QtWindowSystem::show_modeless(ui::Form& form) {
    auto* dialog = new FormDialog(form, nullptr);
    form.load();
    QPointer<FormDialog> guard(dialog);
    // The dialog goes when the form unloads.
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect area = screen->geometry();
        dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    }
    dialog->show();
    dialog->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::pair<int, int> QtWindowSystem::screen_size() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {800, 600};
    QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

} // namespace wtn::qt
