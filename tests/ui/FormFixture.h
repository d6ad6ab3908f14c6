// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the program's size holding the entry form and the toolbar as start-up builds them, the form's
// lists filled.
#pragma once

#include "chart/WindowBands.h"
#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"

#include <gtest/gtest.h>

#include <QToolButton>
#include <QWidget>

namespace plenta {

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(WINDOW_WIDTH, WINDOW_HEIGHT);
        form = CreateEntryForm(window);
        toolbar = CreateMainToolbar(window);
        FillFormLists(form);
    }

    bool Checked(Command command) const { return toolbar->Button(command)->isChecked(); }
    bool Enabled(Command command) const { return toolbar->Button(command)->isEnabled(); }

    QWidget window;
    EntryForm *form = nullptr;
    MainToolbar *toolbar = nullptr;
};

} // namespace plenta
