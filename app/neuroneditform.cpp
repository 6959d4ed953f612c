#include "neuroneditform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <vector>

#include "dialoge.h"
#include "dialogstil.h"
#include "fehler.h"
#include "singedit.h"

namespace nervalo {
namespace {

const QString Binaer = QStringLiteral("binär");

QLabel* label(const QString& text, QWidget* eltern, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

TSingEdit* zahlfeld(const QString& text, QWidget* eltern, int x, int y) {
    auto* f = new TSingEdit(eltern);
    f->setGeometry(x, y, 105, 21);
    f->setText(text);
    return f;
}

// An editable list whose typed text is compared exactly with the item names: the completer
// must not turn "Sigmoid" into "sigmoid", and typing never adds an item.
QComboBox* liste(const QStringList& eintraege, QWidget* eltern, int x, int y) {
    auto* c = new QComboBox(eltern);
    c->setGeometry(x, y, 105, 21);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(eintraege);
    c->completer()->setCaseSensitivity(Qt::CaseSensitive);
    c->setCurrentIndex(0);
    return c;
}

// Shows the item of a kind, its number (replacing any text typed at the last use); a kind byte
// beyond the list (only from a damaged net file) shows an empty text.
template <class Art> void zeigeEintrag(QComboBox* c, Art art) {
    const int i = static_cast<int>(art);
    if (i < c->count()) {
        c->setCurrentIndex(i);
    } else {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
}

Aktionsfunktion aktionsfunktionAus(const QString& text) {
    if (text == QLatin1String("sigmoid")) return Aktionsfunktion::sigmoid;
    if (text == QLatin1String("tanh")) return Aktionsfunktion::tanh;
    if (text == QLatin1String("linear")) return Aktionsfunktion::linear;
    return Aktionsfunktion::sprung;
}

Outputfunktion outputfunktionAus(const QString& text) {
    return text == QLatin1String("identisch") ? Outputfunktion::identisch : Outputfunktion::binaer;
}

// The number fields filled from the neuron with the exact values behind their texts. A field
// whose text is still the one filled in gives that value back, not the rounded one its text
// shows; a field the user has edited, or one not filled this time, is read from its text.
class Gefuellt {
  public:
    void setze(TSingEdit* feld, float wert) {
        feld->SetzeNumber(wert);
        felder_.push_back({feld, feld->text(), wert});
    }
    float lies(const TSingEdit* feld) const {
        for (const auto& f : felder_)
            if (f.feld == feld && f.text == feld->text()) return f.wert;
        return feld->Number();
    }

  private:
    struct Feld {
        const TSingEdit* feld;
        QString text;
        float wert;
    };
    std::vector<Feld> felder_;
};

} // namespace

TNeuronEditForm::TNeuronEditForm(QWidget* parent) : QDialog(parent) {
    FesterDialog(*this, QStringLiteral("Neuronwerte editieren"), 414, 395);

    OKBtn = OKKnopf(*this, 300, 310, 93, 27);
    CancelBtn = AbbrechenKnopf(*this, 300, 350, 93, 27);

    GroupBox1 = new QGroupBox(QStringLiteral("Einstellungen"), this);
    GroupBox1->setGeometry(24, 16, 257, 265);

    SchichttypGruppe = new QGroupBox(QStringLiteral("Schichttyp"), GroupBox1);
    SchichttypGruppe->setGeometry(16, 24, 113, 73);
    SchichttypWahl = new QButtonGroup(this);
    const QString schichten[3] = {QStringLiteral("Inputschicht"), QStringLiteral("Hiddenschicht"),
                                  QStringLiteral("Outputschicht")};
    Auswahlknoepfe(SchichttypGruppe, SchichttypWahl, schichten, SchichttypKnopf, 6, 17, 105, 17,
                   17);
    // Bold like every other control of the dialog, in the narrow face of the font: the box is
    // too narrow for "Outputschicht" in the normal one.
    QFont schmal = SchichttypGruppe->font();
    schmal.setStretch(QFont::Condensed);
    for (QRadioButton* knopf : SchichttypKnopf)
        knopf->setFont(schmal);
    SchichttypKnopf[static_cast<int>(Schichttyp::Hiddenschicht)]->setChecked(true);
    connect(SchichttypWahl, &QButtonGroup::idToggled, this, [this](int, bool gewaehlt) {
        if (gewaehlt) SchichttypGruppeClick();
    });

    Label8 = label(QStringLiteral("Sollwert"), GroupBox1, 144, 40);
    SollOutPutEdit = zahlfeld(QStringLiteral("0"), GroupBox1, 144, 56);
    Label2 = label(QStringLiteral("Aktionsfunktion"), GroupBox1, 16, 104);
    ComboBox1 = liste({QStringLiteral("sigmoid"), QStringLiteral("tanh"), QStringLiteral("linear"),
                       QStringLiteral("sprung")},
                      GroupBox1, 144, 104);
    Label1 = label(QStringLiteral("Parameter"), GroupBox1, 16, 136);
    ParameterEdit = zahlfeld(QStringLiteral("1.0"), GroupBox1, 144, 136);
    Label5 = label(QStringLiteral("Schwelle Theta"), GroupBox1, 16, 168);
    ThetaEdit = zahlfeld(QStringLiteral("0"), GroupBox1, 144, 168);
    ComboBox2 = liste({QStringLiteral("identisch"), Binaer}, GroupBox1, 144, 200);
    connect(ComboBox2, &QComboBox::currentTextChanged, this, &TNeuronEditForm::ComboBox2Change);
    ComboBox1->installEventFilter(this);
    ComboBox2->installEventFilter(this);
    Label3 = label(QStringLiteral("Outputfunktion"), GroupBox1, 16, 208);
    Label7 = label(QStringLiteral("Schwelle Xi"), GroupBox1, 16, 240);
    XiEdit = zahlfeld(QStringLiteral("0.5"), GroupBox1, 144, 232);

    GroupBox2 = new QGroupBox(QStringLiteral("aktuelle Werte"), this);
    GroupBox2->setGeometry(24, 288, 257, 89);
    Label4 = label(QStringLiteral("Input"), GroupBox2, 24, 32);
    InputEdit = zahlfeld(QString(), GroupBox2, 144, 32);
    Label6 = label(QStringLiteral("Output"), GroupBox2, 24, 56);
    OutputEdit = zahlfeld(QString(), GroupBox2, 144, 56);

    // The field under "Sollwert" belongs to the hidden layer kind selected above.
    Label8->hide();
    SollOutPutEdit->hide();
    ComboBox2Change();

    QWidget* reihenfolge[] = {
        OKBtn,         CancelBtn, SollOutPutEdit,     ComboBox1,          ComboBox2,
        ParameterEdit, ThetaEdit, SchichttypKnopf[0], SchichttypKnopf[1], SchichttypKnopf[2],
        XiEdit,        InputEdit, OutputEdit};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
}

int TNeuronEditForm::SchichttypIndex() const {
    return SchichttypWahl->checkedId();
}

void TNeuronEditForm::FormActivate() {
    SchichttypGruppeClick();
    ComboBox2Change();
}

void TNeuronEditForm::SchichttypGruppeClick() {
    const bool sichtbar = SchichttypIndex() != static_cast<int>(Schichttyp::Hiddenschicht);
    Label8->setVisible(sichtbar);
    SollOutPutEdit->setVisible(sichtbar);
}

void TNeuronEditForm::ComboBox2Change() {
    XiEdit->setEnabled(ComboBox2->currentText() == Binaer);
}

void TNeuronEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Zentriere(*this);
    OKBtn->setFocus();
    FormActivate();
}

bool TNeuronEditForm::eventFilter(QObject* objekt, QEvent* event) {
    // A list completes a typed beginning inline: the whole name stands in the field with the
    // completed part selected. Enter would only take the completion and keep the key; with the
    // selection dropped here the name stays, and the key goes on to the default button.
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        auto* liste = qobject_cast<QComboBox*>(objekt);
        if (liste && liste->lineEdit() && (taste == Qt::Key_Return || taste == Qt::Key_Enter))
            liste->lineEdit()->deselect();
    }
    return QDialog::eventFilter(objekt, event);
}

void TNeuronEditForm::Editieren(TGrafikNeuron& neuron) {
    setWindowTitle(QString::fromStdString("Neuron " + neuron.Bezeichnung + " editieren"));
    // The radio item of a kind is its number; a kind byte beyond the three items (damaged file)
    // selects the last one.
    SchichttypKnopf[std::min(static_cast<int>(neuron.Schichttyp),
                             static_cast<int>(Schichttyp::Outputschicht))]
        ->setChecked(true);
    Gefuellt gefuellt;
    gefuellt.setze(ParameterEdit, neuron.Parameter);
    // A hidden neuron leaves the field with what it showed last.
    if (neuron.Schichttyp == Schichttyp::Inputschicht)
        gefuellt.setze(SollOutPutEdit, neuron.Output);
    else if (neuron.Schichttyp == Schichttyp::Outputschicht)
        gefuellt.setze(SollOutPutEdit, neuron.Sollwert);
    zeigeEintrag(ComboBox1, neuron.Aktionsfunktion);
    zeigeEintrag(ComboBox2, neuron.Outputfunktion);
    OutputEdit->SetzeNumber(neuron.Output);
    InputEdit->SetzeNumber(neuron.Inputsumme());
    gefuellt.setze(ThetaEdit, neuron.Theta);
    gefuellt.setze(XiEdit, neuron.Xi);

    if (dialoge().ZeigeModal(*this) != QDialog::Accepted) return;

    // Every field is read before anything is stored, so a field holding a value beyond float's
    // range leaves the neuron entirely as it was. "Input" and "Output" are for display only.
    const int item = SchichttypIndex();
    auto gewaehlt = [item](Schichttyp s) { return item == static_cast<int>(s); };
    const bool mitSollwert =
        gewaehlt(Schichttyp::Inputschicht) || gewaehlt(Schichttyp::Outputschicht);
    float xi = 0, soll = 0, parameter = 0, theta = 0;
    try {
        xi = gefuellt.lies(XiEdit);
        if (mitSollwert) soll = gefuellt.lies(SollOutPutEdit);
        parameter = gefuellt.lies(ParameterEdit);
        theta = gefuellt.lies(ThetaEdit);
    } catch (const Fehler& f) {
        dialoge().Fehler(f.what());
        return;
    }

    if (item >= 0) neuron.Schichttyp = static_cast<Schichttyp>(item);
    neuron.Xi = xi;
    // An input neuron's field is the output it gives the net, written directly.
    if (gewaehlt(Schichttyp::Inputschicht)) neuron.Output = soll;
    if (gewaehlt(Schichttyp::Outputschicht)) neuron.Sollwert = soll;
    neuron.Parameter = parameter;
    neuron.Theta = theta;
    neuron.Aktionsfunktion = aktionsfunktionAus(ComboBox1->currentText());
    neuron.Outputfunktion = outputfunktionAus(ComboBox2->currentText());
}

} // namespace nervalo
