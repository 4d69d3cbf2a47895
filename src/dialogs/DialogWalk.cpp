#include "dialogs/DialogWalk.h"

namespace umbrin {

bool DialogWalk::oeffne(Arbeitsfenster fenster)
{
    if (s_.DialogSchritt == 0)
        shell_.schliesseArbeitsfenster();
    if (!s_.FensterFrei)
        return false;
    shell_.oeffneFenster(fenster);
    if (fenster == Arbeitsfenster::Parameter)
        s_.FensterFrei = 0;
    return true;
}

void DialogWalk::starten()
{
    shell_.schliesseArbeitsfenster();
    s_.DialogSchritt = 1;
    if (s_.FensterFrei)
        shell_.oeffneFenster(Arbeitsfenster::OrtUndZeit);
}

void DialogWalk::weiter()
{
    if (s_.DialogSchritt == 1)
        s_.DialogSchritt = 3;
    shell_.schliesseArbeitsfenster();
}

void DialogWalk::abbrechen()
{
    // The walk ends before the windows close, so that no closing window opens the next one.
    s_.DialogSchritt = 0;
    shell_.schliesseArbeitsfenster();
    shell_.walkBeendet();
}

void DialogWalk::beenden()
{
    s_.DialogSchritt = 0;
    shell_.walkBeendet();
}

bool DialogWalk::typwahlErstellt()
{
    if (s_.DialogSchritt != 3)
        return false;
    s_.DialogSchritt = 4;
    return true;
}

void DialogWalk::fensterZerstoert(Arbeitsfenster fenster)
{
    switch (fenster) {
    case Arbeitsfenster::OrtUndZeit:
        if (s_.DialogSchritt == 3)
            oeffne(Arbeitsfenster::Typwahl);
        break;
    case Arbeitsfenster::Typwahl:
        if (s_.DialogSchritt > 2) {
            s_.DialogSchritt = 5;
            oeffne(Arbeitsfenster::Parameter);
        }
        break;
    case Arbeitsfenster::Parameter:
        if (s_.DialogSchritt >= 3) {
            oeffne(Arbeitsfenster::Zeichnung);
            beenden();
        }
        break;
    case Arbeitsfenster::Zeichnung:
        break;
    }
}

} // namespace umbrin
