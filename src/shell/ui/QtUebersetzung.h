#pragma once
// The texts of Qt's own dialogs (open and save, print, page set-up, the buttons of message
// boxes) in the program's language. Qt's German catalogue comes with the system's Qt
// translations; where it is missing those dialogs stay English.
#include <QTranslator>

namespace umbrin {

class QtUebersetzung {
public:
    QtUebersetzung() = default;
    ~QtUebersetzung();
    QtUebersetzung(const QtUebersetzung&) = delete;
    QtUebersetzung& operator=(const QtUebersetzung&) = delete;

    // German installs the catalogue, English takes it out again; a switch to the language
    // already in force does nothing. False when German was asked for and no catalogue was found.
    bool setzeDeutsch(bool deutsch);
    bool deutschAktiv() const { return aktiv_; }

private:
    QTranslator katalog_;
    bool geladen_ = false;
    bool aktiv_ = false;
};

} // namespace umbrin
