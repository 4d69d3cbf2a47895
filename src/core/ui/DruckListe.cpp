#include "core/ui/DruckListe.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <QPrinter>

namespace umbrin {

DruckListe::DruckListe(QPrinter& drucker, bool deutsch)
    : drucker_(drucker)
    , deutsch_(deutsch)
    , schrift_(QStringLiteral("Courier"), 11)
{
    schrift_.setStyleHint(QFont::Monospace);
    schrift_.setFixedPitch(true);
}

DruckListe::~DruckListe()
{
    verwerfen();
}

bool DruckListe::oeffnen(std::string& fehler)
{
    if (maler_.isActive())
        return true;
    datei_ = std::make_unique<Dateidruck>(drucker_, deutsch_);
    if (!datei_->bereit()) {
        fehler = datei_->fehler();
        datei_.reset();
        return false;
    }
    if (!maler_.begin(&drucker_)) {
        datei_.reset(); // the printer names the target again, not the temporary
        const QString ziel = drucker_.outputFileName().isEmpty() ? drucker_.printerName() : drucker_.outputFileName();
        fehler = druckstartFehlerText(ziel, deutsch_);
        return false;
    }
    schriftgroesse(schrift_.pointSize() > 0 ? schrift_.pointSize() : 11);
    maler_.setPen(Qt::black);
    y_ = 0;
    zeilen_ = 0;
    seiten_ = 1;
    seitenvorschub_ = false;
    zeile_.clear();
    return true;
}

void DruckListe::schreibe(std::string_view text)
{
    // Texts may carry their own line breaks (CR LF, or LF CR as the text tables write them).
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\f') {
            zeile_ += QString::fromUtf8(text.data() + anfang, static_cast<qsizetype>(i - anfang));
            if (!zeile_.isEmpty())
                zeileAusgeben();
            seitenvorschub_ = true;
            anfang = i + 1;
            continue;
        }
        if (c != '\r' && c != '\n')
            continue;
        zeile_ += QString::fromUtf8(text.data() + anfang, static_cast<qsizetype>(i - anfang));
        zeileAusgeben();
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
            ++i;
        anfang = i + 1;
    }
    zeile_ += QString::fromUtf8(text.data() + anfang, static_cast<qsizetype>(text.size() - anfang));
}

void DruckListe::zeilenende()
{
    zeileAusgeben();
}

void DruckListe::schriftgroesse(int punkte)
{
    // The size in device pixels from the printer's own resolution: a point size would be
    // scaled by whatever resolution the device reports for the painter at that moment,
    // which differs once a printer has run a job before.
    schrift_.setPointSize(punkte);
    schrift_.setPixelSize(std::max(1, static_cast<int>(std::lround(punkte * drucker_.resolution() / 72.0))));
    if (maler_.isActive())
        maler_.setFont(schrift_);
}

void DruckListe::zeileAusgeben()
{
    if (!maler_.isActive()) {
        zeile_.clear();
        return;
    }
    const QFontMetrics metrik(schrift_, &drucker_);
    if (y_ > 0 && (seitenvorschub_ || y_ + metrik.height() > drucker_.height())) {
        drucker_.newPage();
        ++seiten_;
        y_ = 0;
    }
    seitenvorschub_ = false;
    maler_.drawText(0, y_ + metrik.ascent(), zeile_);
    y_ += metrik.lineSpacing();
    ++zeilen_;
    zeile_.clear();
}

bool DruckListe::schliessen(std::string& fehler)
{
    if (!maler_.isActive())
        return true;
    if (!zeile_.isEmpty())
        zeileAusgeben();
    const bool beendet = maler_.end();
    const bool abgelegt = beendet && (!datei_ || datei_->abschliessen());
    if (!abgelegt)
        fehler = datei_ ? datei_->grund() : std::string(deutsch_ ? "Der Drucker hat den Druck nicht beendet"
                                                                  : "Printing failed");
    datei_.reset();
    return abgelegt;
}

void DruckListe::verwerfen()
{
    if (maler_.isActive()) {
        drucker_.abort();
        maler_.end();
    }
    datei_.reset();
    zeile_.clear();
}

} // namespace umbrin
