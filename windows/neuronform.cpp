#include "neuronform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <initializer_list>

#include "befehl.h"
#include "gleitkomma.h"
#include "singedit.h"

namespace nervalo {
namespace {

const QColor Teal(0, 128, 128);
const QColor Creme(255, 251, 240);
const QColor Limone(0, 255, 0);
const QColor Gelb(255, 255, 0);
const QColor Aqua(0, 255, 255);

// The step of the spin buttons.
constexpr long double Zehntel = 0.1L;

// The window's font: a sans-serif face of the given pixel height.
QFont schrift(int pixel, bool fett = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void faerbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
}

QLabel* label(const QString& text, QWidget* eltern, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// A bold label in a colour of its own, on the teal background.
QLabel* farbLabel(const QString& text, const QColor& farbe, QWidget* eltern, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->setFont(schrift(13, true));
    faerbe(l, QPalette::WindowText, farbe);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// Number fields use a narrower face of the window's font, so that a signed value with four
// decimals fits in full.
TSingEdit* zahlfeld(const QString& text, QWidget* eltern, QRect ort) {
    auto* f = new TSingEdit(eltern);
    QFont schmal = schrift(13);
    schmal.setStretch(QFont::SemiCondensed);
    f->setFont(schmal);
    f->setGeometry(ort);
    f->setText(text);
    return f;
}

// A field with a background colour of its own; the text stays black on it.
void hinterlegen(TSingEdit* f, const QColor& farbe) {
    QPalette p = f->palette();
    p.setColor(QPalette::Base, farbe);
    p.setColor(QPalette::Text, Qt::black);
    f->setPalette(p);
}

// A filled rectangle with a black outline.
class Rechteck : public QWidget {
  public:
    Rechteck(const QColor& farbe, QWidget* eltern, QRect ort) : QWidget(eltern), farbe_(farbe) {
        setGeometry(ort);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), farbe_);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

  private:
    QColor farbe_;
};

// A raised panel: a dark single border, inside it a bevel two pixels wide, lit from the top
// left.
class Panel : public QWidget {
  public:
    Panel(QWidget* eltern, QRect ort) : QWidget(eltern) {
        setGeometry(ort);
        setAutoFillBackground(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(64, 64, 64));
        p.drawRect(r);
        for (int i = 1; i <= 2; ++i) {
            const QRect b = r.adjusted(i, i, -i, -i);
            p.setPen(Qt::white);
            p.drawLine(b.topLeft(), b.topRight());
            p.drawLine(b.topLeft(), b.bottomLeft());
            p.setPen(QColor(128, 128, 128));
            p.drawLine(b.bottomLeft(), b.bottomRight());
            p.drawLine(b.topRight(), b.bottomRight());
        }
    }
};

Aktionsfunktion aktionsfunktionAus(int item) {
    switch (item) {
    case 1:
        return Aktionsfunktion::sigmoid;
    case 2:
        return Aktionsfunktion::tanh;
    default: // "Linear"
        return Aktionsfunktion::linear;
    }
}

} // namespace

// ---- Spin button -----------------------------------------------------------------------------

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
    const auto haelfte = [this](Qt::ArrowType pfeil) {
        auto* k = new QToolButton(this);
        k->setArrowType(pfeil);
        k->setFocusPolicy(Qt::NoFocus);
        return k;
    };
    Hoch = haelfte(Qt::UpArrow);
    Runter = haelfte(Qt::DownArrow);
    connect(Hoch, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(Runter, &QToolButton::clicked, this, &TSpinButton::DownClick);
    resize(17, 25);
}

void TSpinButton::resizeEvent(QResizeEvent*) {
    const int oben = height() / 2;
    Hoch->setGeometry(0, 0, width(), oben);
    Runter->setGeometry(0, oben, width(), height() - oben);
}

// ---- Radio group -----------------------------------------------------------------------------

TRadioGroup::TRadioGroup(const QString& titel, const QStringList& eintraege, QWidget* parent)
    : QGroupBox(titel, parent), gruppe_(new QButtonGroup(this)) {
    for (int i = 0; i < eintraege.size(); ++i) {
        auto* k = new QRadioButton(eintraege[i], this);
        k->setGeometry(8, 17 + 18 * i, 105, 18);
        gruppe_->addButton(k, i);
    }
    connect(gruppe_, &QButtonGroup::idToggled, this, [this](int, bool gewaehlt) {
        if (gewaehlt) emit Click();
    });
}

int TRadioGroup::ItemIndex() const {
    return gruppe_->checkedId();
}

void TRadioGroup::SetzeItemIndex(int i) {
    if (QAbstractButton* k = gruppe_->button(i)) k->setChecked(true);
}

QRadioButton* TRadioGroup::Knopf(int i) const {
    return static_cast<QRadioButton*>(gruppe_->button(i));
}

// ---- Form ------------------------------------------------------------------------------------

TNeuronForm::TNeuronForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Neuron"));
    setFont(schrift(13));
    const QColor grau = QApplication::palette().color(QPalette::Button);
    faerbe(this, QPalette::Window, Teal);
    setAutoFillBackground(true);
    setFixedSize(374, 383);

    // The wires first: every control lies above them.
    Shape1 = new Rechteck(Gelb, this, {112, 72, 9, 49});
    Shape2 = new Rechteck(Gelb, this, {200, 72, 9, 57});
    Shape3 = new Rechteck(Gelb, this, {112, 144, 9, 25});
    Shape4 = new Rechteck(Gelb, this, {200, 144, 9, 25});
    Shape5 = new Rechteck(Gelb, this, {176, 328, 9, 25});

    Label1 = new QLabel(QStringLiteral("Test-Neuron"), this);
    Label1->setFont(schrift(24, true));
    faerbe(Label1, QPalette::WindowText, Creme);
    Label1->move(104, 16);
    Label1->adjustSize();
    Label8 = farbLabel(QStringLiteral("1"), Gelb, this, 112, 56);
    Label9 = farbLabel(QStringLiteral("2"), Gelb, this, 200, 56);
    Label2 = farbLabel(QStringLiteral("Signal"), Limone, this, 272, 84);
    Label3 = farbLabel(QStringLiteral("Gewicht"), Qt::white, this, 272, 124);

    In1 = zahlfeld(QStringLiteral("0"), this, {80, 80, 65, 24});
    In2 = zahlfeld(QStringLiteral("0"), this, {176, 80, 65, 24});
    hinterlegen(In1, Limone);
    hinterlegen(In2, Limone);
    g1 = zahlfeld(QStringLiteral("  1.0000"), this, {80, 120, 65, 24});
    g2 = zahlfeld(QStringLiteral("  1.0000"), this, {176, 120, 65, 24});

    Neuron = new Panel(this, {24, 168, 329, 161});
    faerbe(Neuron, QPalette::Window, grau);
    // The neuron's fields are as wide as the signal fields and the sum as wide as the output,
    // so that a negative value keeps its minus sign in view.
    Label7 = label(QStringLiteral("Input"), Neuron, 32, 16);
    Input = zahlfeld(QStringLiteral("0"), Neuron, {88, 16, 89, 24});
    Input->setReadOnly(true);
    hinterlegen(Input, grau);
    Label4 = label(QStringLiteral("theta"), Neuron, 32, 56);
    theta = zahlfeld(QStringLiteral("0"), Neuron, {88, 56, 65, 24});
    Label6 = label(QStringLiteral("Param"), Neuron, 32, 88);
    Parameter = zahlfeld(QStringLiteral("  1.0000"), Neuron, {88, 88, 65, 24});
    Label5 = label(QStringLiteral("Xi"), Neuron, 32, 120);
    OutSchwelle = zahlfeld(QStringLiteral("0"), Neuron, {88, 120, 65, 24});
    RadioGroup1 = new TRadioGroup(
        QStringLiteral("Aktivierungsfkt."),
        {QStringLiteral("Linear"), QStringLiteral("Sigmoid"), QStringLiteral("Tanh")}, Neuron);
    RadioGroup1->setGeometry(192, 8, 121, 73);
    RadioGroup1->SetzeItemIndex(0);
    RadioGroup2 = new TRadioGroup(QStringLiteral("Outputfkt."),
                                  {QStringLiteral("id"), QStringLiteral("bin")}, Neuron);
    RadioGroup2->setGeometry(192, 88, 121, 57);
    RadioGroup2->SetzeItemIndex(0);
    SpinButton5 = new TSpinButton(Neuron);
    SpinButton5->move(152, 56);
    SpinButton6 = new TSpinButton(Neuron);
    SpinButton6->move(152, 88);
    SpinButton7 = new TSpinButton(Neuron);
    SpinButton7->move(152, 120);

    BerechneBtn = new QPushButton(QStringLiteral("Berechne"), this);
    BerechneBtn->setGeometry(24, 344, 97, 25);
    Out = zahlfeld(QStringLiteral("0"), this, {136, 344, 89, 24});
    Out->setReadOnly(true);
    hinterlegen(Out, Aqua);
    Label10 = farbLabel(QStringLiteral("Output"), Aqua, this, 256, 348);

    SpinButton1 = new TSpinButton(this);
    SpinButton1->move(144, 80);
    SpinButton2 = new TSpinButton(this);
    SpinButton2->move(240, 80);
    SpinButton3 = new TSpinButton(this);
    SpinButton3->move(144, 120);
    SpinButton4 = new TSpinButton(this);
    SpinButton4->move(240, 120);

    // The tab order follows the computation: signals, weights, the neuron's values, the
    // choices, the button.
    QWidget* vorher = nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{In1, In2, g1, g2, Input, theta, Parameter,
                                                      OutSchwelle, RadioGroup1->Knopf(0),
                                                      RadioGroup2->Knopf(0), BerechneBtn, Out}) {
        if (vorher) setTabOrder(vorher, w);
        vorher = w;
    }

    connect(BerechneBtn, &QPushButton::clicked, this, &TNeuronForm::BerechneBtnClick);
    connect(RadioGroup1, &TRadioGroup::Click, this, &TNeuronForm::RadioGroup1Click);
    connect(RadioGroup2, &TRadioGroup::Click, this, &TNeuronForm::RadioGroup2Click);
    for (TSingEdit* feld : {In1, In2, g1, g2, theta, Parameter, OutSchwelle})
        feld->installEventFilter(this);
    const auto verbinde = [this](TSpinButton* s, void (TNeuronForm::*runter)(),
                                 void (TNeuronForm::*hoch)()) {
        connect(s, &TSpinButton::DownClick, this, runter);
        connect(s, &TSpinButton::UpClick, this, hoch);
    };
    verbinde(SpinButton1, &TNeuronForm::SpinButton1DownClick, &TNeuronForm::SpinButton1UpClick);
    verbinde(SpinButton2, &TNeuronForm::SpinButton2DownClick, &TNeuronForm::SpinButton2UpClick);
    verbinde(SpinButton3, &TNeuronForm::SpinButton3DownClick, &TNeuronForm::SpinButton3UpClick);
    verbinde(SpinButton4, &TNeuronForm::SpinButton4DownClick, &TNeuronForm::SpinButton4UpClick);
    verbinde(SpinButton5, &TNeuronForm::SpinButton5DownClick, &TNeuronForm::SpinButton5UpClick);
    verbinde(SpinButton6, &TNeuronForm::SpinButton6DownClick, &TNeuronForm::SpinButton6UpClick);
    verbinde(SpinButton7, &TNeuronForm::SpinButton7DownClick, &TNeuronForm::SpinButton7UpClick);
}

TNeuronForm* TNeuronForm::Oeffnen(QMdiArea& bereich) {
    auto* form = new TNeuronForm;
    // Title and close box only: the window has a fixed size.
    QMdiSubWindow* rahmen =
        bereich.addSubWindow(form, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    rahmen->show();
    rahmen->setFixedSize(rahmen->size());
    return form;
}

void TNeuronForm::Berechnen() {
    TNeuron& n = Testneuron;
    n.SetzeInputAnzahl(2);
    n.SetzeInput(1, In1->Number());
    n.SetzeInput(2, In2->Number());
    n.SetzeGewicht(1, g1->Number());
    n.SetzeGewicht(2, g2->Number());
    n.Aktionsfunktion = aktionsfunktionAus(RadioGroup1->ItemIndex());
    n.Outputfunktion =
        RadioGroup2->ItemIndex() == 1 ? Outputfunktion::binaer : Outputfunktion::identisch;
    n.Theta = theta->Number();
    n.Xi = OutSchwelle->Number();
    n.Parameter = Parameter->Number();
    n.Schichttyp = Schichttyp::Hiddenschicht;
    Input->SetzeNumber(n.Inputsumme());
    n.BerechneOutput();
    Out->SetzeNumber(n.Output);
}

void TNeuronForm::Schritt(TSingEdit& feld, long double schritt) {
    // The step starts from the value the field shows (four decimals), so no rounding residue
    // of earlier steps carries over.
    feld.SetzeNumber(gk::speichere(feld.Number() + schritt));
    Berechnen();
}

void TNeuronForm::BerechneBtnClick() {
    Befehl([&] { Berechnen(); });
}

void TNeuronForm::RadioGroup1Click() {
    Befehl([&] { Berechnen(); });
}

void TNeuronForm::RadioGroup2Click() {
    Befehl([&] { Berechnen(); });
}

bool TNeuronForm::In1KeyPress(int taste) {
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return false;
    Befehl([&] { Berechnen(); });
    return true;
}

bool TNeuronForm::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::KeyPress && In1KeyPress(static_cast<QKeyEvent*>(e)->key()))
        return true;
    return QWidget::eventFilter(objekt, e);
}

void TNeuronForm::SpinButton1DownClick() {
    Befehl([&] { Schritt(*In1, -Zehntel); });
}
void TNeuronForm::SpinButton1UpClick() {
    Befehl([&] { Schritt(*In1, Zehntel); });
}
void TNeuronForm::SpinButton2DownClick() {
    Befehl([&] { Schritt(*In2, -Zehntel); });
}
void TNeuronForm::SpinButton2UpClick() {
    Befehl([&] { Schritt(*In2, Zehntel); });
}
void TNeuronForm::SpinButton3DownClick() {
    Befehl([&] { Schritt(*g1, -Zehntel); });
}
void TNeuronForm::SpinButton3UpClick() {
    Befehl([&] { Schritt(*g1, Zehntel); });
}
void TNeuronForm::SpinButton4DownClick() {
    Befehl([&] { Schritt(*g2, -Zehntel); });
}
void TNeuronForm::SpinButton4UpClick() {
    Befehl([&] { Schritt(*g2, Zehntel); });
}
void TNeuronForm::SpinButton5DownClick() {
    Befehl([&] { Schritt(*theta, -Zehntel); });
}
void TNeuronForm::SpinButton5UpClick() {
    Befehl([&] { Schritt(*theta, Zehntel); });
}
void TNeuronForm::SpinButton6DownClick() {
    Befehl([&] { Schritt(*Parameter, -Zehntel); });
}
void TNeuronForm::SpinButton6UpClick() {
    Befehl([&] { Schritt(*Parameter, Zehntel); });
}
void TNeuronForm::SpinButton7DownClick() {
    Befehl([&] { Schritt(*OutSchwelle, -Zehntel); });
}
void TNeuronForm::SpinButton7UpClick() {
    Befehl([&] { Schritt(*OutSchwelle, Zehntel); });
}

} // namespace nervalo
