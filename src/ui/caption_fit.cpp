// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>

#include <algorithm>

namespace volna {

namespace {

constexpr int kSmallestPixels = 8;
// The widget's own size, kept the first time it is fitted, so that a shorter
// caption later gets its size back.
constexpr const char* kLaidOutPixels = "volna144LaidOutPixels";

// The caption as it is drawn, or nothing for a widget without one.
QString captionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->wordWrap() ? QString() : label->text().trimmed();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

// The width the caption's text may take inside the widget, pixels.
int roomFor(const QWidget* widget) {
    const QStyle* style = widget->style();
    if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
        return widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    }
    if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
        return widget->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    }
    if (qobject_cast<const QPushButton*>(widget) != nullptr) {
        return widget->width() - 6;
    }
    if (qobject_cast<const QGroupBox*>(widget) != nullptr) {
        return widget->width() - 12;
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->contentsRect().width();
    }
    return widget->width();
}

int widestLine(const QString& caption, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : caption.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// Makes font smaller, down to the smallest readable size, until caption fits room.
void shrink(QFont& font, const QString& caption, int room) {
    while (widestLine(caption, QFontMetrics(font)) > room && font.pixelSize() > kSmallestPixels) {
        font.setPixelSize(font.pixelSize() - 1);
    }
}

} // namespace

bool captionFits(const QWidget* widget) {
    return widestLine(captionOf(widget), widget->fontMetrics()) <= roomFor(widget);
}

void fitCaption(QWidget* widget, FitFrom from) {
    const QString caption = captionOf(widget);
    if (caption.isEmpty()) {
        return;
    }
    QFont font = widget->font();
    if (font.pixelSize() <= 0) {
        return; // sized in points: not a face this program chose
    }
    QVariant laidOut = widget->property(kLaidOutPixels);
    if (from == FitFrom::PresentFont || !laidOut.isValid()) {
        laidOut = font.pixelSize();
        widget->setProperty(kLaidOutPixels, laidOut);
    }
    font.setPixelSize(laidOut.toInt());
    shrink(font, caption, roomFor(widget));
    // A check box narrower than its indicator and number ("10" in a channel
    // box) gives up the gap between them before the number is cut.
    if (widestLine(caption, QFontMetrics(font)) > roomFor(widget) &&
        qobject_cast<QCheckBox*>(widget) != nullptr && widget->styleSheet().isEmpty()) {
        widget->setStyleSheet(QStringLiteral("QCheckBox { spacing: 1px; }"));
        font.setPixelSize(laidOut.toInt());
        shrink(font, caption, roomFor(widget));
    }
    if (font != widget->font()) {
        widget->setFont(font);
    }
}

void refitCaption(QWidget* widget) {
    if (widget->property(kLaidOutPixels).isValid()) {
        fitCaption(widget, FitFrom::KeptFont);
    }
}

} // namespace volna
