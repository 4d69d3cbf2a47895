#include "drawing/ui/ZeichenfensterDienste.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace umbrin {

QString qtFilter(const QString& filter)
{
    // Pairs of a description and its patterns. The description may already show its patterns
    // in brackets ("HPGL (*.plt)"): then they are not written twice. "*.*" means every file.
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList filter2;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QString muster = teile[i + 1];
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        muster.remove(QLatin1Char(')')).remove(QLatin1Char('('));
        muster = muster.simplified();
        if (muster == QLatin1String("*.*"))
            muster = QStringLiteral("*");
        QString text = teile[i].trimmed();
        const int klammer = text.indexOf(QLatin1Char('('));
        if (klammer >= 0)
            text = text.left(klammer).trimmed();
        filter2 << text + QStringLiteral(" (") + muster + QLatin1Char(')');
    }
    return filter2.join(QStringLiteral(";;"));
}

void setzeStandardDialoge(ZeichenfensterDienste& d)
{
    if (!d.druckerDialog) {
        d.druckerDialog = [](QPrinter& drucker, QWidget* eltern) {
            QPrintDialog dialog(&drucker, eltern);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    if (!d.speichernDialog) {
        d.speichernDialog = [](QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                               const QString& endung) {
            QFileDialog dialog(eltern, titel, vorschlag, qtFilter(filter));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(endung);
            dialog.selectFile(vorschlag);
            return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                         : QString();
        };
    }
    if (!d.oeffnenDialog) {
        d.oeffnenDialog = [](QWidget* eltern, const QString& titel, const QString& filter, const QString& endung) {
            QFileDialog dialog(eltern, titel, QString(), qtFilter(filter));
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDefaultSuffix(endung);
            return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                         : QString();
        };
    }
}

} // namespace umbrin
