#include "netzgrafform.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "befehl.h"
#include <new>

#include "fehler.h"
#include "meldungen.h"

namespace nervalo {
namespace {

// Room right of and below the outermost neuron, for labels wider than the circle.
constexpr int Rand = 40;
// The paint box never grows beyond this (centres far out come only from damaged files).
constexpr int GroessteSeite = 4000;

// Grid of 10 pixels, 5 rounding up; division truncates toward zero (-7 -> 0, -16 -> -10).
int Raster(int v) {
    return (v + 5) / 10 * 10;
}

} // namespace

// ---- Paint box -------------------------------------------------------------------------------

TNetzPaintBox::TNetzPaintBox(TNetzGrafform& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(NetzSchrift());
    SetzeGroesse(1, 1);
}

int TNetzPaintBox::Massstab() const {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)));
}

void TNetzPaintBox::SetzeGroesse(int w, int h) {
    const int massstab = Massstab();
    if (flaeche_ && bild_.deviceIndependentSize() == QSizeF(w, h) &&
        bild_.devicePixelRatio() == massstab)
        return;
    const StiftModus modus = flaeche_ ? flaeche_->Stiftmodus() : StiftModus::Kopieren;
    flaeche_.reset(); // ends the painter on the old image
    // One image pixel per screen pixel: on a high-density screen the picture is drawn at the
    // screen's own pixels instead of being enlarged when it is shown.
    QImage neu(w * massstab, h * massstab, QImage::Format_RGB32);
    neu.setDevicePixelRatio(massstab);
    neu.fill(Qt::white);
    if (!bild_.isNull()) {
        QPainter kopie(&neu);
        kopie.setCompositionMode(QPainter::CompositionMode_Source);
        kopie.drawImage(0, 0, bild_);
    }
    bild_ = std::move(neu);
    flaeche_ = std::make_unique<QtZeichenflaeche>(bild_, NetzSchrift());
    flaeche_->SetzeStiftmodus(modus);
    resize(w, h);
    update();
}

void TNetzPaintBox::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    const qreal m = bild_.devicePixelRatio();
    p.drawImage(QRectF(r), bild_, QRectF(r.x() * m, r.y() * m, r.width() * m, r.height() * m));
}

bool TNetzPaintBox::event(QEvent* e) {
    // Moved to a screen of another pixel density: the picture is drawn anew at its pixels.
    if (e->type() == QEvent::ScreenChangeInternal && bild_.devicePixelRatio() != Massstab())
        form_.Aktualisieren();
    return QWidget::event(e);
}

void TNetzPaintBox::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    form_.PaintBox1MouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void TNetzPaintBox::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    form_.PaintBox1MouseMove(e->buttons(), e->modifiers(), p.x(), p.y());
}

void TNetzPaintBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    form_.PaintBox1MouseUp(e->button(), e->modifiers(), p.x(), p.y());
}

// ---- Form ------------------------------------------------------------------------------------

TNetzGrafform::TNetzGrafform(EditorUmgebung& umgebung, QWidget* parent)
    : QWidget(parent), umgebung_(umgebung) {
    VerbindungAktiv = false;
    Auswahl = -1;
    Ziel = -1;
    LinienendeX = 0;
    LinienendeY = 0;
    DialogDruck = false;

    setWindowTitle(QStringLiteral("Netz"));
    setFont(NetzSchrift());
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);
    resize(800, 200);

    rollbereich_ = new QScrollArea(this);
    rollbereich_->setFrameShape(QFrame::NoFrame);
    rollbereich_->setWidgetResizable(false);
    rollbereich_->setBackgroundRole(QPalette::Window);
    box_ = new TNetzPaintBox(*this, nullptr);
    rollbereich_->setWidget(box_);
    rollbereich_->viewport()->installEventFilter(this);
    PaintBox1 = box_;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rollbereich_);
    GroesseAnpassen(false);
}

TNetzGrafform::~TNetzGrafform() {
    // The paint box is deleted with the scroll area; it must not call back into the form then.
    rollbereich_->viewport()->removeEventFilter(this);
}

void TNetzGrafform::TitelSetzen(const std::string& name) {
    setWindowTitle(QStringLiteral("Netz [") + QString::fromStdString(name.empty() ? "Neu" : name) +
                   QStringLiteral("]"));
}

void TNetzGrafform::Aktualisieren() {
    Befehl([&] {
        NeuZeichnen();
        if (Netz) Netz->ZeichneNetz(Canvas(), umgebung_.Zusatz());
    });
}

void TNetzGrafform::NeuZeichnen() {
    GroesseAnpassen(true);
    Canvas().Leeren();
    PaintBox1Paint();
    PaintBox1->update();
}

void TNetzGrafform::GroesseAnpassen(bool schrumpfen, int x, int y) {
    const QSize sicht = rollbereich_->viewport()->size();
    long long w = std::max(sicht.width(), 1);
    long long h = std::max(sicht.height(), 1);
    const auto decke = [&](long long px, long long py) {
        w = std::max(w, px + Rand);
        h = std::max(h, py + Rand);
    };
    if (Netz)
        for (int i = 0; i < Netz->Anzahl(); ++i) {
            const TGrafikNeuron& n = Netz->Neuron(i);
            decke(static_cast<long long>(n.X) + n.Radius, static_cast<long long>(n.Y) + n.Radius);
        }
    decke(x, y);
    w = std::min<long long>(w, GroessteSeite);
    h = std::min<long long>(h, GroessteSeite);
    if (!schrumpfen) {
        w = std::max<long long>(w, Box().width());
        h = std::max<long long>(h, Box().height());
    }
    Box().SetzeGroesse(static_cast<int>(w), static_cast<int>(h));
}

bool TNetzGrafform::event(QEvent* e) {
    // A modal window has the mouse now (a dialog, a message box of a command run during the
    // drag): the drag ends where the mouse was last seen, but connects nothing.
    if (e->type() == QEvent::WindowBlocked && zieht_) Loslassen(mausX_, mausY_, false);
    return QWidget::event(e);
}

bool TNetzGrafform::eventFilter(QObject* objekt, QEvent* e) {
    // A larger window shows more of the paint box; it grows with the viewport.
    if (e->type() == QEvent::Resize && objekt == rollbereich_->viewport())
        Befehl([&] { GroesseAnpassen(false); });
    return QWidget::eventFilter(objekt, e);
}

void TNetzGrafform::PaintBox1Paint() {
    if (Netz) Netz->ZeichneNetz(Canvas(), umgebung_.Zusatz());
}

void TNetzGrafform::Gummiband(const TGrafikNeuron& n, int x, int y) {
    Canvas().BewegeZu(n.X, n.Y);
    Canvas().LinieZu(x, y);
}

void TNetzGrafform::PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                                       int y) {
    if (!Netz) return;
    mausX_ = x;
    mausY_ = y;
    const int getroffen = Netz->NeuronBei(x, y);
    umgebung_.AenderungBeginnt();
    const char* was = "Netz bearbeiten"; // what the press did, for the undo history
    Befehl([&] {
        // Every press starts afresh, also after one that opened the neuron dialog.
        DialogDruck = false;
        TNetz& netz = *Netz;
        netz.Gesichert = false;
        const Werkzeug werkzeug = umgebung_.AktivesWerkzeug();

        if (werkzeug == Werkzeug::Neuron) {
            VerbindungAktiv = false;
            auto neuron = std::make_unique<TGrafikNeuron>();
            const bool raster = umgebung_.RasterAn();
            neuron->X = raster ? Raster(x) : x;
            neuron->Y = raster ? Raster(y) : y;
            if (netz.Anzahl() >= MaxNeuronen) {
                meldungen().Hinweis("Maximal 60 Neuronen!");
                return;
            }
            neuron->Bezeichnung = "N" + std::to_string(netz.Anzahl());
            GroesseAnpassen(false, neuron->X + neuron->Radius, neuron->Y + neuron->Radius);
            neuron->Zeige(Canvas());
            netz.Hinzufuegen(std::move(neuron));
            was = "Neuron einfügen";
            umgebung_.NetzGeaendert();
        } else if (werkzeug == Werkzeug::Pfeil || werkzeug == Werkzeug::DoppelPfeil) {
            Auswahl = netz.NeuronBei(x, y);
            if (Auswahl == -1) return;
            const TGrafikNeuron& n = netz.Neuron(Auswahl);
            n.Markiere(Canvas());
            VerbindungAktiv = true;
            zieht_ = true;
            Canvas().SetzeStiftmodus(StiftModus::NichtXor);
            LinienendeX = x;
            LinienendeY = y;
            Gummiband(n, x, y);
        } else if (button == Qt::RightButton) {
            // The dialog will have the mouse: a drag still running ends here, as if released.
            if (zieht_) {
                Loslassen(x, y, false);
                umgebung_.AenderungBeginnt();
            }
            was = "Neuron bearbeiten";
            Auswahl = netz.NeuronBei(x, y);
            if (Auswahl == -1) return;
            TGrafikNeuron& n = netz.Neuron(Auswahl);
            n.Markiere(Canvas());
            PaintBox1->update();
            // The dialog is modal: the release of this button belongs to it, not to the editor.
            DialogDruck = true;
            n.Editieren();
            if (Gueltig(Auswahl)) netz.Neuron(Auswahl).Zeige(Canvas());
        } else {
            Auswahl = netz.NeuronBei(x, y);
            if (Auswahl != -1) {
                netz.Neuron(Auswahl).Markiere(Canvas());
                zieht_ = true;
            }
            if (werkzeug == Werkzeug::Bewege && Auswahl != -1) {
                TGrafikNeuron& n = netz.Neuron(Auswahl);
                Canvas().SetzeStiftmodus(StiftModus::NichtXor);
                n.Anzeige = 0;
                n.Zeige(Canvas());
            }
        }
    });
    // A press that starts no drag is done; a drag ends with its release.
    if (!zieht_) umgebung_.AenderungEndet(was);
    // The main window learns which neuron was hit once the tool has done its part. A new
    // highlight is drawn at once unless a drag runs, whose release redraws the net anyway.
    if (Gueltig(getroffen)) {
        const int vorher = umgebung_.Zusatz().hervorgehoben;
        umgebung_.NeuronAngeklickt(getroffen);
        if (!zieht_ && umgebung_.Zusatz().hervorgehoben != vorher) Befehl([&] { NeuZeichnen(); });
    }
    PaintBox1->update();
}

void TNetzGrafform::PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x,
                                       int y) {
    mausX_ = x;
    mausY_ = y;
    if (DialogDruck || !(buttons & Qt::LeftButton) || !Gueltig(Auswahl)) return;
    Befehl([&] {
        TGrafikNeuron& n = Netz->Neuron(Auswahl);
        const Werkzeug werkzeug = umgebung_.AktivesWerkzeug();
        if (werkzeug == Werkzeug::Bewege) {
            // In NichtXor mode the first Zeige takes back the bare circle at the old place.
            n.Zeige(Canvas());
            n.X = x;
            n.Y = y;
            n.Zeige(Canvas());
        } else if (werkzeug == Werkzeug::Pfeil || werkzeug == Werkzeug::DoppelPfeil) {
            Gummiband(n, LinienendeX, LinienendeY);
            LinienendeX = x;
            LinienendeY = y;
            Gummiband(n, x, y);
        }
    });
    PaintBox1->update();
}

void TNetzGrafform::PaintBox1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (!Netz) return;
    if (DialogDruck) {
        // The release of the press that opened the neuron dialog: the dialog had the mouse, so
        // nothing is moved or connected. Auswahl keeps the neuron until the next press.
        DialogDruck = false;
        return;
    }
    Loslassen(x, y, true);
}

void TNetzGrafform::Loslassen(int x, int y, bool verbinden) {
    zieht_ = false;
    const char* was = "Netz bearbeiten";
    if (!Netz) {
        umgebung_.AenderungEndet(was);
        return;
    }
    Befehl([&] {
        TNetz& netz = *Netz;
        const Werkzeug werkzeug = umgebung_.AktivesWerkzeug();
        if (VerbindungAktiv) {
            Ziel = verbinden ? netz.NeuronBei(x, y) : -1;
            // The net may have lost the neuron meanwhile (a command run during the drag).
            const bool quelle = Gueltig(Auswahl);
            if (quelle) Gummiband(netz.Neuron(Auswahl), LinienendeX, LinienendeY);
            Canvas().SetzeStiftmodus(StiftModus::Kopieren);
            VerbindungAktiv = false;
            if (quelle && Ziel != -1) {
                if (netz.IstVerbunden(Auswahl, Ziel)) {
                    // A drag along an existing connection removes both directions.
                    was = "Verbindung löschen";
                    netz.Trenne(Auswahl, Ziel);
                    netz.Trenne(Ziel, Auswahl);
                    umgebung_.ZeichnungAktualisieren();
                } else if (werkzeug == Werkzeug::Pfeil) {
                    was = "Neuronen verbinden";
                    netz.Verbinde(Auswahl, Ziel);
                } else if (werkzeug == Werkzeug::DoppelPfeil) {
                    was = "Neuronen verbinden";
                    netz.VerbindeBeide(Auswahl, Ziel);
                }
            }
        } else if (werkzeug == Werkzeug::Bewege && Gueltig(Auswahl)) {
            TGrafikNeuron& n = netz.Neuron(Auswahl);
            was = "Neuron verschieben";
            n.Anzeige = Beschriftung;
            const bool raster = umgebung_.RasterAn();
            n.X = raster ? Raster(x) : x;
            n.Y = raster ? Raster(y) : y;
            NeuZeichnen();
        }
    });
    Befehl([&] {
        Canvas().SetzeStiftmodus(StiftModus::Kopieren);
        Netz->ZeichneNetz(Canvas(), umgebung_.Zusatz());
    });
    Auswahl = -1;
    PaintBox1->update();
    umgebung_.AenderungEndet(was);
}

bool TNetzGrafform::FormClose() {
    bool geschlossen = false;
    Befehl([&] {
        // Freed once closed: inside the main window the subwindow goes with it.
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
            rahmen->setAttribute(Qt::WA_DeleteOnClose);
        else
            setAttribute(Qt::WA_DeleteOnClose);
        umgebung_.ErstNetzSichern();
        umgebung_.NetzfensterSchliesst();
        geschlossen = true;
    });
    return geschlossen;
}

void TNetzGrafform::closeEvent(QCloseEvent* e) {
    // If offering to save fails, the window stays open with the net, instead of discarding it.
    if (FormClose())
        e->accept();
    else
        e->ignore();
}

} // namespace nervalo
