#pragma once
// The captions of the tables-and-graphs window's components that no string-table text
// names, in German and English, by the component's object name.
#include <QString>

namespace umbrin {

// The caption of the component named `name` in language column 1 (German) or 2 (English);
// a null QString when the component has none here.
QString tabellenfensterText(const QString& name, int sprachspalte);

} // namespace umbrin
