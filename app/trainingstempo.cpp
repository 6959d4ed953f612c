#include "trainingstempo.h"

#include <QEventLoop>

#include "bilduhr.h"

namespace nervalo {

void Trainingstempo::Setzen(int schritteProSekunde) {
    if (schritteProSekunde == schritte_) return;
    schritte_ = schritteProSekunde;
    emit Geaendert();
    Wecken();
}

void Trainingstempo::Warten(std::int64_t beginn, const std::function<bool()>& fertig) {
    Bilduhr& uhr = bilduhr();
    QEventLoop schleife;
    const auto wecker = uhr.NeuerWecker([&] { schleife.quit(); });
    const auto verbindung = connect(this, &Trainingstempo::geweckt, &schleife, &QEventLoop::quit);
    for (;;) {
        if (Hoechstes() || fertig()) break;
        const std::int64_t rest = beginn + 1000 / schritte_ - uhr.Millisekunden();
        if (rest <= 0) break;
        wecker->Stellen(rest);
        // exec() returns at once with -1 once the program has been told to quit.
        if (schleife.exec() != 0) break;
    }
    disconnect(verbindung);
}

} // namespace nervalo
