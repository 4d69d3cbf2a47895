#pragma once
// The panel of the symmetric equation of time in the tables-and-graphs window: the year, the
// number of table values per year, and buttons that print the pairs' table or save the pairs
// as a text or CSV file. The hosting window shows it from its check box and unchecks the box
// when the panel closes.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <QFrame>
#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace umbrin {

struct EoTSymmDienste {
    // The save dialog: the chosen file (empty when cancelled) and the index of the filter
    // chosen (0 text, 1 CSV, 2 all files). Filters are written "text|pattern|text|pattern".
    // Left empty, the platform's dialog asks.
    std::function<QString(QWidget* eltern, const QString& titel, const QString& filter, const QString& vorschlag,
                          int& filterIndex)>
        speichernDialog;
    // The printer after the print set-up; null when the user cancelled.
    std::function<QPrinter*()> drucker;
    // The panel closed: the window unchecks its box.
    std::function<void()> geschlossen;
};

class EoTSymmPanel : public QFrame {
    Q_OBJECT
public:
    EoTSymmPanel(AppState& s, UserPrompt& prompt, EoTSymmDienste dienste, QWidget* eltern);

    // Shows the panel with the year of the parameter record.
    void zeigen();
    // Leaving the year field: a year in 1300..2500 goes into Par.Jahr.
    void EdJahrExit();
    // " Drucken": closes the panel, builds the pairs and prints the table.
    void BitBtn3Click();
    // " Speichern": closes the panel, asks for a file and writes the pairs into it.
    void BitBtnSaveClick();
    // " Abbruch": closes the panel.
    void BitBtn2Click();
    void aktualisiereSprache();

    // The values per year of the chosen item.
    int werteProJahr() const;

    QLineEdit* EdJahr = nullptr;
    QComboBox* CbZeilen = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtnSave = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void schliessen();

    AppState& s_;
    UserPrompt& prompt_;
    EoTSymmDienste dienste_;
    QLabel* titel_ = nullptr;
    QLabel* jahrLabel_ = nullptr;
};

// The file name the pairs are saved under: the suffix follows the filter chosen (".txt" for
// text, ".csv" for CSV); with "all files" a name without suffix gets ".txt".
QString eotPaareDateiname(const QString& gewaehlt, int filterIndex);

} // namespace umbrin
