#pragma once
// The pace of training, a setting of the running program only (Tempostufen): "Höchstes Tempo",
// where steps follow each other at once and the screen is brought up to date once per frame, or
// a number of steps per second, where every step is shown completely and the next one waits for
// its turn. The wait lets the event loop run and sleeps in it: Stop, closing windows and menus
// work during it, and it costs no processor time. Time and alarms are those of the installed
// Bilduhr.
#include <QObject>
#include <cstdint>
#include <functional>

namespace nervalo {

class Trainingstempo : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Steps per second, 0 for the highest pace.
    int SchritteProSekunde() const { return schritte_; }
    bool Hoechstes() const { return schritte_ <= 0; }
    void Setzen(int schritteProSekunde);

    // Waits until a step that began at beginn (milliseconds of the clock) has had its share of a
    // second. Returns at once at the highest pace, when fertig() holds, and when the program
    // has been told to quit; fertig() is asked again whenever the wait is woken (Wecken) and a
    // changed pace counts from beginn.
    void Warten(std::int64_t beginn, const std::function<bool()>& fertig);
    // Wakes every running wait, so that it asks fertig() again (after Stop).
    void Wecken() { emit geweckt(); }

  signals:
    void Geaendert();
    void geweckt();

  private:
    int schritte_ = 0;
};

} // namespace nervalo
