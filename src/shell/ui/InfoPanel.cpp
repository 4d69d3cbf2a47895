#include "shell/ui/InfoPanel.h"

#include "shell/ui/Farbpanel.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace umbrin {

InfoPanel::InfoPanel(AppState& s, const QString& heimseite, const QString& mail, QWidget* parent)
    : QFrame(parent)
    , s_(s)
    , oeffner_([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("pInternet"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Umbrin"), this);
    QFont gross = name->font();
    gross.setPointSize(gross.pointSize() * 2);
    gross.setBold(true);
    name->setFont(gross);
    name->setAlignment(Qt::AlignCenter);
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("lHi5"));
    version_->setAlignment(Qt::AlignCenter);
    auto* autoren = new QLabel(QStringLiteral("the Umbrin developers"), this);
    autoren->setAlignment(Qt::AlignCenter);
    pHome_ = new QLabel(heimseite, this);
    pHome_->setObjectName(QStringLiteral("pHome"));
    pMail_ = new QLabel(mail, this);
    pMail_->setObjectName(QStringLiteral("pMail"));
    for (QLabel* l : {pHome_, pMail_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        // No placeholder address is ever shown.
        l->setVisible(!l->text().isEmpty());
    }
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("bHiOK"));
    connect(ok_, &QPushButton::clicked, this, [this] { bHiOKClick(); });
    for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(version_), static_cast<QWidget*>(autoren),
                       static_cast<QWidget*>(pHome_), static_cast<QWidget*>(pMail_), static_cast<QWidget*>(ok_)})
        layout->addWidget(w);
    hide();
}

void InfoPanel::About1Click()
{
    version_->setText(QStringLiteral("Version") + QString::fromStdString(s_.VersionStr));
    adjustSize();
    QWidget* p = parentWidget();
    move((p->width() - width()) / 2, std::max(0, (p->height() - height()) / 3));
    show();
    raise();
}

void InfoPanel::bHiOKClick()
{
    hide();
    if (nachOk_)
        nachOk_();
}

void InfoPanel::Button2Click(QLabel* eintrag)
{
    if (eintrag == pHome_)
        oeffner_(QUrl(pHome_->text()));
    else if (eintrag == pMail_)
        oeffner_(QUrl(QStringLiteral("mailto:") + pMail_->text()));
}

void InfoPanel::faerbe(QLabel* l, const QColor& c)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, c);
    l->setPalette(pal);
}

void InfoPanel::pHomeMouseMove(QLabel* eintrag)
{
    faerbe(eintrag, alsQColor(s_.FarbeHell[0]));
}

void InfoPanel::pInternetMouseMove()
{
    for (QLabel* l : {pHome_, pMail_})
        faerbe(l, palette().color(QPalette::Button));
}

bool InfoPanel::eventFilter(QObject* o, QEvent* e)
{
    auto* l = qobject_cast<QLabel*>(o);
    if (l && (l == pHome_ || l == pMail_)) {
        if (e->type() == QEvent::MouseButtonPress) {
            Button2Click(l);
            return true;
        }
        if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
            pHomeMouseMove(l);
    }
    return QFrame::eventFilter(o, e);
}

void InfoPanel::mouseMoveEvent(QMouseEvent* e)
{
    pInternetMouseMove();
    QFrame::mouseMoveEvent(e);
}

} // namespace umbrin
