#pragma once
// The main window's controls for tests, found by their object names.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace nervalo::test {

template <class T> T* teil(const QObject& fenster, const char* name) {
    T* t = fenster.findChild<T*>(QString::fromLatin1(name));
    if (!t) qFatal("Kein Bedienelement %s", name);
    return t;
}
inline QToolButton* knopf(const QObject& f, const char* name) {
    return teil<QToolButton>(f, name);
}
inline QAction* eintrag(const QObject& f, const char* name) {
    return teil<QAction>(f, name);
}
inline QMenu* menue(const QObject& f, const char* name) {
    return teil<QMenu>(f, name);
}
inline QLabel* beschriftung(const QObject& f, const char* name) {
    return teil<QLabel>(f, name);
}

} // namespace nervalo::test
