// The builder every page file of the parameter dialog uses: a control created under its
// name, by which the dialog then finds it.
#pragma once

#include "dialogs/ui/ParameterDialog.h"

namespace umbrin {

template <typename W>
W* ParameterDialog::neu(QWidget* eltern, const char* name)
{
    auto* w = new W(eltern);
    w->setObjectName(QString::fromLatin1(name));
    Q_ASSERT(!k_.contains(w->objectName()));
    k_.insert(w->objectName(), w);
    return w;
}

} // namespace umbrin
