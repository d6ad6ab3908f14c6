// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces of the chart's stand-in and the form's drop-downs.
#include "ui/AccessibleFactory.h"

#include "ui/ChartArea.h"
#include "ui/ControlAccess.h"
#include "ui/FormComboBox.h"
#include "ui/MarkButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace plenta {

namespace {

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartArea *chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return ChartDescription(static_cast<const ChartArea *>(widget())->Scan());
        }
        return QAccessibleWidget::text(kind);
    }
};

class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return Box()->currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.editable = Box()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString &action) override {
        if (action == showMenuAction()) {
            Box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *Box() const { return static_cast<QComboBox *>(widget()); }
};

// Qt's own check-button interface toggles a button without the tap that the toolbar reports, so a mark a
// reader switched on would look on and never reach a save. Here both actions tap it.
class MarkAccessible : public QAccessibleWidget {
public:
    explicit MarkAccessible(MarkButton *button)
        : QAccessibleWidget(button, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (Button()->isEnabled()) {
                Button()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    MarkButton *Button() const { return static_cast<MarkButton *>(widget()); }
};

QAccessibleInterface *CreateInterface(const QString &className, QObject *object) {
    if (className == QLatin1String(ChartArea::staticMetaObject.className())) {
        return new ChartAccessible(static_cast<ChartArea *>(object));
    }
    if (className == QLatin1String(FormComboBox::staticMetaObject.className())) {
        return new ComboAccessible(static_cast<FormComboBox *>(object));
    }
    if (className == QLatin1String(MarkButton::staticMetaObject.className())) {
        return new MarkAccessible(static_cast<MarkButton *>(object));
    }
    return nullptr;
}

} // namespace

void InstallAccessibleFactory() {
    QAccessible::removeFactory(CreateInterface);
    QAccessible::installFactory(CreateInterface);
}

void AnnounceChartChange(QWidget &mainWindow) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (ChartArea *chart = mainWindow.findChild<ChartArea *>(QString(), Qt::FindDirectChildrenOnly)) {
        QAccessibleEvent event(chart, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace plenta
