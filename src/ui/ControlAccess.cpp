// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' accessible names and descriptions, the Tab order and the chart's spoken summary.
#include "ui/ControlAccess.h"

#include "ui/ChartArea.h"
#include "ui/EntryForm.h"
#include "ui/FromUtf8.h"
#include "ui/MainToolbar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <array>
#include <vector>

namespace plenta {

namespace {

struct ControlText {
    const char *name;
    const char *description;
};

// The toolbar's buttons by what they do; a mark button with its journal letter, which the chart's summary
// names it by.
struct ButtonText {
    Command command;
    char letter;
    ControlText text;
};

constexpr std::array<ButtonText, 7> BUTTON_TEXTS{{
    {Command::FirstDay,
     LETTER_FIRST_DAY,
     {QT_TRANSLATE_NOOP("ControlAccess", "Erster Tag der Periode"),
      QT_TRANSLATE_NOOP(
          "ControlAccess",
          "Mit diesem Tag beginnt ein neuer Zyklus; das Einschalten löscht die anderen Zeichen des Tages")}},
    {Command::Mucus,
     LETTER_MUCUS,
     {QT_TRANSLATE_NOOP("ControlAccess", "Schleim"),
      QT_TRANSLATE_NOOP("ControlAccess", "Zervixschleim an diesem Tag")}},
    {Command::Ovulation,
     LETTER_OVULATION,
     {QT_TRANSLATE_NOOP("ControlAccess", "Eisprung"),
      QT_TRANSLATE_NOOP("ControlAccess", "Vermuteter Eisprung an diesem Tag")}},
    {Command::Intercourse,
     LETTER_INTERCOURSE,
     {QT_TRANSLATE_NOOP("ControlAccess", "Geschlechtsverkehr"),
      QT_TRANSLATE_NOOP("ControlAccess", "Geschlechtsverkehr an diesem Tag")}},
    {Command::Save,
     '\0',
     {QT_TRANSLATE_NOOP("ControlAccess", "Speichern"),
      QT_TRANSLATE_NOOP(
          "ControlAccess",
          "Speichert Temperatur, Zeichen und Kommentar des gewählten Tages (auch: Eingabetaste halten)")}},
    {Command::DeleteDay,
     '\0',
     {QT_TRANSLATE_NOOP("ControlAccess", "Tag löschen"),
      QT_TRANSLATE_NOOP("ControlAccess", "Löscht alle Einträge des gewählten Tages (auch: Escape halten)")}},
    {Command::About,
     '\0',
     {QT_TRANSLATE_NOOP("ControlAccess", "Info und Beenden"),
      QT_TRANSLATE_NOOP("ControlAccess",
                        "Zeigt Programminfo und Tastenhilfe; dort lässt sich Plenta beenden")}},
}};

constexpr ControlText DATE_TEXT{
    QT_TRANSLATE_NOOP("ControlAccess", "Datum"),
    QT_TRANSLATE_NOOP("ControlAccess", "Der Tag, dessen Eintrag das Formular zeigt")};
constexpr ControlText TEMPERATURE_TEXT{
    QT_TRANSLATE_NOOP("ControlAccess", "Temperatur"),
    QT_TRANSLATE_NOOP("ControlAccess", "Aufwachtemperatur in Grad Celsius")};
constexpr ControlText COMMENT_TEXT{QT_TRANSLATE_NOOP("ControlAccess", "Kommentar"),
                                   QT_TRANSLATE_NOOP("ControlAccess", "Kurzer Kommentar zum gewählten Tag")};
constexpr const char *CHART_NAME = QT_TRANSLATE_NOOP("ControlAccess", "Temperaturkurve");

QString Translated(const char *text) {
    return QCoreApplication::translate("ControlAccess", text);
}

void Describe(QWidget *widget, const ControlText &text) {
    if (widget == nullptr) {
        return;
    }
    widget->setAccessibleName(Translated(text.name));
    widget->setAccessibleDescription(Translated(text.description));
    // An editable field's typing goes to its inner line edit, which a screen reader shows as a field of its
    // own.
    for (QLineEdit *edit : widget->findChildren<QLineEdit *>()) {
        edit->setAccessibleName(Translated(text.name));
        edit->setAccessibleDescription(Translated(text.description));
    }
}

QString MarkNames(const std::string &marks) {
    QStringList names;
    for (const ButtonText &button : BUTTON_TEXTS) {
        if (button.letter != '\0' && marks.find(button.letter) != std::string::npos) {
            names.append(Translated(button.text.name));
        }
    }
    return names.isEmpty() ? Translated(QT_TRANSLATE_NOOP("ControlAccess", "keine Zeichen"))
                           : Translated(QT_TRANSLATE_NOOP("ControlAccess", "Zeichen: %1"))
                                 .arg(names.join(QStringLiteral(", ")));
}

} // namespace

void OpenControls(EntryForm *form, MainToolbar *toolbar, ChartArea *chart) {
    std::vector<QWidget *> chain;
    if (form != nullptr) {
        Describe(form->DatePicker(), DATE_TEXT);
        Describe(form->TemperatureList(), TEMPERATURE_TEXT);
        Describe(form->CommentBox(), COMMENT_TEXT);
        chain = {form->DatePicker(), form->TemperatureList()};
    }
    if (toolbar != nullptr) {
        for (const ButtonText &button : BUTTON_TEXTS) {
            Describe(toolbar->Button(button.command), button.text);
            // The marks follow the temperature, the field a day's entry begins with; the comment ends the
            // form.
            if (button.command == Command::Save && form != nullptr) {
                chain.push_back(form->CommentBox());
            }
            chain.push_back(toolbar->Button(button.command));
        }
    } else if (form != nullptr) {
        chain.push_back(form->CommentBox());
    }
    if (chart != nullptr) {
        chart->setAccessibleName(Translated(CHART_NAME));
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

QString ChartDescription(const JournalScan &scan) {
    const DaySelection &day = scan.selection;
    const QString cycleDay =
        scan.stats.selectedCycleDay > 0
            ? Translated(QT_TRANSLATE_NOOP("ControlAccess", "Zyklustag %1")).arg(scan.stats.selectedCycleDay)
            : Translated(QT_TRANSLATE_NOOP("ControlAccess", "kein Zyklustag"));
    const QString temperature = day.hasEntry ? Translated(QT_TRANSLATE_NOOP("ControlAccess", "%1 °C"))
                                                   .arg(QLocale().toString(day.temperature / 10.0, 'f', 1))
                                             : Translated(QT_TRANSLATE_NOOP("ControlAccess", "kein Eintrag"));
    // Until a scan has read the journal (there may be none yet) the picked day's date is unknown here, while
    // the pending marks are already known.
    const QString picked =
        day.date.empty() ? Translated(QT_TRANSLATE_NOOP("ControlAccess", "Gewählter Tag: %1, %2, %3."))
                               .arg(cycleDay, temperature, MarkNames(day.marks))
                         : Translated(QT_TRANSLATE_NOOP("ControlAccess", "Gewählter Tag %1: %2, %3, %4."))
                               .arg(FromUtf8(day.date), cycleDay, temperature, MarkNames(day.marks));
    return picked + QLatin1Char('\n') + FromUtf8(scan.stats.statisticsText);
}

} // namespace plenta
