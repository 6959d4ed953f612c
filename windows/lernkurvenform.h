#pragma once
// The learning curve window: the pace of training, the current total error over the task table
// and the plot of the curve, with a context menu to clear the curve and to save it as a picture
// or as a table. The main window computes everything and hands it over (Zeigen); what the user
// asks for goes back as signals.
#include <QWidget>
#include <optional>
#include <string>

#include "lernkurve.h"

class QAction;
class QComboBox;
class QLineEdit;

namespace nervalo {

class TLernkurvenbild;

class TLernkurvenForm : public QWidget {
    Q_OBJECT

  public:
    // A tool window above parent with its close box, destroyed when closed; not yet shown.
    explicit TLernkurvenForm(QWidget* parent = nullptr);

    // The curve and the total error; without one, ohneGesamt says why (shown as the field's hint).
    void Zeigen(const Lernkurve& kurve, std::optional<double> gesamt,
                const std::string& ohneGesamt);
    // Selects the pace in TempoBox (steps per second, 0 the highest) without reporting it.
    void TempoZeigen(int schritteProSekunde);
    // The plot as a PNG image of its size on the screen.
    QByteArray BildAlsPng() const;

    QComboBox* TempoBox;
    QLineEdit* GesamtfehlerEdit;
    TLernkurvenbild* Kurve;
    QAction* KurveLoeschen1;
    QAction* AlsBildSpeichern1;
    QAction* AlsTabelleSpeichern1;

  signals:
    void TempoGewaehlt(int schritteProSekunde);
    void LoeschenVerlangt();
    void BildSpeichernVerlangt();
    void TabelleSpeichernVerlangt();

  protected:
    bool event(QEvent* e) override;
};

} // namespace nervalo
