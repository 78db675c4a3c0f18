#include "app/ui/QtPrompter.h"

#include "app/Version.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
// "\r" in the program's messages is a line break.
QString MessageText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString Title() {
    return QString::fromUtf8(kProgramName);
}
} // namespace

void QtPrompter::error(const std::string& text) {
    QMessageBox::critical(parent_, Title(), MessageText(text));
}

void QtPrompter::info(const std::string& text) {
    if (holding_) {
        held_.push_back(text);
        return;
    }
    QMessageBox::information(parent_, Title(), MessageText(text));
}

void QtPrompter::ShowHeldInfo() {
    holding_ = false;
    std::vector<std::string> held;
    held.swap(held_);
    for (const std::string& text : held)
        info(text);
}

void QtPrompter::plain(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Title(), MessageText(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPrompter::confirm(const std::string& text) {
    return QMessageBox::question(parent_, Title(), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompter::ask(const std::string& text) {
    // Escape and the window's close button answer Cancel.
    switch (QMessageBox::question(parent_, Title(), MessageText(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<std::string> QtPrompter::askText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, QString::fromStdString(caption), MessageText(prompt),
                              QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::filesystem::path> QtPrompter::openFile(const FileDialogRequest& request) {
    const QString file = QFileDialog::getOpenFileName(
        parent_, QString::fromStdString(request.title),
        QString::fromStdString(request.directory.string()), QString::fromStdString(request.filter));
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> QtPrompter::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title),
                       QString::fromStdString(request.directory.string()),
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

bool QtPrompter::openInViewer(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}
