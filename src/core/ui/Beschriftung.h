#pragma once
// Relabelling of windows in the current language. Every component that shows a text of the
// string table carries that text's id as the dynamic property "textId"; one walk over a
// window gives each such component its caption, items or title, on opening and after every
// language switch. Components without an id (or with id 0) are never touched.
#include "core/State.h"

class QObject;
class QWidget;

namespace umbrin {

inline constexpr char TextIdEigenschaft[] = "textId";

void setzeTextId(QObject* komponente, int id);
int textId(const QObject* komponente);

// A window whose content is built in the current language (the dial listing, the tables)
// rebuilds it when the language changes, before its components are relabelled.
class SprachAktualisierbar {
public:
    virtual ~SprachAktualisierbar() = default;
    virtual void aktualisiereSprache(AppState& s) = 0;
};

// Relabels one component by its kind and text id (nothing for id 0 or a kind without rules).
void beschrifteKomponente(QObject* komponente, const AppState& s, int basis);

// Relabels a window: the window itself and everything in it, its actions included.
void beschrifteFenster(QWidget* fenster, const AppState& s, int basis);

// Asks every open window that builds its content in the current language to rebuild it.
void aktualisiereFenster(AppState& s);

// After a language switch or when a window is shown: aktualisiereFenster, then every open
// window is relabelled with the base 0 (German) or 2000 (English).
void beschrifteAlles(AppState& s, int basis);

} // namespace umbrin
