#include "core/ui/Beschriftung.h"

#include "core/Textbeschriftung.h"
#include "core/Textumformung.h"
#include "core/ui/RadioGruppe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace umbrin {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList qListe(const std::vector<std::string>& liste)
{
    QStringList l;
    for (const auto& e : liste)
        l << q(e);
    return l;
}

bool istFenster(const QWidget* w)
{
    return w->isWindow() || qobject_cast<const QMdiSubWindow*>(w->parentWidget()) != nullptr;
}

Komponentenart artVon(const QObject* k)
{
    if (qobject_cast<const QLabel*>(k) || qobject_cast<const QAbstractButton*>(k) || qobject_cast<const QLineEdit*>(k)
        || qobject_cast<const QAction*>(k))
        return Komponentenart::Beschriftung;
    if (qobject_cast<const QTableWidget*>(k))
        return Komponentenart::Farbraster;
    if (qobject_cast<const QPlainTextEdit*>(k) || qobject_cast<const QTextEdit*>(k))
        return Komponentenart::Memo;
    if (qobject_cast<const QTabWidget*>(k))
        return Komponentenart::Seitenreiter;
    if (qobject_cast<const QListWidget*>(k))
        return Komponentenart::Liste;
    if (qobject_cast<const QComboBox*>(k))
        return Komponentenart::Auswahlliste;
    if (qobject_cast<const RadioGruppe*>(k))
        return Komponentenart::RadioGruppe;
    if (qobject_cast<const QGroupBox*>(k))
        return Komponentenart::Gruppe;
    if (const auto* w = qobject_cast<const QWidget*>(k); w && istFenster(w))
        return Komponentenart::Fenster;
    return Komponentenart::Sonstige;
}

void setzeBeschriftung(QObject* k, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(k)) {
        // Without a buddy a label shows its accelerator marks as they are, so they go.
        label->setText(label->buddy() ? text : q(OhneAccelerator(text.toStdString())));
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(k)) {
        knopf->setText(text);
    } else if (auto* feld = qobject_cast<QLineEdit*>(k)) {
        feld->setText(text);
    } else if (auto* aktion = qobject_cast<QAction*>(k)) {
        aktion->setText(text);
    }
}

void beschrifteFarbraster(QTableWidget* raster, const AppState& s)
{
    const auto zeilen = farbLegendenZeilen(s);
    if (raster->rowCount() < static_cast<int>(zeilen.size()))
        raster->setRowCount(static_cast<int>(zeilen.size()));
    const int spalteText = raster->columnCount() - 1;
    const int spalteSlot = spalteText - 1;
    if (spalteSlot < 0)
        return;
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        raster->setItem(r, spalteSlot, new QTableWidgetItem(q(zeilen[static_cast<std::size_t>(r)].first)));
        raster->setItem(r, spalteText, new QTableWidgetItem(q(zeilen[static_cast<std::size_t>(r)].second)));
    }
    if (auto* ueberschrift = raster->window()->findChild<QLabel*>(QStringLiteral("LabGrid")))
        ueberschrift->setText(q(farbLegendenUeberschrift(s)));
}

void wendeAn(QObject* k, Komponentenart art, const Beschriftung& b)
{
    switch (art) {
    case Komponentenart::Beschriftung:
        if (b.text)
            setzeBeschriftung(k, q(*b.text));
        break;
    case Komponentenart::Farbraster:
    case Komponentenart::Sonstige:
        break;
    case Komponentenart::Memo:
        if (b.eintraege) {
            const QString text = qListe(*b.eintraege).join(QLatin1Char('\n'));
            if (auto* memo = qobject_cast<QPlainTextEdit*>(k))
                memo->setPlainText(text);
            else if (auto* memo2 = qobject_cast<QTextEdit*>(k))
                memo2->setPlainText(text);
        }
        break;
    case Komponentenart::Seitenreiter:
        if (b.eintraege) {
            auto* reiter = qobject_cast<QTabWidget*>(k);
            for (int i = 0; i < reiter->count() && i < static_cast<int>(b.eintraege->size()); ++i)
                reiter->setTabText(i, q((*b.eintraege)[static_cast<std::size_t>(i)]));
        }
        break;
    case Komponentenart::Fenster:
        if (b.text)
            qobject_cast<QWidget*>(k)->setWindowTitle(q(*b.text));
        break;
    case Komponentenart::Liste:
        if (b.eintraege) {
            auto* liste = qobject_cast<QListWidget*>(k);
            const QSignalBlocker sperre(liste);
            liste->clear();
            liste->addItems(qListe(*b.eintraege));
        }
        break;
    case Komponentenart::Auswahlliste:
        if (b.eintraege) {
            auto* auswahl = qobject_cast<QComboBox*>(k);
            const QSignalBlocker sperre(auswahl);
            auswahl->clear();
            auswahl->addItems(qListe(*b.eintraege));
            const int index = b.auswahl.value_or(0);
            auswahl->setCurrentIndex(index < auswahl->count() ? index : auswahl->count() - 1);
        }
        break;
    case Komponentenart::Gruppe:
        if (b.text)
            qobject_cast<QGroupBox*>(k)->setTitle(q(*b.text));
        break;
    case Komponentenart::RadioGruppe: {
        auto* gruppe = qobject_cast<RadioGruppe*>(k);
        const QSignalBlocker sperre(gruppe);
        if (b.text)
            gruppe->setTitle(q(*b.text));
        if (b.eintraege)
            gruppe->setEintraege(qListe(*b.eintraege));
        break;
    }
    }
}

} // namespace

void setzeTextId(QObject* komponente, int id)
{
    komponente->setProperty(TextIdEigenschaft, id);
}

int textId(const QObject* komponente)
{
    const QVariant wert = komponente->property(TextIdEigenschaft);
    return wert.isValid() ? wert.toInt() : 0;
}

void beschrifteKomponente(QObject* komponente, const AppState& s, int basis)
{
    const int id = textId(komponente);
    if (id == 0)
        return;
    const Komponentenart art = artVon(komponente);
    if (art == Komponentenart::Farbraster) {
        beschrifteFarbraster(qobject_cast<QTableWidget*>(komponente), s);
        return;
    }
    wendeAn(komponente, art, beschriftungFuer(s, art, id, basis));
}

void beschrifteFenster(QWidget* fenster, const AppState& s, int basis)
{
    QSet<QObject*> erledigt;
    auto beschrifte = [&](QObject* k) {
        if (!erledigt.contains(k)) {
            erledigt.insert(k);
            beschrifteKomponente(k, s, basis);
        }
    };
    beschrifte(fenster);
    for (QAction* aktion : fenster->actions())
        beschrifte(aktion);
    for (QObject* k : fenster->findChildren<QObject*>()) {
        beschrifte(k);
        if (auto* w = qobject_cast<QWidget*>(k))
            for (QAction* aktion : w->actions())
                beschrifte(aktion);
    }
}

void aktualisiereFenster(AppState& s)
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* fenster = dynamic_cast<SprachAktualisierbar*>(w))
            fenster->aktualisiereSprache(s);
}

void beschrifteAlles(AppState& s, int basis)
{
    aktualisiereFenster(s);
    for (QWidget* fenster : QApplication::topLevelWidgets())
        beschrifteFenster(fenster, s, basis);
}

} // namespace umbrin
