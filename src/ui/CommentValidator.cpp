// SPDX-License-Identifier: GPL-3.0-or-later
// The comment field's cleaning; see CommentValidator.h.
#include "ui/CommentValidator.h"

#include "journal/CodePage.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>

#include <utility>

namespace plenta {

namespace {

bool FitsCodePage(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return true;
    }
    const QString character = QString::fromUcs4(&code, 1);
    return Utf8ToCp1252(character.toStdString()) != "?";
}

} // namespace

CleanedComment CleanComment(const QString &text, int cursor) {
    CleanedComment cleaned;
    cleaned.text.reserve(text.size());
    cleaned.cursor = -1;
    for (qsizetype i = 0; i < text.size();) {
        if (i >= cursor && cleaned.cursor < 0) {
            cleaned.cursor = static_cast<int>(cleaned.text.size());
        }
        const QChar unit = text[i];
        const bool pair = unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t code = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
        if (code == '\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            // CR LF is one line break, and one blank; the LF is read next.
        } else if (code == '\r' || code == '\n' || code == '\t') {
            cleaned.text += QLatin1Char(' ');
        } else if ((pair || !unit.isSurrogate()) && FitsCodePage(code)) {
            cleaned.text += text.mid(i, length);
        } else {
            cleaned.left += text.mid(i, length);
        }
        i += length;
    }
    if (cleaned.cursor < 0) {
        cleaned.cursor = static_cast<int>(cleaned.text.size());
    }
    return cleaned;
}

CommentValidator::CommentValidator(QLineEdit *field)
    : QValidator(field)
    , field_(field) {}

QValidator::State CommentValidator::validate(QString &input, int &pos) const {
    CleanedComment cleaned = CleanComment(input, pos);
    if (!cleaned.left.isEmpty() && field_ != nullptr) {
        // Said at the field and gone by itself; a box would take the keyboard from the typing.
        QToolTip::showText(
            field_->mapToGlobal(QPoint(0, field_->height())),
            QCoreApplication::translate("CommentValidator", "Nicht speicherbar, weggelassen: %1")
                .arg(cleaned.left),
            field_);
    }
    input = std::move(cleaned.text);
    pos = cleaned.cursor;
    return Acceptable;
}

} // namespace plenta
