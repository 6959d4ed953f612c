// "Spezielle Netze": replaces the current net by a three-layer perceptron or a Hopfield grid of
// the size chosen in the dialog TNetztypForm.
#include <QDialog>
#include <QMdiSubWindow>

#include "befehl.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "netztypform.h"
#include "spezialnetze.h"

namespace nervalo {

TNetztypForm& TMainForm::netztypForm() {
    if (!NetztypForm) NetztypForm = new TNetztypForm(this);
    return *NetztypForm;
}

void TMainForm::NetztypBtnClick() {
    befehl([&] {
        if (!NetzVorhanden || !Netzfenster) return; // the command needs the net window
        // A save that fails throws here and keeps the net.
        ErstNetzSichern();
        Netzloeschen();
        if (QWidget* rahmen = Netzfenster->parentWidget())
            rahmen->resize(FensterBreite, FensterHoehe);
        Dateiname.clear();
        titelSetzen();
        ZeichnungAktualisieren();

        // The old net is gone already: Cancel leaves the empty net.
        TNetztypForm& dialog = netztypForm();
        if (dialoge().ZeigeModal(dialog) == QDialog::Accepted) {
            const int wert1 = dialog.Wert1(), wert2 = dialog.Wert2(), wert3 = dialog.Wert3();
            if (dialog.Netztyp() == 0) {
                BauePerzeptron(AktuellesNetz, wert1, wert2, wert3);
                Zuordnung = {wert1, wert2, wert3};
            } else {
                BaueHopfieldGitter(AktuellesNetz, wert1, wert2);
                Zuordnung.AnzahlInput = wert1;  // columns
                Zuordnung.AnzahlHidden = wert2; // rows; AnzahlOutput keeps its value
            }
        }
        ZeichnungAktualisieren();
    });
}

} // namespace nervalo
