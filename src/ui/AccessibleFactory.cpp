// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces of the chart's stand-in and the form's drop-downs.
#include "ui/AccessibleFactory.h"

#include "ui/ChartArea.h"
#include "ui/ControlAccess.h"
#include "ui/FormComboBox.h"

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

QAccessibleInterface *CreateInterface(const QString &className, QObject *object) {
    if (className == QLatin1String(ChartArea::staticMetaObject.className())) {
        return new ChartAccessible(static_cast<ChartArea *>(object));
    }
    if (className == QLatin1String(FormComboBox::staticMetaObject.className())) {
        return new ComboAccessible(static_cast<FormComboBox *>(object));
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
