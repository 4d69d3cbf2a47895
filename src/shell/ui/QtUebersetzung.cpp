#include "shell/ui/QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace umbrin {

QtUebersetzung::~QtUebersetzung()
{
    if (aktiv_)
        QCoreApplication::removeTranslator(&katalog_);
}

bool QtUebersetzung::setzeDeutsch(bool deutsch)
{
    if (deutsch == aktiv_)
        return true;
    if (!deutsch) {
        QCoreApplication::removeTranslator(&katalog_);
        aktiv_ = false;
        return true;
    }
    if (!geladen_)
        geladen_ = katalog_.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!geladen_)
        return false;
    aktiv_ = QCoreApplication::installTranslator(&katalog_);
    return aktiv_;
}

} // namespace umbrin
