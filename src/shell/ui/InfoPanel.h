#pragma once
// The about panel: the program's name, version and authors, and the web page and mail
// address when the build names them (an empty entry is not shown).
#include "core/State.h"

#include <QFrame>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace umbrin {

class InfoPanel : public QFrame {
    Q_OBJECT
public:
    InfoPanel(AppState& s, const QString& heimseite, const QString& mail, QWidget* parent);

    // Opens a link; the desktop's handler by default, tests record it.
    void setOeffner(std::function<void(const QUrl&)> f) { oeffner_ = std::move(f); }
    // Called when OK hides the panel (the main window hides its start picture then).
    void setNachOk(std::function<void()> f) { nachOk_ = std::move(f); }

    void About1Click();
    void bHiOKClick();
    void Button2Click(QLabel* eintrag);
    void pHomeMouseMove(QLabel* eintrag);
    void pInternetMouseMove();

    QLabel* heimseite() const { return pHome_; }
    QLabel* mail() const { return pMail_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void faerbe(QLabel* l, const QColor& c);

    AppState& s_;
    QLabel* version_ = nullptr;
    QLabel* pHome_ = nullptr;
    QLabel* pMail_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::function<void(const QUrl&)> oeffner_;
    std::function<void()> nachOk_;
};

} // namespace umbrin
