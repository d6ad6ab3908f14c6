// SPDX-License-Identifier: GPL-3.0-or-later
// The one-row entry form built from template 128.
#include "ui/EntryForm.h"

#include "ui/CommentValidator.h"
#include "ui/DialogUnits.h"
#include "ui/FormComboBox.h"
#include "ui/FromUtf8.h"
#include "ui/PickerDate.h"
#include "ui/Zoom.h"

#include <DialogTemplates.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace plenta {

namespace {

constexpr int FORM_FONT_PIXELS = 12;
constexpr int DEFAULT_TEMPERATURE_INDEX = TEMPERATURE_TOP - DEFAULT_TEMPERATURE;

// A combo box shows its closed field in the band; the template's height is that of the dropped-down list.
QRect ClosedRect(const DialogControl &control) {
    QRect rect = FormUnitsToPixels(control.rect);
    rect.setHeight(std::min(rect.height(), FORM_BAND));
    return rect;
}

// The template's family where it is installed. Where it is not, the application's own family: a family that
// the font database lacks has Qt ask fontconfig for its substitutes at the first text, a costly query at
// start-up, and fontconfig substitutes the desktop's sans-serif font for it, which the application's font
// already is.
QFont FormFont() {
    const QString family = FromUtf8(ENTRY_FORM_TEMPLATE.fontFamily);
    QFont font = QFontDatabase::families().contains(family, Qt::CaseInsensitive) ? QFont(family)
                                                                                 : QApplication::font();
    font.setPixelSize(FORM_FONT_PIXELS);
    return font;
}

} // namespace

EntryForm::EntryForm(QWidget *parent)
    : QWidget(parent) {
    setFont(FormFont());
    // Children are made in template order, which Qt takes as the tab order.
    for (const DialogControl &control : ENTRY_FORM_CONTROLS) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case ControlKind::DatePicker:
            date_ = new QDateEdit(QDate::currentDate(), this);
            date_->setCalendarPopup(true);
            connect(date_, &QDateEdit::dateChanged, this, &EntryForm::pickedDateChanged);
            widget = date_;
            break;
        case ControlKind::DropDownList:
            temperature_ = new FormComboBox(this);
            temperature_->setEditable(false);
            widget = temperature_;
            break;
        case ControlKind::DropDownCombo: {
            auto *comment = new FormComboBox(this);
            comment->MakeEditable();
            comment_ = comment;
            // The list holds the journal's comments only, and typing must not complete to one of them.
            comment_->setInsertPolicy(QComboBox::NoInsert);
            comment_->setCompleter(nullptr);
            comment_->lineEdit()->setMaxLength(MAX_COMMENT_CHARS);
            comment_->lineEdit()->setValidator(new CommentValidator(comment_->lineEdit()));
            widget = comment_;
            break;
        }
        default:
            widget = new QLabel(FromUtf8(control.text), this);
            break;
        }
        widget->setGeometry(control.kind == ControlKind::Static ? FormUnitsToPixels(control.rect)
                                                                : ClosedRect(control));
        unzoomed_.emplace_back(widget, widget->geometry());
    }
    UseLocaleDateFormat();
    resize(FormUnitsToPixels(ENTRY_FORM_TEMPLATE.rect).size());
}

void EntryForm::SetZoom(int zoom) {
    QFont zoomed = font();
    zoomed.setPixelSize(FORM_FONT_PIXELS * zoom);
    setFont(zoomed);
    // The calendar drops down as a window of its own, which takes no font from the form.
    date_->calendarWidget()->setFont(zoomed);
    for (const auto &[widget, rect] : unzoomed_) {
        widget->setGeometry(Zoomed(rect, zoom));
    }
    resize(FormUnitsToPixels(ENTRY_FORM_TEMPLATE.rect).size() * zoom);
    PlaceInParent();
}

void EntryForm::UseLocaleDateFormat() {
    // The locale's short date, as the calendar that drops down from the field follows the locale too: its
    // year in four digits where the field is wide enough for them, and in numbers only where the locale's own
    // form does not fit.
    // The C locale's own short date ("d MMM yy") squeezes to "7 12 26", which reads as no date at all; it
    // gets ISO's order instead.
    const QLocale locale = date_->locale();
    const QString format = locale.language() == QLocale::C ? QStringLiteral("yy-MM-dd")
                                                           : locale.dateFormat(QLocale::ShortFormat);
    for (const QString &candidate : {WithFourDigitYear(format), format, CompactDateFormat(format)}) {
        date_->setDisplayFormat(candidate);
        if (date_->sizeHint().width() <= date_->width()) {
            return;
        }
    }
}

QWidget *EntryForm::Control(int id) const {
    switch (id) {
    case IDC_DATE:
        return date_;
    case IDC_TEMPERATURE:
        return temperature_;
    case IDC_COMMENT:
        return comment_;
    default:
        return nullptr;
    }
}

int EntryForm::ControlIdOf(const QWidget *widget) const {
    // The editable fields have inner line edits that take the focus; they count as their control.
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        for (const int id : {IDC_DATE, IDC_TEMPERATURE, IDC_COMMENT}) {
            if (widget == Control(id)) {
                return id;
            }
        }
    }
    return -1;
}

Date EntryForm::PickedDate() const {
    return ToDate(date_->date());
}

std::string EntryForm::CommentText() const {
    // The field's validator has cleaned what was typed; text set by the program is cleaned here.
    const QString text = comment_->currentText().left(comment_->lineEdit()->maxLength());
    return CleanComment(text, 0).text.toStdString();
}

void EntryForm::SetCommentItems(const std::vector<std::string> &comments) {
    comment_->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(comments.size()));
    for (const std::string &comment : comments) {
        items.append(QString::fromStdString(comment));
    }
    comment_->addItems(items);
}

void EntryForm::PlaceInParent() {
    const QWidget *parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    const int x = std::max(0, (parent->width() - width()) / 2);
    move(x, FORM_TOP * CurrentZoom());
    show();
}

QSize EntryForm::sizeHint() const {
    return FormUnitsToPixels(ENTRY_FORM_TEMPLATE.rect).size() * CurrentZoom();
}

void EntryForm::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void EntryForm::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

EntryForm *CreateEntryForm(QWidget &mainWindow) {
    auto *form = new EntryForm(&mainWindow);
    form->PlaceInParent();
    return form;
}

void FillFormLists(EntryForm *form) {
    if (form == nullptr) {
        return;
    }
    if (QComboBox *list = form->TemperatureList()) {
        list->clear();
        // Inserted at once: the box reacts to each insertion, and one is cheaper than one per item.
        QStringList items;
        items.reserve(TEMPERATURE_TOP - TEMPERATURE_BOTTOM + 1);
        for (int tenths = TEMPERATURE_TOP; tenths >= TEMPERATURE_BOTTOM; --tenths) {
            // "%2.1f" of the degrees, always with a point whatever the user's locale says.
            items.append(QString::number(tenths / 10.0, 'f', 1));
        }
        list->addItems(items);
        list->setCurrentIndex(DEFAULT_TEMPERATURE_INDEX);
    }
    if (QComboBox *box = form->CommentBox()) {
        box->clear();
        box->addItem(QStringLiteral("alk"));
        box->addItem(QStringLiteral("spät"));
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
}

} // namespace plenta
