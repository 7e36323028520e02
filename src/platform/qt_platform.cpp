#include "platform/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cmath>

#include "platform/qt_paths.h"
#include "platform/qt_report_pages.h"
#include "platform/qt_strings.h"
#include "platform/qt_window_placement.h"
#include "platform/text_files.h"

// The data folder of an installed program, relative to its executable's folder.
#ifndef STANDWISE_INSTALLED_DATA
#define STANDWISE_INSTALLED_DATA "../share/standwise"
#endif

namespace standwise {
namespace {

// Shown when the desktop has no program for text files: the file read-only in a window of ours.
void show_text_viewer(const std::string& path) {
    auto* viewer = new QPlainTextEdit;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setReadOnly(true);
    viewer->setWindowTitle(qs(path));
    viewer->setFont(QFont(QStringLiteral("monospace")));
    std::string text;
    if (auto lines = read_text_lines(path)) {
        for (const std::string& line : *lines)
            text += line + '\n';
    } else {
        text = "The file could not be read.";
    }
    viewer->setPlainText(qs(text));
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        QObject::connect(new QShortcut(keys, viewer), &QShortcut::activated, viewer, &QWidget::close);
    viewer->resize(720, 520);
    place_over(viewer, QApplication::activeWindow());
    viewer->show();
    viewer->activateWindow();
}

// A choice's caption with an access key on its first letter that no earlier choice has taken.
QString keyed_caption(const QString& caption, QString& used) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar key = caption[i].toLower();
        if (caption[i].isLetter() && !used.contains(key)) {
            used += key;
            return QString(caption).insert(i, QLatin1Char('&'));
        }
    }
    return caption;
}

}  // namespace

std::string message_lines(const std::string& prompt) {
    return replace_line_breaks(prompt, "\n");
}

std::string chooser_filter(const std::string& filter) {
    return filter.substr(0, filter.find('|'));
}

QtPlatform::QtPlatform() = default;

Answer QtPlatform::ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(qs(caption));
    box.setTextFormat(Qt::PlainText);  // file names and captions are shown as written
    box.setText(qs(message_lines(prompt)));
    switch (style) {
        case MessageStyle::YesNoQuestion:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
        case MessageStyle::OkCancelExclamation:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
        case MessageStyle::OkExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageStyle::OkInformation:
            box.setIcon(QMessageBox::Information);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<std::size_t> QtPlatform::ask_choice(const std::string& prompt, const std::string& caption,
                                                  const std::vector<std::string>& choices) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(qs(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(qs(message_lines(prompt)));
    box.setIcon(QMessageBox::Question);
    std::vector<QPushButton*> buttons;
    QString used = QStringLiteral("c");  // Cancel's
    for (const std::string& choice : choices)
        buttons.push_back(box.addButton(keyed_caption(qs(choice), used), QMessageBox::AcceptRole));
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    if (!buttons.empty()) box.setDefaultButton(buttons.front());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return i;
    return std::nullopt;
}

// Printing to a file is left out: "Export report as PDF…" writes a PDF without risking the old one.
PrintOutcome QtPlatform::print_report(const ReportDocument& document) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return PrintOutcome::NoPrinter;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(document.title));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    return paint_report_pages(printer, document, {printer.fromPage(), printer.toPage()})
               ? PrintOutcome::Printed
               : PrintOutcome::Failed;
}

std::string QtPlatform::choose_file(FileMode mode, const std::string& title, const std::string& filter,
                                    const std::string& initial_folder) {
    const QString caption = qs(title);
    const QString folder = qs(initial_folder);
    const QString name_filter = qs(chooser_filter(filter));
    if (mode == FileMode::Folder)
        return path_of(QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, folder));
    QString path =
        mode == FileMode::Open
            ? QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, name_filter)
            : QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, folder, name_filter,
                                           nullptr, QFileDialog::DontConfirmOverwrite);
    return path_of(path);
}

// An installed program keeps configurations and reports where engineers look for the files they
// mail: Documents/Standwise (the application data folder where there is no documents folder).
DataFolders program_data_folders() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString user = documents.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : documents + QLatin1Char('/') + QCoreApplication::applicationName();
    DataFolders folders = locate_data_folders(path_of(QCoreApplication::applicationDirPath()),
                                              STANDWISE_INSTALLED_DATA, path_of(user));
    // Beside the recent configurations (~/.config/Ostrel), then the site's, which the package ships.
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!settings.isEmpty())
        folders.settings.push_back(
            path_of(settings + QLatin1Char('/') + QCoreApplication::organizationName()));
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    folders.settings.push_back("/etc/standwise");
#endif
    return folders;
}

std::string QtPlatform::program_folder() {
    locate_folders();
    return StdPlatform::program_folder();
}

std::string QtPlatform::user_folder() {
    locate_folders();
    return StdPlatform::user_folder();
}

// Found once: finding out whether the program's folder can be written makes a folder in it.
void QtPlatform::locate_folders() {
    if (!StdPlatform::program_folder().empty()) return;
    const DataFolders folders = program_data_folders();
    set_program_folder(folders.program);
    set_user_folder(folders.user);
    set_settings_folders(folders.settings);
}

std::string QtPlatform::recovery_folder() {
    const std::string set = StdPlatform::recovery_folder();
    if (!set.empty()) return set;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? std::string() : path_of(data + QStringLiteral("/recovery"));
}

std::vector<std::string> QtPlatform::settings_folders() {
    locate_folders();
    return StdPlatform::settings_folders();
}

std::string QtPlatform::windows_folder() {
#ifdef Q_OS_WIN
    return path_of(qEnvironmentVariable("SystemRoot"));
#else
    return {};
#endif
}

void QtPlatform::open_in_editor(const std::string& path) {
#ifdef Q_OS_WIN
    const QString notepad = QString::fromStdString(windows_folder()) + QStringLiteral("\\notepad.exe");
    if (QProcess::startDetached(notepad, {qs(path)})) return;
#else
    if (QDesktopServices::openUrl(url_of(path))) return;
#endif
    show_text_viewer(path);
}

// A precise timer: a coarse one may end the wait up to 5% early.
void QtPlatform::pause(float seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::ceil(seconds * 1000.0f)), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::set_busy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

DateTime QtPlatform::now() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

}  // namespace standwise
