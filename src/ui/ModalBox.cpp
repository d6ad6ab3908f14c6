// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the program's modal boxes, or hands them to a test's interceptor.
#include "ui/ModalBox.h"

#include "ui/FromUtf8.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShowEvent>
#include <QString>

#include <QStringList>

#include <algorithm>
#include <utility>

namespace plenta {

namespace {

ModalInterceptor &Interceptor() {
    static ModalInterceptor interceptor;
    return interceptor;
}

// Where a box goes so that it stands centred over its owner's window.
QPoint CentredOverOwner(const QWidget &box) {
    const QWidget *owner = box.parentWidget();
    if (owner == nullptr) {
        return box.pos();
    }
    // Client area over client area: a window manager keeps the box's asked-for place for its client area,
    // and frames it as it frames the owner.
    QRect placed(QPoint(), box.size());
    placed.moveCenter(owner->window()->geometry().center());
    return placed.topLeft();
}

// The program's message box, centred over its owner's window once it knows its own size: a message box
// sizes itself only as it is shown, after Qt has placed it, so Qt's placement is off by the difference, and
// wholly off while the owner has not been placed yet.
class ProgramMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override {
        QMessageBox::showEvent(event);
        move(CentredOverOwner(*this));
    }

    // Ctrl+C copies the message as the program wrote it (tabs and line breaks, not the laid-out table), so
    // that the statistics can be pasted elsewhere; Qt's message box copies only on Windows.
    void keyPressEvent(QKeyEvent *event) override {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(property(MESSAGE_TEXT_PROPERTY).toString());
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

} // namespace

int RunModal(QDialog &box) {
    if (Interceptor()) {
        return Interceptor()(box);
    }
    return box.exec();
}

ModalInterceptor SetModalInterceptor(ModalInterceptor interceptor) {
    return std::exchange(Interceptor(), std::move(interceptor));
}

QString MessageLayout(const QString &text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    // The final line break ends the last line; it opens no new one.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    qsizetype columns = 1;
    for (const QString &line : lines) {
        columns = std::max(columns, line.split(QLatin1Char('\t'), Qt::SkipEmptyParts).size());
    }
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString &line : lines) {
        // Runs of tabs are one column step; a line that begins with a tab leaves its first column empty.
        QStringList cells = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (line.startsWith(QLatin1Char('\t'))) {
            cells.prepend(QString());
        }
        html += QStringLiteral("<tr>");
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const qsizetype span = i + 1 == cells.size() ? columns - i : 1;
            html += QStringLiteral("<td colspan=\"%1\" style=\"white-space:pre; padding-right:8px\">%2</td>")
                        .arg(span)
                        .arg(cells[i].isEmpty() ? QStringLiteral("&nbsp;") : cells[i].toHtmlEscaped());
        }
        if (cells.isEmpty()) {
            html += QStringLiteral("<td>&nbsp;</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void ShowMessageBox(QWidget *owner, std::string_view text, std::string_view caption) {
    const QString message = FromUtf8(text);
    ProgramMessageBox box(QMessageBox::Information, FromUtf8(caption), QString(), QMessageBox::Ok, owner);
    box.setProperty(MESSAGE_TEXT_PROPERTY, message);
    box.setTextFormat(Qt::RichText);
    box.setText(MessageLayout(message));
    RunModal(box);
}

Answer AskYesNo(QWidget *owner, std::string_view text, std::string_view caption) {
    const QString message = FromUtf8(text);
    ProgramMessageBox box(QMessageBox::Question, FromUtf8(caption), QString(),
                          QMessageBox::Yes | QMessageBox::No, owner);
    box.setProperty(MESSAGE_TEXT_PROPERTY, message);
    box.setTextFormat(Qt::RichText);
    box.setText(MessageLayout(message));
    // Qt's own button texts are English whatever the language; the program names them itself. The mnemonics
    // answer Alt+J and Alt+N (and J and N alone, as a message box takes its buttons' letters).
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("MessageBox", "&Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("MessageBox", "&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return RunModal(box) == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace plenta
