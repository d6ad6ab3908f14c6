// SPDX-License-Identifier: GPL-3.0-or-later
// The one-row entry form built from template 128: date picker, temperature list, "°C" and the comment box.
// It holds the pending input; reading it for a save and refreshing it after a scan is left to others.
#pragma once

#include "chart/WindowBands.h"
#include "journal/JournalTypes.h"
#include <DialogTemplates.h>

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QDateEdit;

namespace plenta {

class EntryForm : public QWidget {
    Q_OBJECT

public:
    explicit EntryForm(QWidget *parent = nullptr);

    // The control with this identifier (IDC_DATE, IDC_TEMPERATURE, IDC_COMMENT), or null.
    QWidget *Control(int id) const;
    // The identifier of the form control that is or contains `widget`; -1 for any other widget or none.
    int ControlIdOf(const QWidget *widget) const;

    QDateEdit *DatePicker() const { return date_; }
    QComboBox *TemperatureList() const { return temperature_; }
    QComboBox *CommentBox() const { return comment_; }

    Date PickedDate() const;
    // The comment field's text in UTF-8, at most the field's length limit.
    std::string CommentText() const;

    // Empties the comment list and adds the journal's comments in order.
    void SetCommentItems(const std::vector<std::string> &comments);

    // Centres the form horizontally at the top of its parent's client area and shows it.
    void PlaceInParent();

    QSize sizeHint() const override;

    // Lays the form out `zoom` times larger, its text included; zoom 1 is the handheld's layout.
    void SetZoom(int zoom);

signals:
    void pickedDateChanged();

protected:
    // Taps on the form's background and its label belong to the form, not to the main window below it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void UseLocaleDateFormat();

    QDateEdit *date_ = nullptr;
    QComboBox *temperature_ = nullptr;
    QComboBox *comment_ = nullptr;
    // Each control with its place at zoom 1.
    std::vector<std::pair<QWidget *, QRect>> unzoomed_;
};

// Creates the form as a child of the main window and places it in its band at FORM_TOP.
EntryForm *CreateEntryForm(QWidget &mainWindow);

// The start-up content of the lists: 37.5 down to 35.5 with 36.5 selected; "alk" and "spät" with none
// selected.
void FillFormLists(EntryForm *form);

} // namespace plenta
