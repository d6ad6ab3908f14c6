// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of dialog-template rectangles (dialog units) into pixels.
#include "ui/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

namespace plenta {

namespace {

int Scale(int units, int pixels, int perUnits) {
    return (units * pixels * 2 + perUnits) / (perUnits * 2);
}

} // namespace

QRect FormUnitsToPixels(const DialogRect &rect) {
    const int left = Scale(rect.x, FORM_PIXELS_ACROSS, FORM_UNITS_ACROSS);
    const int top = Scale(rect.y, FORM_PIXELS_DOWN, FORM_UNITS_DOWN);
    const int right = Scale(rect.x + rect.width, FORM_PIXELS_ACROSS, FORM_UNITS_ACROSS);
    const int bottom = Scale(rect.y + rect.height, FORM_PIXELS_DOWN, FORM_UNITS_DOWN);
    return QRect(left, top, right - left, bottom - top);
}

DialogBase DialogBaseOf(const QFont &font) {
    static constexpr char LETTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const QFontMetrics metrics(font);
    const int letters = static_cast<int>(sizeof(LETTERS) - 1);
    const int width = (metrics.horizontalAdvance(QString::fromLatin1(LETTERS)) + letters / 2) / letters;
    return DialogBase{width > 0 ? width : 1, metrics.height() > 0 ? metrics.height() : 1};
}

QRect DialogUnitsToPixels(const DialogRect &rect, DialogBase base) {
    return QRect(Scale(rect.x, base.x4, 4), Scale(rect.y, base.y8, 8), Scale(rect.width, base.x4, 4),
                 Scale(rect.height, base.y8, 8));
}

} // namespace plenta
