// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the comment field to what the journal can hold, so the field shows what a save will store: line
// breaks and tabs become blanks, and characters Windows-1252 lacks are left out, which a tooltip at the field
// says. It does not limit the length; the field's own maximum does.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace plenta {

struct CleanedComment {
    QString text;
    // The cursor's place in the cleaned text.
    int cursor = 0;
    // The characters left out, in order.
    QString left;
};

// Cleans typed or pasted comment text: each line break (CR, LF or CR LF) and each tab becomes one blank, and
// every character Windows-1252 cannot hold is left out. Other characters stay as they are.
CleanedComment CleanComment(const QString &text, int cursor);

class CommentValidator : public QValidator {
    Q_OBJECT

public:
    explicit CommentValidator(QLineEdit *field);

    State validate(QString &input, int &pos) const override;

private:
    QLineEdit *field_;
};

} // namespace plenta
