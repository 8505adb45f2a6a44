// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style_pictures.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QStringList>

namespace volna {

namespace {

// The frame of a group box in Qt's own style; a style that draws none makes
// this a picture read for nothing.
constexpr const char* kGroupBoxFrame =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

} // namespace

void preloadStylePictures() {
    // Without plugin folders the reader finds no plugin to ask and reads the
    // PNG itself; the folders come back at once for every later picture.
    const QStringList folders = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    const QPixmap frame(QString::fromLatin1(kGroupBoxFrame)); // kept by Qt under the file's name
    QCoreApplication::setLibraryPaths(folders);
}

} // namespace volna
