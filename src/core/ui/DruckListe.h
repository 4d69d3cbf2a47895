#pragma once
// Text lines on the printer, as a coordinate list or any other listing printed line by line:
// a fixed-pitch font ("Courier" or the nearest monospace face) in black, starting at the
// printable corner, with a new page whenever the next line would not fit. A form feed in the
// text ends the page: what follows starts on the next one.
#include "core/HPGLListe.h"
#include "core/ui/Dateidruck.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace umbrin {

class DruckListe : public HPGLListe {
public:
    // deutsch: the language of the message when a print into a file fails.
    explicit DruckListe(QPrinter& drucker, bool deutsch = true);
    ~DruckListe() override;

    // Starts the print job with the font in 11 points. False, with a message, when the
    // printer cannot start.
    bool oeffnen(std::string& fehler);
    bool istOffen() const { return maler_.isActive(); }

    void schreibe(std::string_view text) override;
    void zeilenende() override;
    void schriftgroesse(int punkte) override;
    bool schliessen(std::string& fehler) override;
    void verwerfen() override;

    // Lines printed so far (a line break inside a text counts) and pages begun.
    int zeilen() const { return zeilen_; }
    int seiten() const { return seiten_; }
    // The font the lines are printed in.
    const QFont& schrift() const { return schrift_; }

private:
    void zeileAusgeben();

    QPrinter& drucker_;
    bool deutsch_;
    std::unique_ptr<Dateidruck> datei_; // while a job into a file runs
    QPainter maler_;
    QFont schrift_;
    QString zeile_;
    int y_ = 0;
    int zeilen_ = 0;
    int seiten_ = 0;
    bool seitenvorschub_ = false; // a form feed waits for the next line
};

} // namespace umbrin
