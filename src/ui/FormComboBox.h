// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down of the entry form whose list rows are the handheld's 22 pixels. The list it drops down is built
// when it first drops down, not with the form: a combo box's list view is a window of its own, and building
// two of them is a noticeable part of the program's start.
#pragma once

#include <QComboBox>

namespace plenta {

class FormComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FormComboBox(QWidget *parent = nullptr);

    // Makes the box editable as setEditable(true) does, but without building the list there and then: the
    // list built at the first drop-down, for a box that is editable by then, gets the same scroll bar.
    void MakeEditable();

    void showPopup() override;

private:
    bool rowsFixed_ = false;
};

} // namespace plenta
