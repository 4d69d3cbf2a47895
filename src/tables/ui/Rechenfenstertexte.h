#pragma once
// The captions of the calculation window's components in German and English, by the
// component's object name.
#include <QString>

namespace umbrin {

// The caption of the component named `name` in language column 1 (German) or 2 (English);
// a null QString when the component has none here.
QString rechenfensterText(const QString& name, int sprachspalte);

} // namespace umbrin
