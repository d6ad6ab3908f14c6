// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form's drop-downs; see FormComboBox.h.
#include "ui/FormComboBox.h"

#include "ui/Zoom.h"

#include <QLineEdit>
#include <QStyledItemDelegate>

namespace plenta {

namespace {

constexpr int LIST_ITEM_HEIGHT = 22;

// Gives every item of a drop-down list the handheld's 22-pixel row, times the zoom.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), LIST_ITEM_HEIGHT * CurrentZoom());
    }
};

} // namespace

FormComboBox::FormComboBox(QWidget *parent)
    : QComboBox(parent) {}

void FormComboBox::MakeEditable() {
    if (isEditable()) {
        return;
    }
    // A line edit of its own makes the box editable; the palette is the box's, as setEditable gives it.
    auto *edit = new QLineEdit(this);
    edit->setPalette(palette());
    setLineEdit(edit);
}

void FormComboBox::showPopup() {
    // Setting the delegate builds the list view, so it waits for the first drop-down.
    if (!rowsFixed_) {
        rowsFixed_ = true;
        setItemDelegate(new FixedRowDelegate(this));
    }
    QComboBox::showPopup();
}

} // namespace plenta
