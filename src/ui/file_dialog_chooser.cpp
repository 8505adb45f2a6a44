// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_dialog_chooser.h"

#include "ui/translate.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace volna {

namespace {

constexpr const char* kAllFilesFilter = "Все файлы (*)";

// Every file stays reachable beside the program's own filter.
QString filterOf(const FileRequest& request) {
    const QString all = shown(kAllFilesFilter);
    if (request.filter.empty()) {
        return all;
    }
    return shown(request.filter) + QStringLiteral(";;") + all;
}

std::string pathOf(const QString& chosen) {
    return chosen.isEmpty() ? std::string{} : QDir::toNativeSeparators(chosen).toStdString();
}

} // namespace

std::string FileDialogChooser::openFile(const FileRequest& request) {
    return pathOf(QFileDialog::getOpenFileName(QApplication::activeWindow(), shown(request.title),
                                               QString(), filterOf(request)));
}

std::string FileDialogChooser::saveFile(const FileRequest& request) {
    const QString proposed = QString::fromStdString(request.suggestedName);
    return pathOf(QFileDialog::getSaveFileName(QApplication::activeWindow(), shown(request.title),
                                               proposed, filterOf(request)));
}

} // namespace volna
