// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace volna {

namespace {

QFont pick(const QStringList& families, int pixelSize, bool bold = false) {
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont controlFont() {
    return pick({"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans", "Sans Serif"}, 11);
}

QFont readOutFont() {
    return pick({"DSEG7 Classic", "DSEG7 Modern", "DejaVu Sans Mono", "Monospace"}, 44);
}

QFont crystalFont(int pixelSize) {
    return pick({"DSEG14 Classic", "DSEG14 Modern", "DejaVu Sans Mono", "Monospace"}, pixelSize);
}

QFont terminalFont() {
    return pick({"DejaVu Sans Mono", "Liberation Mono", "Monospace"}, 18);
}

QFont commentFont() {
    return pick({"DejaVu Sans", "Liberation Sans", "Sans Serif"}, 13);
}

QFont channelNumberFont() {
    return pick({"DejaVu Sans", "Liberation Sans", "Sans Serif"}, 11, true);
}

} // namespace volna
