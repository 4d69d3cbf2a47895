#pragma once
// The layout of a window as it stands (language, sizes): every child widget shown lies within
// the window's client area, and no label, check box or radio button is narrower than its
// text. Of a window with tab pages the page shown is checked. The content of scroll areas
// may reach beyond them and is not checked.
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace umbrin::test {

namespace detail {

inline bool inRollbereich(const QWidget* w, const QWidget* fenster)
{
    for (const QWidget* p = w->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

inline QString beschreibe(const QWidget* w)
{
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// The widest line of a label's text as shown (a mnemonic '&' is not drawn).
inline int textbreite(const QLabel* l)
{
    QString text = l->text();
    if (l->buddy()) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, l->fontMetrics().horizontalAdvance(zeile));
    return breite;
}

inline void pruefeSichtbare(QWidget* fenster, QStringList& fehler)
{
    const QRect innen = fenster->rect();
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(fenster) || inRollbereich(w, fenster))
            continue;
        const QRect r(w->mapTo(fenster, QPoint(0, 0)), w->size());
        if (!innen.contains(r))
            fehler << QStringLiteral("%1 at %2,%3 %4x%5 leaves the window %6x%7")
                          .arg(beschreibe(w))
                          .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                          .arg(innen.width()).arg(innen.height());
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() || l->wordWrap() || Qt::mightBeRichText(l->text()))
                continue;
            const int platz = l->contentsRect().width() - 2 * std::max(0, l->margin());
            if (textbreite(l) > platz)
                fehler << QStringLiteral("%1 '%2' needs %3 pixels, has %4")
                              .arg(beschreibe(l), l->text()).arg(textbreite(l)).arg(platz);
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* b = static_cast<QAbstractButton*>(w);
            if (!b->text().isEmpty() && b->sizeHint().width() > b->width())
                fehler << QStringLiteral("%1 '%2' needs %3 pixels, has %4")
                              .arg(beschreibe(b), b->text()).arg(b->sizeHint().width()).arg(b->width());
        }
    }
}

} // namespace detail

// The faults of the window's layout, one line each; empty when there are none. A resize of a
// shown window arrives as an event of the window system: the layout is given up to two
// seconds to settle before its faults count.
inline QStringList layoutFehler(QWidget* fenster)
{
    QStringList fehler;
    for (int versuch = 0; versuch < 100; ++versuch) {
        QCoreApplication::processEvents();
        fehler.clear();
        detail::pruefeSichtbare(fenster, fehler);
        if (fehler.isEmpty())
            break;
        QTest::qWait(20);
    }
    return fehler;
}

} // namespace umbrin::test
