<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Plenta</source>
        <translation>About Plenta</translation>
    </message>
    <message>
        <source>Zyklus und Temperatur</source>
        <translation>Cycle and temperature</translation>
    </message>
    <message>
        <source>im Blick</source>
        <translation>at a glance</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>ChangeTexts</name>
    <message>
        <source>%1.%2.%3</source>
        <comment>day, month, year</comment>
        <translation>%3-%2-%1</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source> und %1 weiterer Tag</source>
        <translation> and %1 more day</translation>
    </message>
    <message>
        <source> und %1 weitere Tage</source>
        <translation> and %1 more days</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>eine halbe Sekunde gehalten</source>
        <translation>held for half a second</translation>
    </message>
    <message>
        <source>%1 ms gehalten</source>
        <translation>held for %1 ms</translation>
    </message>
    <message>
        <source>Aufruf: plenta [--zoom N] [--help] [--version] [Qt-Optionen wie -platform NAME]
</source>
        <translation>Usage: plenta [--zoom N] [--help] [--version] [Qt options such as -platform NAME]
</translation>
    </message>
    <message>
        <source>--zoom braucht eine ganze Zahl von %1, nicht &apos;%2&apos;</source>
        <translation>--zoom takes a whole number from %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unbekannte Option &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>
Plenta führt ein Tagebuch der Basaltemperatur und der Zykluszeichen und zeigt die Zyklen als
Kurve.

Optionen:
  --zoom N    das Fenster N-mal größer zeigen, %1, für diesen Start; ohne die Option gilt
              der zuletzt mit Strg+Plus, Strg+Minus oder Strg+0 gewählte Zoom, sonst der
              größte, dessen Fenster in 60 % der verfügbaren Bildschirmhöhe passt
  --help      diesen Text ausgeben und enden
  --version   die Version ausgeben und enden

Tasten:
  Eingabe         nächstes Feld; %2: den Eintrag des gewählten Tages speichern
  Escape          das Info-Fenster; %2: die Einträge des gewählten Tages löschen
  Hoch, Runter    den Wert des Feldes mit dem Fokus ändern
  Doppelklick     die Statistik zeigen
</source>
        <translation>
Plenta keeps a journal of the basal body temperature and the cycle marks, and shows the
cycles as a chart.

Options:
  --zoom N    show the window N times larger, %1, for this run; without it the zoom
              last chosen with Ctrl+Plus, Ctrl+Minus or Ctrl+0, or else the largest whose
              window fits in 60% of the screen&apos;s available height
  --help      print this text and end
  --version   print the version and end

Keys:
  Return          next field; %2: save the picked day&apos;s entry
  Escape          the About box; %2: delete the picked day&apos;s entries
  Up, Down        change the value of the field that has the focus
  double click    show the statistics
</translation>
    </message>
    <message>
        <source>Mehr mit &apos;plenta --help&apos;.
</source>
        <translation>Try &apos;plenta --help&apos; for more.
</translation>
    </message>
    <message>
        <source>
Das Tagebuch liegt in $PLENTA_ROOT, sonst in ~/.local/share/plenta, außer die
registry.ini dort nennt den synchronisierten Ordner. Jedes Speichern, Löschen und Übernehmen
wird dort in history.jsonl festgehalten, nur auf diesem Gerät (die letzten %1 Änderungen,
höchstens %2 MiB), damit plenta-journal undo es rückgängig macht und plenta-journal missing
und restore Einträge zurückbringen, die ein Sync-Dienst verloren hat. Siehe auch
plenta-journal(1).
</source>
        <translation>
The journal lies in $PLENTA_ROOT, or else in ~/.local/share/plenta, unless registry.ini there
names the synchronised folder. Every save, delete and merge is recorded in history.jsonl
there, on this device only (the latest %1 changes, at most %2 MiB), so that plenta-journal
undo reverts it and plenta-journal missing and restore bring back entries a sync client
dropped. See also plenta-journal(1).
</translation>
    </message>
</context>
<context>
    <name>CommentValidator</name>
    <message>
        <source>Nicht speicherbar, weggelassen: %1</source>
        <translation>Cannot be stored, left out: %1</translation>
    </message>
</context>
<context>
    <name>ConflictOffer</name>
    <message>
        <source>%1 Eintrag übernommen!</source>
        <translation>%1 entry merged!</translation>
    </message>
    <message>
        <source>%1 Einträge übernommen!</source>
        <translation>%1 entries merged!</translation>
    </message>
    <message>
        <source>%1 abweichender Eintrag nicht übernommen.</source>
        <translation>%1 differing entry not merged.</translation>
    </message>
    <message>
        <source>%1 abweichende Einträge nicht übernommen.</source>
        <translation>%1 differing entries not merged.</translation>
    </message>
    <message>
        <source>%1 Zeile ist kein Eintrag.</source>
        <translation>%1 line is not an entry.</translation>
    </message>
    <message>
        <source>%1 Zeilen sind kein Eintrag.</source>
        <translation>%1 lines are not entries.</translation>
    </message>
    <message>
        <source>%1 Konfliktkopie der Datenbank gefunden!
Sie enthält Einträge, die der Datenbank fehlen.
Jetzt übernehmen?
(Weicht ein Eintrag ab, bleibt der der Datenbank.)</source>
        <translation>%1 conflict copy of the journal found!
It holds entries the journal lacks.
Merge them now?
(Where an entry differs, the journal&apos;s stays.)</translation>
    </message>
    <message>
        <source>%1 Konfliktkopien der Datenbank gefunden!
Sie enthalten Einträge, die der Datenbank fehlen.
Jetzt übernehmen?
(Weicht ein Eintrag ab, bleibt der der Datenbank.)</source>
        <translation>%1 conflict copies of the journal found!
They hold entries the journal lacks.
Merge them now?
(Where an entry differs, the journal&apos;s stays.)</translation>
    </message>
</context>
<context>
    <name>ControlAccess</name>
    <message>
        <source>Erster Tag der Periode</source>
        <translation>First day of period</translation>
    </message>
    <message>
        <source>Mit diesem Tag beginnt ein neuer Zyklus; das Einschalten löscht die anderen Zeichen des Tages</source>
        <translation>A new cycle starts on this day; switching it on clears the day&apos;s other marks</translation>
    </message>
    <message>
        <source>Schleim</source>
        <translation>Mucus</translation>
    </message>
    <message>
        <source>Zervixschleim an diesem Tag</source>
        <translation>Cervical mucus on this day</translation>
    </message>
    <message>
        <source>Eisprung</source>
        <translation>Ovulation</translation>
    </message>
    <message>
        <source>Vermuteter Eisprung an diesem Tag</source>
        <translation>Presumed ovulation on this day</translation>
    </message>
    <message>
        <source>Geschlechtsverkehr</source>
        <translation>Intercourse</translation>
    </message>
    <message>
        <source>Geschlechtsverkehr an diesem Tag</source>
        <translation>Intercourse on this day</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichert Temperatur, Zeichen und Kommentar des gewählten Tages (auch: Eingabetaste halten)</source>
        <translation>Saves the picked day&apos;s temperature, marks and comment (or hold Return)</translation>
    </message>
    <message>
        <source>Tag löschen</source>
        <translation>Delete day</translation>
    </message>
    <message>
        <source>Löscht alle Einträge des gewählten Tages (auch: Escape halten)</source>
        <translation>Deletes every entry of the picked day (or hold Escape)</translation>
    </message>
    <message>
        <source>Info und Beenden</source>
        <translation>About and quit</translation>
    </message>
    <message>
        <source>Zeigt Programminfo und Tastenhilfe; dort lässt sich Plenta beenden</source>
        <translation>Shows information about Plenta and the key help; you can quit Plenta from there</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Der Tag, dessen Eintrag das Formular zeigt</source>
        <translation>The day whose entry the form shows</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Aufwachtemperatur in Grad Celsius</source>
        <translation>Waking temperature in degrees Celsius</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Kurzer Kommentar zum gewählten Tag</source>
        <translation>A short comment on the picked day</translation>
    </message>
    <message>
        <source>Temperaturkurve</source>
        <translation>Temperature chart</translation>
    </message>
    <message>
        <source>keine Zeichen</source>
        <translation>no marks</translation>
    </message>
    <message>
        <source>Zeichen: %1</source>
        <translation>marks: %1</translation>
    </message>
    <message>
        <source>Zyklustag %1</source>
        <translation>cycle day %1</translation>
    </message>
    <message>
        <source>kein Zyklustag</source>
        <translation>no cycle day</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>kein Eintrag</source>
        <translation>no entry</translation>
    </message>
    <message>
        <source>Gewählter Tag: %1, %2, %3.</source>
        <translation>Picked day: %1, %2, %3.</translation>
    </message>
    <message>
        <source>Gewählter Tag %1: %2, %3, %4.</source>
        <translation>Picked day %1: %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>CycleReport</name>
    <message>
        <source>Periode</source>
        <translation>period</translation>
    </message>
    <message>
        <source>Schleim</source>
        <translation>mucus</translation>
    </message>
    <message>
        <source>Eisprung</source>
        <translation>ovulation</translation>
    </message>
    <message>
        <source>Verkehr</source>
        <translation>intercourse</translation>
    </message>
    <message>
        <source>Laufender Zyklus ab %1</source>
        <translation>Running cycle from %1</translation>
    </message>
    <message>
        <source>Zyklus ab %1, %2 Tage</source>
        <translation>Cycle from %1, %2 days</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zyklustag</source>
        <translation>Cycle day</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Zeichen</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Plenta: Zyklusbericht</source>
        <translation>Plenta: cycle report</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Zyklusbericht</source>
        <translation>Cycle report</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>
Eingabe, Esc	Action, Escape
Alt+1, S, E, X	Zeichen
Strg+S, Strg+D	Speichern, Löschen
Strg+I, F1	Statistik, Hilfe
Strg+P	Bericht (PDF)
Strg+Plus, -, 0	Größe
Strg+Q	Beenden
</source>
        <translation>
Return, Esc	Action, Escape
Alt+1, S, E, X	marks
Ctrl+S, Ctrl+D	save, delete
Ctrl+I, F1	statistics, help
Ctrl+P	report (PDF)
Ctrl+Plus, -, 0	zoom
Ctrl+Q	quit
</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>MissingOffer</name>
    <message>
        <source>%1 gespeicherter Eintrag fehlt der Datenbank!
%2
Ein anderes Programm hat ihn entfernt.
Jetzt wiederherstellen?</source>
        <translation>%1 saved entry is missing from the journal!
%2
Another program removed it.
Restore it now?</translation>
    </message>
    <message>
        <source>%1 gespeicherte Einträge fehlen der Datenbank!
%2
Ein anderes Programm hat sie entfernt.
Jetzt wiederherstellen?</source>
        <translation>%1 saved entries are missing from the journal!
%2
Another program removed them.
Restore them now?</translation>
    </message>
    <message>
        <source>%1 Eintrag wiederhergestellt!</source>
        <translation>%1 entry restored!</translation>
    </message>
    <message>
        <source>%1 Einträge wiederhergestellt!</source>
        <translation>%1 entries restored!</translation>
    </message>
</context>
<context>
    <name>ReportSaving</name>
    <message>
        <source>Bericht speichern</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <source>Bericht gespeichert!</source>
        <translation>Report saved!</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben des Berichts!</source>
        <translation>The report could not be written!</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Zeichen 1 (erster Tag) umschalten</source>
        <translation>switch the first-day mark 1</translation>
    </message>
    <message>
        <source>Zeichen S (Schleim) umschalten</source>
        <translation>switch the mucus mark S</translation>
    </message>
    <message>
        <source>Zeichen E (Eisprung) umschalten</source>
        <translation>switch the ovulation mark E</translation>
    </message>
    <message>
        <source>Zeichen X (Sex) umschalten</source>
        <translation>switch the intercourse mark X</translation>
    </message>
    <message>
        <source>Strg+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>den Eintrag des gewählten Tages speichern</source>
        <translation>save the picked day&apos;s entry</translation>
    </message>
    <message>
        <source>Strg+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>alle Einträge des gewählten Tages löschen</source>
        <translation>delete every entry of the picked day</translation>
    </message>
    <message>
        <source>die Tastenhilfe zeigen</source>
        <translation>show the key help</translation>
    </message>
    <message>
        <source>Strg+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>die Statistik zeigen</source>
        <translation>show the statistics</translation>
    </message>
    <message>
        <source>Strg+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>den Bericht für die Arztpraxis als PDF schreiben</source>
        <translation>write the report for the doctor as a PDF</translation>
    </message>
    <message>
        <source>Strg+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>das Programm beenden</source>
        <translation>end the program</translation>
    </message>
    <message>
        <source>Strg+Plus</source>
        <translation>Ctrl+Plus</translation>
    </message>
    <message>
        <source>größer zeigen</source>
        <translation>zoom in</translation>
    </message>
    <message>
        <source>Strg+Minus</source>
        <translation>Ctrl+Minus</translation>
    </message>
    <message>
        <source>kleiner zeigen</source>
        <translation>zoom out</translation>
    </message>
    <message>
        <source>Strg+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>zurück zur Größe des Handhelds (Zoom 1)</source>
        <translation>back to the handheld&apos;s size (zoom 1)</translation>
    </message>
    <message>
        <source>Strg+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>die letzte Änderung der Datenbank rückgängig machen (zuerst das Getippte eines Textfelds)</source>
        <translation>undo the latest change to the journal (a text field&apos;s own typing first)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Fehler beim Datenbankzugriff!</source>
        <translation>The journal could not be changed!</translation>
    </message>
    <message>
        <source>Eintrag gespeichert!</source>
        <translation>Entry saved!</translation>
    </message>
    <message>
        <source>Eintrag ersetzt!</source>
        <translation>Entry replaced!</translation>
    </message>
    <message>
        <source>Fehler mit der Datenbank!</source>
        <translation>The journal cannot be opened!</translation>
    </message>
    <message>
        <source>Plenta - Information</source>
        <translation>Plenta - Information</translation>
    </message>
    <message>
        <source>Datenbank hat %d Einträge
Zeitraum:	%d Tag(e)
Zyklen:		%d
Durchschnitt:	%d Tage
Nächste Periode in %d Tag(en)</source>
        <translation>The journal holds %d entries
Time span:	%d day(s)
Cycles:		%d
Average cycle:	%d days
Next period in %d day(s)</translation>
    </message>
    <message>
        <source>Eintrag gelöscht!</source>
        <translation>Entry deleted!</translation>
    </message>
    <message>
        <source>Action	nächstes Feld
Rocker	 Änderungen
Action (lang)	Speichern
Escape (lang)	Löschen

Doppeltap	Statistik
Escape,  dann Action
	 Beenden
</source>
        <translation>Action	next field
Rocker	 change the value
Action (hold)	save
Escape (hold)	delete

Double tap	statistics
Escape, then Action
	 quit
</translation>
    </message>
    <message>
        <source>Nächste Periode: unbekannt</source>
        <translation>Next period: not known yet</translation>
    </message>
    <message>
        <source>Eintrag wiederhergestellt!</source>
        <translation>Entry restored!</translation>
    </message>
    <message>
        <source>Nichts rückgängig zu machen!</source>
        <translation>Nothing to undo!</translation>
    </message>
    <message>
        <source>Nicht rückgängig gemacht!
Inzwischen anderswo geändert:</source>
        <translation>Not undone!
Changed elsewhere since:</translation>
    </message>
    <message>
        <source>Nicht im Verlauf gespeichert:
nicht rückgängig zu machen!</source>
        <translation>Not recorded in the history:
this cannot be undone!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Verlaufs!</source>
        <translation>The history cannot be read!</translation>
    </message>
    <message>
        <source>Hier würde folgendes Bild mit
%dx%d Pixeln angezeigt
werden :
</source>
        <translation>Here the following picture
of %dx%d pixels would
be shown:
</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>1st day</source>
        <translation>First day of the period</translation>
    </message>
    <message>
        <source>Schleim</source>
        <translation>Mucus</translation>
    </message>
    <message>
        <source>Eisprung</source>
        <translation>Ovulation</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Intercourse</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete All Entries of This Day</source>
        <translation>Delete all entries of this day</translation>
    </message>
    <message>
        <source>About - Exit</source>
        <translation>About - Quit</translation>
    </message>
</context>
<context>
    <name>journal</name>
    <message>
        <source>ist ein symbolischer Link, dem der Verlauf nie folgt</source>
        <translation>is a symbolic link, which the history never follows</translation>
    </message>
    <message>
        <source>ist keine reguläre Datei</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>kann nicht geöffnet werden</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <source>kann als alte temporäre Datei nicht entfernt werden</source>
        <translation>cannot be removed as the old temporary file</translation>
    </message>
    <message>
        <source>kann nicht gekürzt werden</source>
        <translation>cannot be trimmed</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>kann nicht geschrieben werden</source>
        <translation>cannot be written</translation>
    </message>
    <message>
        <source>kann nicht gesperrt werden</source>
        <translation>cannot be locked</translation>
    </message>
    <message>
        <source>kann nicht privat gemacht werden (Modus 0600)</source>
        <translation>cannot be made private (mode 0600)</translation>
    </message>
    <message>
        <source>wurde immer wieder von einem anderen Programm ersetzt</source>
        <translation>kept being replaced by another program</translation>
    </message>
    <message>
        <source>%1; eine neuere Datei hat ihren Namen übernommen, darum blieb sie als &apos;%2&apos;</source>
        <translation>%1; a newer file took its name, so it was kept as &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1; sie liegt unter &apos;%2&apos;</source>
        <translation>%1; it lies at &apos;%2&apos;</translation>
    </message>
    <message>
        <source>sie ließ sich nicht ansehen: %1</source>
        <translation>it could not be looked at: %1</translation>
    </message>
    <message>
        <source>sie hat sich nach dem Zusammenführen geändert</source>
        <translation>it changed after it was merged</translation>
    </message>
    <message>
        <source>sie ließ sich zum Entfernen nicht beiseitelegen: %1</source>
        <translation>it could not be moved aside for removal: %1</translation>
    </message>
    <message>
        <source>sie ließ sich nicht wieder öffnen: %1</source>
        <translation>it could not be opened again: %1</translation>
    </message>
    <message>
        <source>ein anderes Programm hat sie zum Schreiben geöffnet</source>
        <translation>another program has it open for writing</translation>
    </message>
    <message>
        <source>ein anderes Programm ist dabei, sie zu schreiben</source>
        <translation>another program is about to write it</translation>
    </message>
    <message>
        <source>sie ließ sich nicht entfernen: %1</source>
        <translation>it could not be removed: %1</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Text nach dem schließenden Anführungszeichen eines Felds</source>
        <translation>text after a quoted field&apos;s closing quote</translation>
    </message>
    <message>
        <source>ein Feld in Anführungszeichen wird nie geschlossen</source>
        <translation>a quoted field is never closed</translation>
    </message>
    <message>
        <source>%1 ist &apos;%2&apos;, weder true noch false</source>
        <translation>%1 is &apos;%2&apos;, neither true nor false</translation>
    </message>
    <message>
        <source>%1 ist &apos;%2&apos;, keine ganze Zahl</source>
        <translation>%1 is &apos;%2&apos;, no whole number</translation>
    </message>
    <message>
        <source>die Kopfzeile nennt die Spalte &apos;%1&apos; zweimal</source>
        <translation>the header names the column &apos;%1&apos; twice</translation>
    </message>
    <message>
        <source>die erste Zeile ist keine Kopfzeile von drips Export: ihr fehlt die Spalte &apos;%1&apos;</source>
        <translation>the first line is no header of drip&apos;s export: it has no column &apos;%1&apos;</translation>
    </message>
    <message>
        <source>die Temperatur des Tages ist als ausgeschlossen markiert</source>
        <translation>its temperature is marked as excluded</translation>
    </message>
    <message>
        <source>der Tag hat keine Temperatur</source>
        <translation>it has no temperature</translation>
    </message>
    <message>
        <source>die Temperatur &apos;%1&apos; ist keine Zahl</source>
        <translation>the temperature &apos;%1&apos; is no number</translation>
    </message>
    <message>
        <source>die Temperatur %1 liegt außerhalb von %2 bis %3</source>
        <translation>the temperature %1 lies outside %2 to %3</translation>
    </message>
    <message>
        <source>%1 Felder, wo die Kopfzeile %2 hat</source>
        <translation>%1 fields where the header has %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein Datum JJJJ-MM-TT</source>
        <translation>&apos;%1&apos; is no date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>die Zeichen &quot;%1&quot; des Kommentars gibt es in Windows-1252 nicht, sie wurden zu &apos;?&apos;</source>
        <translation>the comment&apos;s characters &quot;%1&quot; are not in Windows-1252 and became &apos;?&apos;</translation>
    </message>
    <message>
        <source>der Kommentar wurde auf %1 Zeichen gekürzt</source>
        <translation>the comment was cut to %1 characters</translation>
    </message>
    <message>
        <source>nicht genug Speicher zum Neuschreiben; das Tagebuch blieb, wie es war</source>
        <translation>not enough memory for the rewrite; the journal was left as it is</translation>
    </message>
    <message>
        <source>die erste Zeile ist nicht die Kopfzeile von Plentas CSV-Export (%1)</source>
        <translation>the first line is not the header of Plenta&apos;s CSV export (%1)</translation>
    </message>
    <message>
        <source>das Zeichen &apos;%1&apos; ist weder 0 noch 1</source>
        <translation>the mark &apos;%1&apos; is neither 0 nor 1</translation>
    </message>
    <message>
        <source>die Temperatur &apos;%1&apos; ist keine Gradzahl mit einer Nachkommastelle wie 36.5</source>
        <translation>the temperature &apos;%1&apos; is not degrees with one decimal, like 36.5</translation>
    </message>
    <message>
        <source>der Kommentar enthält einen Zeilenumbruch, den ein Eintrag nicht haben kann</source>
        <translation>the comment holds a line break, which a record cannot</translation>
    </message>
    <message>
        <source>keine reguläre Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>größer als %1 MiB</source>
        <translation>larger than %1 MiB</translation>
    </message>
    <message>
        <source>die Datei enthält NUL-Bytes: sie ist kein CSV-Text</source>
        <translation>the file holds NUL bytes: it is no CSV text</translation>
    </message>
    <message>
        <source>die Datei ist kein UTF-8-Text (Byte %1)</source>
        <translation>the file is not UTF-8 text (byte %1)</translation>
    </message>
    <message>
        <source>die Datei ist leer: keine Kopfzeile</source>
        <translation>the file is empty: no header line</translation>
    </message>
    <message>
        <source>kann sie nicht lesen: %1</source>
        <translation>cannot read it: %1</translation>
    </message>
    <message>
        <source>ist ein Link, den ein anderer Benutzer in einem Ordner angelegt hat, in den jeder schreiben darf; ihm wurde nicht gefolgt</source>
        <translation>is a link another user made in a folder anyone may write to; it was not followed</translation>
    </message>
    <message>
        <source>ist ein Link auf &apos;%1&apos;, das kein Tagebuch ist (seine erste Zeile ist nicht die Kopfzeile eines Tagebuchs); ihm wurde nicht gefolgt</source>
        <translation>is a link to &apos;%1&apos;, which is no journal (its first line is not the journal&apos;s header); it was not followed</translation>
    </message>
    <message>
        <source>sie ist eine Fassung, die Syncthing aufbewahrt, und wird nie entfernt</source>
        <translation>it is a version Syncthing keeps, never removed</translation>
    </message>
    <message>
        <source>wird von einem anderen Programm zum Schreiben offen gehalten; es blieb, wie es war</source>
        <translation>is kept open for writing by another program; it was left as it is</translation>
    </message>
    <message>
        <source>wurde immer wieder von einem anderen Programm geändert; es blieb, wie es war</source>
        <translation>kept being changed by another program; it was left as it is</translation>
    </message>
    <message>
        <source>kann nicht geöffnet werden: %1</source>
        <translation>cannot be opened: %1</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>darf nicht geschrieben werden: %1; es blieb, wie es war</source>
        <translation>may not be written: %1; it was left as it is</translation>
    </message>
    <message>
        <source>ist größer als %1 MiB, mehr als ein Tagebuch fassen kann; es blieb, wie es war</source>
        <translation>is larger than %1 MiB, more than any journal can hold; it was left as it is</translation>
    </message>
    <message>
        <source>würde größer als %1 MiB, mehr als ein Tagebuch fassen kann; es blieb, wie es war</source>
        <translation>would become larger than %1 MiB, more than any journal can hold; it was left as it is</translation>
    </message>
    <message>
        <source>kann als alte temporäre Datei nicht entfernt werden: %1</source>
        <translation>cannot be removed as the old temporary file: %1</translation>
    </message>
    <message>
        <source>kann als temporäre Datei nicht angelegt werden: %1</source>
        <translation>cannot be created as the temporary file: %1</translation>
    </message>
    <message>
        <source>kann als temporäre Datei nicht geschrieben werden: %1</source>
        <translation>cannot be written as the temporary file: %1</translation>
    </message>
    <message>
        <source>kann nicht angelegt werden: %1</source>
        <translation>cannot be created: %1</translation>
    </message>
    <message>
        <source>kann als temporäre Datei nicht wieder geöffnet werden: %1</source>
        <translation>cannot be opened again as the temporary file: %1</translation>
    </message>
    <message>
        <source>kann nicht ersetzt werden: %1</source>
        <translation>cannot be replaced: %1</translation>
    </message>
    <message>
        <source>enthält die Fassung des Tagebuchs eines anderen Programms, die sich während des Speicherns geändert hat</source>
        <translation>holds another program&apos;s version of the journal, which changed during the save</translation>
    </message>
    <message>
        <source>hat symbolische Links, die im Kreis führen</source>
        <translation>has symbolic links that lead round in a circle</translation>
    </message>
    <message>
        <source>kann als Sperrdatei nicht geöffnet werden: %1</source>
        <translation>cannot be opened as the lock file: %1</translation>
    </message>
    <message>
        <source>wird seit über einer Sekunde von einem anderen Programm gehalten</source>
        <translation>has been held by another program for over a second</translation>
    </message>
    <message>
        <source>ist ein Kreis aus Links oder kein möglicher Dateiname</source>
        <translation>is a loop of links or no possible file name</translation>
    </message>
    <message>
        <source>ist von einem anderen Programm gesperrt</source>
        <translation>is locked by another program</translation>
    </message>
    <message>
        <source>existiert nicht; darin gibt es nichts rückgängig zu machen</source>
        <translation>does not exist; there is nothing to undo in it</translation>
    </message>
    <message>
        <source>%1: kann nicht gelesen werden (unlesbar oder von einem anderen Programm gesperrt)</source>
        <translation>%1: cannot be read (unreadable, or locked by another program)</translation>
    </message>
</context>
<context>
    <name>plenta-journal</name>
    <message>
        <source>die Konfliktkopien des Tagebuchs auflisten, die Sync-Dienste angelegt haben</source>
        <translation>list the sync services&apos; conflict copies of the journal</translation>
    </message>
    <message>
        <source>JSON für Skripte ausgeben</source>
        <translation>print JSON for scripts</translation>
    </message>
    <message>
        <source>die Einträge anderer Tagebuchdateien ins Tagebuch übernehmen</source>
        <translation>bring the records of other journal files into the journal</translation>
    </message>
    <message>
        <source>wessen Eintrag bleibt, wenn ein Datum abweicht: journal (der erste des Datums: der des Tagebuchs, sonst der der ersten Datei) oder other (der jeder Datei der Reihe nach, also der der letzten)</source>
        <translation>whose record stays when a date differs: journal (the first one of the date: the journal&apos;s, else the first file&apos;s) or other (each file&apos;s in turn, so the last file&apos;s)</translation>
    </message>
    <message>
        <source>die Dateien nach gelungener Übernahme entfernen</source>
        <translation>remove the files once the merge succeeded</translation>
    </message>
    <message>
        <source>die zu übernehmenden Dateien, etwa Konfliktkopien</source>
        <translation>the files to merge, such as conflict copies</translation>
    </message>
    <message>
        <source>alle Einträge als CSV oder JSON ausgeben</source>
        <translation>print every record as CSV or JSON</translation>
    </message>
    <message>
        <source>csv (Vorgabe) oder json</source>
        <translation>csv (default) or json</translation>
    </message>
    <message>
        <source>die zu schreibende Datei (Vorgabe: Standardausgabe)</source>
        <translation>the file to write (default: stdout)</translation>
    </message>
    <message>
        <source>die Zeilen eines CSV-Exports ins Tagebuch übernehmen</source>
        <translation>bring the rows of a CSV export into the journal</translation>
    </message>
    <message>
        <source>csv (Plentas Export, Vorgabe) oder drip</source>
        <translation>csv (Plenta&apos;s export, default) or drip</translation>
    </message>
    <message>
        <source>wessen Eintrag bleibt, wenn ein Datum abweicht: journal oder other</source>
        <translation>whose record stays when a date differs: journal or other</translation>
    </message>
    <message>
        <source>drip: die Temperatur der Tage ohne eine, 35.5 bis 37.5</source>
        <translation>drip: the temperature of days without one, 35.5 to 37.5</translation>
    </message>
    <message>
        <source>der zu übernehmende Export</source>
        <translation>the export to import</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist das Tagebuch selbst</source>
        <translation>&apos;%1&apos; is the journal itself</translation>
    </message>
    <message>
        <source>--default-temperature gilt für den Export von drip; der von Plenta hat in jeder Zeile eine Temperatur</source>
        <translation>--default-temperature is for drip&apos;s export; Plenta&apos;s has a temperature on every row</translation>
    </message>
    <message>
        <source>der Export würde das Tagebuch &apos;%1&apos; überschreiben</source>
        <translation>the export would overwrite the journal &apos;%1&apos;</translation>
    </message>
    <message>
        <source>die Tagebuchdatei (Vorgabe: die, die Plenta benutzt)</source>
        <translation>the journal file (default: the one Plenta uses)</translation>
    </message>
    <message>
        <source>das Datum, das für heute steht, JJJJ-MM-TT (Vorgabe: das lokale Datum)</source>
        <translation>the date that stands for today, YYYY-MM-DD (default: the local date)</translation>
    </message>
    <message>
        <source>den Statistiktext ausgeben, wie ihn das Statistikfenster zeigt</source>
        <translation>print the statistics text as the statistics box shows it</translation>
    </message>
    <message>
        <source>die Auswertung für ein gewähltes Datum als JSON ausgeben</source>
        <translation>print the scan&apos;s results for a picked date as JSON</translation>
    </message>
    <message>
        <source>das gewählte Datum, JJJJ-MM-TT (Vorgabe: heute)</source>
        <translation>the picked date, YYYY-MM-DD (default: today)</translation>
    </message>
    <message>
        <source>einen Eintrag speichern, wie es das Formular tut</source>
        <translation>store an entry as the form&apos;s save does</translation>
    </message>
    <message>
        <source>das Datum des Eintrags, JJJJ-MM-TT</source>
        <translation>the entry&apos;s date, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>35.5 bis 37.5 in Schritten von 0.1</source>
        <translation>35.5 to 37.5 in steps of 0.1</translation>
    </message>
    <message>
        <source>Zeichenbuchstaben in Schaltreihenfolge: 1 S E X</source>
        <translation>mark letters in switching order: 1 S E X</translation>
    </message>
    <message>
        <source>höchstens %1 Zeichen</source>
        <translation>at most %1 characters</translation>
    </message>
    <message>
        <source>alle Einträge eines Datums löschen, wie es das Formular tut</source>
        <translation>delete every record of a date as the form&apos;s delete does</translation>
    </message>
    <message>
        <source>das Datum, JJJJ-MM-TT</source>
        <translation>the date, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>die Kurve, wie sie das Hauptfenster zeigt, als PNG zeichnen</source>
        <translation>paint the chart as the main window shows it into a PNG</translation>
    </message>
    <message>
        <source>die zu schreibende PNG-Datei</source>
        <translation>the PNG file to write</translation>
    </message>
    <message>
        <source>das GIF unter der Kurve (Vorgabe: Plentas)</source>
        <translation>the GIF shown under the chart (default: Plenta&apos;s)</translation>
    </message>
    <message>
        <source>um ganze Pixel vergrößern, %1 bis %2</source>
        <translation>enlarge by whole pixels, %1 to %2</translation>
    </message>
    <message>
        <source>einen PDF-Bericht der letzten Zyklen für die Arztpraxis schreiben</source>
        <translation>write a PDF report of the recent cycles for the doctor</translation>
    </message>
    <message>
        <source>die zu schreibende PDF-Datei</source>
        <translation>the PDF file to write</translation>
    </message>
    <message>
        <source>gezählte Zyklen vor dem laufenden (Vorgabe 6)</source>
        <translation>counted cycles before the running one (default 6)</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos;; die Befehle sind %2</source>
        <translation>unknown command &apos;%1&apos;; the commands are %2</translation>
    </message>
    <message>
        <source>Liest und bearbeitet Plentas Tagebuch auf der Kommandozeile.</source>
        <translation>Reads and edits the Plenta journal from the command line.</translation>
    </message>
    <message>
        <source>nicht genug Speicher; keine Datei wurde geändert</source>
        <translation>not enough memory; no file was changed</translation>
    </message>
    <message>
        <source>Datum &apos;%1&apos; hat nicht die Form JJJJ-MM-TT</source>
        <translation>date &apos;%1&apos; is not of the form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Datum &apos;%1&apos; ist kein Kalenderdatum zwischen 1601 und 9999</source>
        <translation>date &apos;%1&apos; is no calendar date between 1601 and 9999</translation>
    </message>
    <message>
        <source>Temperatur &apos;%1&apos; ist keine von 35.5, 35.6, ... 37.5</source>
        <translation>temperature &apos;%1&apos; is not one of 35.5, 35.6, ... 37.5</translation>
    </message>
    <message>
        <source>Zeichen &apos;%1&apos; ist keiner der Buchstaben 1 S E X</source>
        <translation>mark &apos;%1&apos; is none of the letters 1 S E X</translation>
    </message>
    <message>
        <source>Zeichen &apos;%1&apos; ist doppelt angegeben</source>
        <translation>mark &apos;%1&apos; is given twice</translation>
    </message>
    <message>
        <source>Zeichen &apos;1&apos; muss zuerst kommen: der erste Tag löscht beim Einschalten die anderen Zeichen</source>
        <translation>mark &apos;1&apos; must come first: switching the first day on clears the other marks</translation>
    </message>
    <message>
        <source>Kommentar ist kein gültiges UTF-8</source>
        <translation>comment is not valid UTF-8</translation>
    </message>
    <message>
        <source>Kommentar enthält ein Steuerzeichen (Zeilenumbrüche und Tabulatoren sind nicht erlaubt)</source>
        <translation>comment holds a control character (line breaks and tabs are not allowed)</translation>
    </message>
    <message>
        <source>Kommentar hat %1 Zeichen; erlaubt sind höchstens %2</source>
        <translation>comment has %1 characters; at most %2 are allowed</translation>
    </message>
    <message>
        <source>die letzte noch nicht rückgängig gemachte Änderung von Plenta rückgängig machen</source>
        <translation>revert the latest change Plenta made that is not undone</translation>
    </message>
    <message>
        <source>die Änderungen von Plenta am Tagebuch auflisten, die neueste zuerst</source>
        <translation>list the changes Plenta made to the journal, newest first</translation>
    </message>
    <message>
        <source>höchstens N Änderungen auflisten</source>
        <translation>list at most N changes</translation>
    </message>
    <message>
        <source>Einträge auflisten, die Plenta schrieb und die dem Tagebuch nun fehlen</source>
        <translation>list records Plenta wrote that the journal no longer holds</translation>
    </message>
    <message>
        <source>fehlende Einträge zurückholen (siehe missing)</source>
        <translation>bring back missing records (see missing)</translation>
    </message>
    <message>
        <source>das Datum, das zurückgeholt wird, JJJJ-MM-TT</source>
        <translation>the date to restore, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>jeden fehlenden Eintrag zurückholen</source>
        <translation>restore every missing record</translation>
    </message>
    <message>
        <source>kann das Tagebuch &apos;%1&apos; nicht öffnen (fehlt, ist unlesbar oder von einem anderen Programm gesperrt)</source>
        <translation>cannot open the journal &apos;%1&apos; (missing, unreadable, or locked by another program)</translation>
    </message>
    <message>
        <source>kann den Bericht &apos;%1&apos; nicht schreiben</source>
        <translation>cannot write the report &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kann das Bild &apos;%1&apos; nicht schreiben</source>
        <translation>cannot write the image &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kann den Kurvenzeichner &apos;%1&apos; nicht starten: %2</source>
        <translation>cannot start the chart painter &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>ist nicht lesbar (unlesbar, keine gewöhnliche Datei, größer als %1 MiB oder von einem anderen Programm gesperrt)</source>
        <translation>cannot be read (unreadable, no regular file, larger than %1 MiB, or locked by another program)</translation>
    </message>
    <message>
        <source>kann den Export nicht auf die Standardausgabe schreiben</source>
        <translation>cannot write the export to stdout</translation>
    </message>
    <message>
        <source>kann den Export nicht nach &apos;%1&apos; schreiben: %2</source>
        <translation>cannot write the export to &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>die Datei ist das Tagebuch oder seine Sperrdatei</source>
        <translation>it is the journal or its lock file</translation>
    </message>
    <message>
        <source>die Datei ist ein symbolischer Link, dem ein Export nie folgt</source>
        <translation>it is a symbolic link, which an export never follows</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>it is no regular file</translation>
    </message>
    <message>
        <source>die Datei ist nicht zu prüfen: %1</source>
        <translation>it cannot be looked at: %1</translation>
    </message>
    <message>
        <source>der Name nennt keine Datei</source>
        <translation>the name names no file</translation>
    </message>
    <message>
        <source>keine temporäre Datei daneben möglich: %1</source>
        <translation>no temporary file can be made beside it: %1</translation>
    </message>
    <message>
        <source>die Datei ist nicht zu schreiben: %1; ein früherer Export dort bleibt erhalten</source>
        <translation>it cannot be written: %1; a previous export there is kept</translation>
    </message>
    <message>
        <source>der Ordner %1 existiert nicht</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 existiert nicht</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>%1 blieb, wie es war</source>
        <translation>%1 was left as it is</translation>
    </message>
    <message>
        <source>kann das Tagebuch nicht öffnen: %1</source>
        <translation>cannot open the journal: %1</translation>
    </message>
    <message>
        <source>kann das Tagebuch nicht neu schreiben: %1</source>
        <translation>cannot rewrite the journal: %1</translation>
    </message>
    <message>
        <source>kann den Verlauf nicht lesen: %1</source>
        <translation>cannot read the history: %1</translation>
    </message>
    <message>
        <source>keine fehlenden Einträge in %1</source>
        <translation>no records missing from %1</translation>
    </message>
    <message>
        <source>Warnung: das Tagebuch wurde geändert, aber der Verlauf ließ sich nicht schreiben (%1); diese Änderung kann daher nicht rückgängig gemacht werden</source>
        <translation>warning: the journal was changed, but the history could not be written (%1), so this change cannot be undone</translation>
    </message>
    <message>
        <source>rückgängig gemacht: %1 #%2 vom %3; wiederhergestellt: %4</source>
        <translation>undone: %1 #%2 of %3; restored %4</translation>
    </message>
    <message>
        <source>nichts rückgängig zu machen: der Verlauf enthält keine Änderung dieses Tagebuchs, die nicht schon rückgängig gemacht ist</source>
        <translation>nothing to undo: the history holds no change of this journal that is not undone</translation>
    </message>
    <message>
        <source>kann %1 #%2 nicht rückgängig machen: %3 wurde seither von einem anderen Programm oder Gerät geändert; das Tagebuch ist unverändert</source>
        <translation>cannot undo %1 #%2: %3 changed since by another program or device; the journal is unchanged</translation>
    </message>
    <message>
        <source>keine Änderungen von %1 im Verlauf</source>
        <translation>no changes of %1 in the history</translation>
    </message>
    <message>
        <source> (macht #%1 rückgängig)</source>
        <translation> (undoes #%1)</translation>
    </message>
    <message>
        <source> (rückgängig gemacht)</source>
        <translation> (undone)</translation>
    </message>
    <message>
        <source>kann das Tagebuch nicht mit seinem Verlauf vergleichen: %1</source>
        <translation>cannot compare the journal with its history: %1</translation>
    </message>
    <message>
        <source>fehlt %1: &quot;%2&quot; (geschrieben von %3 #%4 vom %5)</source>
        <translation>missing %1: &quot;%2&quot; (written by %3 #%4 of %5)</translation>
    </message>
    <message>
        <source>wiederhergestellt: %1</source>
        <translation>restored %1</translation>
    </message>
    <message>
        <source>%1 fehlt nicht: das Tagebuch enthält einen Eintrag dafür, oder Plenta hat nie einen geschrieben; das Tagebuch ist unverändert</source>
        <translation>%1 is not missing: the journal holds a record of it, or Plenta never wrote one; the journal is unchanged</translation>
    </message>
    <message>
        <source>kann &apos;%1&apos; nicht importieren: %2; das Tagebuch ist unverändert</source>
        <translation>cannot import &apos;%1&apos;: %2; the journal is unchanged</translation>
    </message>
    <message>
        <source>kann das Tagebuch &apos;%1&apos; nicht neu schreiben (unlesbar, von einem anderen Programm gesperrt, oder der Ordner ist voll oder schreibgeschützt); es ist unverändert</source>
        <translation>cannot rewrite the journal &apos;%1&apos; (unreadable, locked by another program, or the folder is full or read-only); it is unchanged</translation>
    </message>
    <message>
        <source>Konflikt %1: Tagebuch &quot;%2&quot;, importiert &quot;%3&quot;; behalten: %4</source>
        <translation>conflict %1: journal &quot;%2&quot;, imported &quot;%3&quot;; kept %4</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>journal</translation>
    </message>
    <message>
        <source>importiert</source>
        <translation>imported</translation>
    </message>
    <message>
        <source>nicht importiert: Zeile %1 (%2): %3</source>
        <translation>not imported: line %1 (%2): %3</translation>
    </message>
    <message>
        <source>geändert: Zeile %1 (%2): %3</source>
        <translation>changed: line %1 (%2): %3</translation>
    </message>
    <message>
        <source>importiert aus %1: %2 neu, %3 (%4), %5 schon im Tagebuch, %6 nicht importiert</source>
        <translation>imported %1: %2 added, %3 (%4), %5 already in the journal, %6 not imported</translation>
    </message>
    <message>
        <source>1 Konflikt</source>
        <translation>1 conflict</translation>
    </message>
    <message>
        <source>%1 Konflikte</source>
        <translation>%1 conflicts</translation>
    </message>
    <message>
        <source>wie im Tagebuch behalten</source>
        <translation>kept as the journal has them</translation>
    </message>
    <message>
        <source>wie in der importierten Datei behalten</source>
        <translation>kept as the imported file has them</translation>
    </message>
    <message>
        <source>ist nicht lesbar (unlesbar oder von einem anderen Programm gesperrt)</source>
        <translation>cannot be read (unreadable, or locked by another program)</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>1 Eintrag, der dem Tagebuch fehlt</source>
        <translation>1 record the journal lacks</translation>
    </message>
    <message>
        <source>%1 Einträge, die dem Tagebuch fehlen</source>
        <translation>%1 records the journal lacks</translation>
    </message>
    <message>
        <source>1 Eintrag weicht ab</source>
        <translation>1 record differs</translation>
    </message>
    <message>
        <source>%1 Einträge weichen ab</source>
        <translation>%1 records differ</translation>
    </message>
    <message>
        <source>1 Zeile ist kein Eintrag</source>
        <translation>1 line not a record</translation>
    </message>
    <message>
        <source>%1 Zeilen sind keine Einträge</source>
        <translation>%1 lines not a record</translation>
    </message>
    <message>
        <source>keine Konfliktkopien neben %1</source>
        <translation>no conflict copies beside %1</translation>
    </message>
    <message>
        <source>kann &apos;%1&apos; nicht übernehmen: die Datei ist größer als %2 MiB, mehr als ein Tagebuch fassen kann; das Tagebuch ist unverändert</source>
        <translation>cannot merge &apos;%1&apos;: it is larger than %2 MiB, more than any journal can hold; the journal is unchanged</translation>
    </message>
    <message>
        <source>kann &apos;%1&apos; nicht lesen (fehlt, ist unlesbar oder keine gewöhnliche Datei); das Tagebuch ist unverändert</source>
        <translation>cannot read &apos;%1&apos; (missing, unreadable, or no regular file); the journal is unchanged</translation>
    </message>
    <message>
        <source>ist nicht neu zu schreiben (unlesbar, von einem anderen Programm gesperrt, oder der Ordner ist voll oder schreibgeschützt); es ist unverändert</source>
        <translation>cannot be rewritten (unreadable, locked by another program, or the folder is full or read-only); it is unchanged</translation>
    </message>
    <message>
        <source>Konflikt %1: %2 &quot;%3&quot;, %4 &quot;%5&quot;; behalten: %6</source>
        <translation>conflict %1: %2 &quot;%3&quot;, %4 &quot;%5&quot;; kept %6</translation>
    </message>
    <message>
        <source>die andere Datei</source>
        <translation>other</translation>
    </message>
    <message>
        <source>nicht übernommen: %1 Zeile %2 ist kein Eintrag: &quot;%3&quot;</source>
        <translation>not merged: %1 line %2 is not a record: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>übernommen aus %1: %2 neu, %3 (%4), %5 schon im Tagebuch</source>
        <translation>merged %1: %2 added, %3 (%4), %5 already in the journal</translation>
    </message>
    <message>
        <source>1 Datei</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 Dateien</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>wie in der anderen Datei behalten</source>
        <translation>kept as the other file has them</translation>
    </message>
    <message>
        <source>behalten: %1: %2</source>
        <translation>kept %1: %2</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Genau eine der folgenden Optionen ist nötig</source>
        <translation>Exactly one of the following options is required</translation>
    </message>
    <message>
        <source>Aufruf</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONEN</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>BEFEHL</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>BEFEHLE</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>PFLICHT</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>Schließt aus</source>
        <translation>Excludes</translation>
    </message>
    <message>
        <source>diese Hilfe ausgeben und enden</source>
        <translation>print this help and exit</translation>
    </message>
    <message>
        <source>die Version ausgeben und enden</source>
        <translation>print the version and exit</translation>
    </message>
    <message>
        <source>Befehle</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>genau eine der Optionen %1 ist nötig</source>
        <translation>exactly one of the options %1 is needed</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 darf nur einmal stehen</source>
        <translation>%1 may be given only once</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 und %2 schließen einander aus</source>
        <translation>%1 and %2 cannot be used together</translation>
    </message>
    <message>
        <source>nicht erwartet: %1</source>
        <translation>not expected: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keine ganze Zahl von %2 bis %3</source>
        <translation>&apos;%1&apos; is not a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keine ganze Zahl ab %2</source>
        <translation>&apos;%1&apos; is not a whole number of at least %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist keines von %2</source>
        <translation>&apos;%1&apos; is not one of %2</translation>
    </message>
    <message>
        <source>Mehr mit &apos;plenta-journal --help&apos;.</source>
        <translation>Try &apos;plenta-journal --help&apos; for more.</translation>
    </message>
</context>
</TS>
