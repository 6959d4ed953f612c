#include "netztypform.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>

#include "befehl.h"
#include "dialogstil.h"
#include "meldungen.h"
#include "spezialnetze.h"

namespace nervalo {
namespace {

QLabel* label(const QString& text, QWidget* eltern, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

bool nurZiffern(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar z) { return z >= u'0' && z <= u'9'; });
}

// The number a field's text stands for: a text that is no number (empty) counts as the lowest
// value, a number outside the range as the nearest bound, also one too long for an int.
int imBereich(const QString& text, int von, int bis) {
    bool ok = false;
    const int wert = text.toInt(&ok);
    if (ok) return std::clamp(wert, von, bis);
    return nurZiffern(text) ? bis : von;
}

// A field for a whole number from `von` to `bis` into which any digits can be typed: a number
// outside the range stands as typed until the field is left or Enter is pressed, and is then
// brought into the range. Its value, and with it valueChanged, changes only then.
class Zahlfeld : public QSpinBox {
  public:
    Zahlfeld(QWidget* eltern, int von, int bis, int start) : QSpinBox(eltern) {
        setRange(von, bis);
        setValue(start);
        setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        setKeyboardTracking(false);
    }

  protected:
    QValidator::State validate(QString& text, int&) const override {
        if (text.isEmpty()) return QValidator::Intermediate;
        if (!nurZiffern(text)) return QValidator::Invalid;
        bool ok = false;
        const int wert = text.toInt(&ok);
        return ok && wert >= minimum() && wert <= maximum() ? QValidator::Acceptable
                                                            : QValidator::Intermediate;
    }
    void fixup(QString& text) const override {
        text = QString::number(imBereich(text, minimum(), maximum()));
    }
};

QSpinBox* zahlfeld(QWidget* eltern, int x, int y, int von, int bis, int start) {
    auto* s = new Zahlfeld(eltern, von, bis, start);
    s->setGeometry(x, y, 57, 22);
    return s;
}

int gelesen(const QSpinBox* s) {
    return imBereich(s->cleanText(), s->minimum(), s->maximum());
}

} // namespace

TNetztypForm::TNetztypForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NetztypForm"));
    FesterDialog(*this, QStringLiteral("Dialog"), 468, 263);

    Label1 = new QLabel(QStringLiteral("Spezielle Netze"), this);
    QFont titel(QStringLiteral("Arial"));
    titel.setStyleHint(QFont::SansSerif);
    titel.setPixelSize(29);
    titel.setBold(true);
    titel.setItalic(true);
    Label1->setFont(titel);
    QPalette lila = Label1->palette();
    lila.setColor(QPalette::WindowText, QColor(128, 0, 128));
    Label1->setPalette(lila);
    Label1->move(40, 16);
    Label1->adjustSize();

    NetztypGruppe = new QGroupBox(QStringLiteral("Netztyp"), this);
    NetztypGruppe->setGeometry(40, 64, 361, 65);
    NetztypWahl = new QButtonGroup(this);
    const QString arten[2] = {
        QStringLiteral("vorwärtsgerichtete Netze (3 Schichten)"),
        QStringLiteral("rückgekoppelte Netze (Mustererkennung nach Hopfield)")};
    Auswahlknoepfe(NetztypGruppe, NetztypWahl, arten, NetztypKnopf, 8, 18, 345, 20, 21);
    NetztypKnopf[0]->setChecked(true);
    connect(NetztypWahl, &QButtonGroup::idToggled, this, [this](int, bool gewaehlt) {
        if (!gewaehlt) return;
        FormActivate();
        SpinEdit1Change();
    });

    Label2 = label(QStringLiteral("Inputschicht"), this, 40, 152);
    Label3 = label(QStringLiteral("Hiddenschicht"), this, 184, 152);
    Label4 = label(QStringLiteral("Outputschicht"), this, 320, 152);
    SpinEdit1 = zahlfeld(this, 40, 168, 1, 30, 2);
    SpinEdit2 = zahlfeld(this, 184, 168, 1, 20, 4);
    SpinEdit3 = zahlfeld(this, 320, 168, 1, 15, 2);

    OKBtn = OKKnopf(*this, 128, 220, 77, 27);
    CancelBtn = AbbrechenKnopf(*this, 212, 220, 93, 27);

    for (QSpinBox* s : {SpinEdit1, SpinEdit2, SpinEdit3}) {
        // While a number is typed OK follows its text; the message waits until it is entered.
        connect(s->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
                [this] { OKFreigeben(); });
        connect(s, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
    }

    QWidget* reihenfolge[] = {OKBtn,     CancelBtn, NetztypKnopf[0], NetztypKnopf[1],
                              SpinEdit1, SpinEdit2, SpinEdit3};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);

    geprueft_ = {Netztyp(), Wert1(), Wert2(), Wert3()};
}

int TNetztypForm::Netztyp() const {
    // A button's id is the number of its net kind.
    constexpr int hopfield = static_cast<int>(nervalo::Netztyp::Hopfield);
    return NetztypWahl->checkedId() == hopfield ? hopfield
                                                : static_cast<int>(nervalo::Netztyp::Perzeptron);
}

int TNetztypForm::Wert1() const {
    return gelesen(SpinEdit1);
}
int TNetztypForm::Wert2() const {
    return gelesen(SpinEdit2);
}
int TNetztypForm::Wert3() const {
    return gelesen(SpinEdit3);
}

void TNetztypForm::FormActivate() {
    Befehl([&] {
        const bool gitter = Netztyp() == static_cast<int>(nervalo::Netztyp::Hopfield);
        Label2->setText(gitter ? QStringLiteral("horizontal") : QStringLiteral("Inputschicht"));
        Label3->setText(gitter ? QStringLiteral("vertikal") : QStringLiteral("Hiddenschicht"));
        Label2->adjustSize();
        Label3->adjustSize();
        Label4->setVisible(!gitter);
        SpinEdit3->setVisible(!gitter);
    });
}

bool TNetztypForm::OKFreigeben() {
    const bool zuGross = GesamtzahlNeuronen(static_cast<nervalo::Netztyp>(Netztyp()), Wert1(),
                                            Wert2(), Wert3()) > MaxNeuronen;
    OKBtn->setEnabled(!zuGross);
    return zuGross;
}

bool TNetztypForm::GroessePruefen() {
    const std::array<int, 4> jetzt{Netztyp(), Wert1(), Wert2(), Wert3()};
    const bool zuGross = OKFreigeben();
    // A report that leaves kind and values as they were (Enter in a field reports its value
    // again) is nothing new to tell the user.
    const bool neu = jetzt != geprueft_;
    geprueft_ = jetzt;
    return zuGross && neu;
}

void TNetztypForm::SpinEdit1Change() {
    Befehl([&] {
        if (!GroessePruefen() || meldungOffen_) return;
        struct Offen {
            bool& merker;
            explicit Offen(bool& m) : merker(m) { merker = true; }
            ~Offen() { merker = false; }
        } offen(meldungOffen_);
        meldungen().Hinweis(ZuVieleNeuronen);
        // A field may have changed while the message was open: OK follows what they show now.
        GroessePruefen();
    });
}

void TNetztypForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Befehl([&] {
        Zentriere(*this);
        OKBtn->setFocus();
    });
    FormActivate();
}

} // namespace nervalo
