#include "core/ui/FontVorhanden.h"

#include "core/Textumformung.h"

#include <QFontDatabase>
#include <QStringList>

namespace umbrin {

bool FontVorhanden(const std::string& name)
{
    const std::string gesucht = GrossSchrift(name);
    bool gefunden = false;
    for (const QString& familie : QFontDatabase::families())
        gefunden = gefunden || GrossSchrift(familie.toStdString()) == gesucht;
    return gefunden;
}

} // namespace umbrin
