#include "aufgabenform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "aufgabendatei.h"
#include "befehl.h"
#include "bildschirm.h"
#include "fehler.h"
#include "fensterinhalt.h"
#include "hinweisweitergabe.h"
#include "meldungen.h"
#include "werkzeugfenster.h"
#include "zahltext.h"
#include "zufall.h"

namespace nervalo {
namespace {

constexpr int Spaltenbreite = 40; // plus one pixel of grid line
constexpr int Zeilenhoehe = 24;
constexpr int GridLinks = 16;
constexpr int MaxAufgaben = 10;

QFont schrift() {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Sans Serif")});
    f.setPixelSize(11);
    f.setBold(true);
    // A narrow face, so "Anzahl der Aufgaben:" fits left of the task count like the original
    // narrow bitmap font did.
    f.setStretch(QFont::Condensed);
    return f;
}

QString u8(const std::string& s) {
    return QString::fromStdString(s);
}

std::string spalten(std::int32_t n) {
    return std::to_string(n) + (n == 1 ? " Spalte" : " Spalten");
}

// Gives a typed key to the form's key handler; when the handler changes the character, the
// event is replaced by one for the new character, sent to the same receiver. True when the
// original event must be dropped.
bool ersetzeTaste(TAufgabenForm& form, QObject* empfaenger, const QKeyEvent& taste) {
    if (taste.text().size() != 1) return false;
    const QChar vorher = taste.text().front();
    QChar z = vorher;
    form.StringGrid1KeyPress(z);
    if (z == vorher) return false;
    QKeyEvent ersatz(QEvent::KeyPress, z == QLatin1Char(',') ? int(Qt::Key_Comma) : taste.key(),
                     taste.modifiers(), QString(z), taste.isAutoRepeat(), taste.count());
    QCoreApplication::sendEvent(empfaenger, &ersatz);
    return true;
}

// The cell editor of the task table. Keys typed into it pass the form's key handler (also the
// first one, which the table forwards when it opens the editor), and every change is written to
// the cell at once, so that a training step or a save that runs while a cell is being edited
// sees what the user has typed.
class ZellenDelegat : public QStyledItemDelegate {
  public:
    ZellenDelegat(TAufgabenForm& form, QObject* parent)
        : QStyledItemDelegate(parent), form_(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
            auto* selbst = const_cast<ZellenDelegat*>(this);
            connect(zeile, &QLineEdit::textEdited, selbst,
                    [selbst, zeile] { emit selbst->commitData(zeile); });
        }
        return editor;
    }

    // Keeps the text the cell had when the editor opened, for Escape.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* zeile = qobject_cast<QLineEdit*>(editor);
            zeile && !zeile->property(Vorher).isValid())
            zeile->setProperty(Vorher, zeile->text());
    }

  protected:
    bool eventFilter(QObject* editor, QEvent* e) override {
        bool ersetzt = false;
        if (e->type() == QEvent::KeyPress)
            Befehl([&] { ersetzt = ersetzeTaste(form_, editor, *static_cast<QKeyEvent*>(e)); });
        if (ersetzt) return true;
        // Escape takes back what was typed, although it is in the cell already.
        auto* zeile = qobject_cast<QLineEdit*>(editor);
        if (zeile && e->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            zeile->setText(zeile->property(Vorher).toString());
            emit commitData(zeile);
        }
        return QStyledItemDelegate::eventFilter(editor, e);
    }

  private:
    static constexpr const char* Vorher = "nervaloVorher";
    TAufgabenForm& form_;
};

QLabel* beschriftung(QWidget* eltern, const char* name, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    l->setObjectName(QLatin1String(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

// Read-only field in the button face's colour.
void grauUndNurLesen(QLineEdit* feld) {
    feld->setReadOnly(true);
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    feld->setPalette(p);
}

} // namespace

// Counts a running loop. When the outermost loop of a window that was closed meanwhile ends,
// the window is handed to the event loop for destruction: only then no frame of a loop refers
// to it any more.
class TAufgabenForm::Schleife {
  public:
    explicit Schleife(TAufgabenForm& form) : form_(form) {
        ++form_.schleifen_;
        form_.umgebung_.SchleifeBeginnt();
    }
    ~Schleife() {
        form_.umgebung_.SchleifeEndet();
        form_.VorgemerkteZeileSetzen();
        emit form_.SchleifeBeendet();
        if (--form_.schleifen_ == 0 && form_.geschlossen_) form_.deleteLater();
    }
    Schleife(const Schleife&) = delete;
    Schleife& operator=(const Schleife&) = delete;

  private:
    TAufgabenForm& form_;
};

TAufgabenForm::TAufgabenForm(AufgabenUmgebung& umgebung, QWidget* parent)
    : QWidget(parent, Werkzeugfenster), umgebung_(umgebung) {
    setWindowTitle(QStringLiteral("Lernaufgaben"));
    setFont(schrift());
    QPalette schwarz = palette();
    schwarz.setColor(QPalette::WindowText, Qt::black);
    setPalette(schwarz);
    inhalt_ = new Fensterinhalt(*this);
    QWidget* flaeche = inhalt_->Flaeche();
    inhalt_->FesteGroesse(QSize(252, 379));

    Label1 = beschriftung(flaeche, "Label1", "Anzahl der Aufgaben:", 16, 8);

    SpinEdit1 = new QSpinBox(flaeche);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(128, 8, 49, 22);
    SpinEdit1->setRange(1, MaxAufgaben);
    SpinEdit1->setValue(2);

    Label3 = beschriftung(flaeche, "Label3", "Trainiere Aufgabe:", 16, 48);

    const auto knopf = [flaeche](const char* name, const char* text, const char* hinweis, int x) {
        auto* k = new QToolButton(flaeche);
        k->setObjectName(QLatin1String(name));
        k->setText(QString::fromUtf8(text));
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setStatusTip(QString::fromUtf8(hinweis));
        k->setAutoRaise(true);
        k->setGeometry(x, 40, 49, 25);
        return k;
    };
    Trainierebtn = knopf("Trainierebtn", "A1", "Trainiere aktuelle Aufgabe", 128);
    TaBtn = knopf("TaBtn", "Alle", "Trainiere alle Aufgaben", 192);

    StringGrid1 = new QTableWidget(0, 0, flaeche);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(GridLinks, 72, 225, 233);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setCornerButtonEnabled(false);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    StringGrid1->setItemDelegate(new ZellenDelegat(*this, StringGrid1));
    // The header row and column are the grid's fixed cells: they neither scroll nor select.
    QHeaderView* oben = StringGrid1->horizontalHeader();
    oben->setMinimumSectionSize(1);
    oben->setDefaultSectionSize(Spaltenbreite);
    oben->setSectionResizeMode(QHeaderView::Fixed);
    oben->setSectionsClickable(false);
    oben->setHighlightSections(false);
    oben->setFixedHeight(Zeilenhoehe);
    QHeaderView* links = StringGrid1->verticalHeader();
    links->setMinimumSectionSize(1);
    links->setDefaultSectionSize(Zeilenhoehe);
    links->setSectionResizeMode(QHeaderView::Fixed);
    links->setSectionsClickable(false);
    links->setHighlightSections(false);
    links->setFixedWidth(Spaltenbreite);
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this] { StringGrid1Click(); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this] { StringGrid1Click(); });

    BitBtn1 = new QPushButton(QStringLiteral("Stop"), flaeche);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(16, 312, 49, 25);

    Label2 = beschriftung(flaeche, "Label2", "Fehler:", 112, 318);
    FehlerEdit = new QLineEdit(flaeche);
    FehlerEdit->setObjectName(QStringLiteral("FehlerEdit"));
    FehlerEdit->setGeometry(160, 316, 81, 21);
    grauUndNurLesen(FehlerEdit);

    Label4 = beschriftung(flaeche, "Label4", "Iterationen:", 88, 346);
    IterationenEdit = new TIntEdit(flaeche);
    IterationenEdit->setObjectName(QStringLiteral("IterationenEdit"));
    IterationenEdit->setGeometry(160, 344, 81, 21);
    grauUndNurLesen(IterationenEdit);
    IterationenEdit->SetzeNumber(0);

    zeilentakt_ = bilduhr().NeuerWecker([this] { VorgemerkteZeileSetzen(); });

    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { FormActivate(); });
    connect(Trainierebtn, &QToolButton::clicked, this, [this] { TrainierebtnClick(); });
    connect(TaBtn, &QToolButton::clicked, this, [this] { TaBtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    move(VerfuegbarerBereich(parent ? *parent : *this).center() - rect().center());
    show();
}

// ---- the table -------------------------------------------------------------------------------

std::string TAufgabenForm::Zelle(int spalte, int zeile) const {
    const QTableWidgetItem* item = nullptr;
    if (spalte < 0 || zeile < 0 || spalte >= SpaltenzahlDerTabelle() ||
        zeile >= ZeilenzahlDerTabelle() || (spalte == 0 && zeile == 0))
        return {};
    if (zeile == 0)
        item = StringGrid1->horizontalHeaderItem(spalte - 1);
    else if (spalte == 0)
        item = StringGrid1->verticalHeaderItem(zeile - 1);
    else
        item = StringGrid1->item(zeile - 1, spalte - 1);
    return item ? item->text().toStdString() : std::string();
}

void TAufgabenForm::SetzeZelle(int spalte, int zeile, const std::string& text) {
    if (spalte < 0 || zeile < 0 || spalte >= SpaltenzahlDerTabelle() ||
        zeile >= ZeilenzahlDerTabelle() || (spalte == 0 && zeile == 0))
        return;
    const QString t = u8(text);
    if (zeile == 0) {
        if (auto* item = StringGrid1->horizontalHeaderItem(spalte - 1))
            item->setText(t);
        else
            StringGrid1->setHorizontalHeaderItem(spalte - 1, new QTableWidgetItem(t));
    } else if (spalte == 0) {
        if (auto* item = StringGrid1->verticalHeaderItem(zeile - 1))
            item->setText(t);
        else
            StringGrid1->setVerticalHeaderItem(zeile - 1, new QTableWidgetItem(t));
    } else {
        if (auto* item = StringGrid1->item(zeile - 1, spalte - 1))
            item->setText(t);
        else
            StringGrid1->setItem(zeile - 1, spalte - 1, new QTableWidgetItem(t));
    }
}

void TAufgabenForm::SetzeSpaltenzahlDerTabelle(int spalten) {
    StringGrid1->setColumnCount(std::max(spalten - 1, 0));
    // A header that the column count left without a text would show its number instead.
    for (int c = 1; c < SpaltenzahlDerTabelle(); ++c)
        if (!StringGrid1->horizontalHeaderItem(c - 1)) SetzeZelle(c, 0, "");
    if (StringGrid1->currentRow() < 0 && StringGrid1->rowCount() > 0 &&
        StringGrid1->columnCount() > 0)
        StringGrid1->setCurrentCell(0, 0);
}

int TAufgabenForm::SpaltenzahlDerTabelle() const {
    return StringGrid1->columnCount() + 1;
}

int TAufgabenForm::ZeilenzahlDerTabelle() const {
    return StringGrid1->rowCount() + 1;
}

void TAufgabenForm::AktuelleZeileSetzen(int zeile) {
    if (zeile < 1 || zeile >= ZeilenzahlDerTabelle()) return;
    if (StringGrid1->columnCount() > 0)
        StringGrid1->setCurrentCell(zeile - 1, std::max(StringGrid1->currentColumn(), 0));
    Trainierebtn->setText(u8(Zelle(0, zeile)));
}

void TAufgabenForm::ZeileVormerken(int zeile) {
    vorgemerkteZeile_ = zeile;
    if (!zeilentakt_->Gestellt()) zeilentakt_->Stellen(Bildzeit);
}

void TAufgabenForm::VorgemerkteZeileSetzen() {
    const int zeile = vorgemerkteZeile_;
    if (zeile == 0) return;
    vorgemerkteZeile_ = 0;
    zeilentakt_->Abstellen();
    AktuelleZeileSetzen(zeile);
}

// ---- handlers --------------------------------------------------------------------------------

void TAufgabenForm::FensterAnpassen() {
    const int n = SpinEdit1->value();
    StringGrid1->setRowCount(n);
    for (int r = 1; r <= n; ++r)
        SetzeZelle(0, r, "A" + std::to_string(r));
    if (StringGrid1->currentRow() < 0 && n > 0 && StringGrid1->columnCount() > 0)
        StringGrid1->setCurrentCell(0, 0);

    const long long breite = std::clamp((std::max(Spaltenzahl, 0) + 1LL) * (Spaltenbreite + 1) + 20,
                                        0LL, static_cast<long long>(QWIDGETSIZE_MAX) / 2);
    StringGrid1->resize(static_cast<int>(breite), StringGrid1->height());
    const long long w = breite + GridLinks + 25;
    if (w > inhalt_->Flaeche()->width())
        inhalt_->FesteGroesse(QSize(static_cast<int>(w), inhalt_->Flaeche()->height()));
}

void TAufgabenForm::FormActivate() {
    try {
        FensterAnpassen();
    } catch (...) {
        // The layout follows at the next activation.
    }
}

void TAufgabenForm::TrainierebtnClick() {
    Befehl([&] {
        Schleife schleife(*this);
        IterationenEdit->SetzeNumber(0);
        Abbruch = false;
        // The row current at the click, also when a loop started meanwhile moved the row.
        VorgemerkteZeileSetzen();
        const std::int32_t zeile = std::max(StringGrid1->currentRow() + 1, 1);
        do {
            AktuelleAufgabe = zeile;
            umgebung_.Trainieren();
        } while (!Abbruch);
    });
}

void TAufgabenForm::TaBtnClick() {
    Befehl([&] {
        Schleife schleife(*this);
        IterationenEdit->SetzeNumber(0);
        Abbruch = false;
        zufall().SetzeAusUhr();
        do {
            QCoreApplication::processEvents();
            // Stop or the close box in these events: no further step, the net may be gone.
            if (Abbruch) break;
            const std::int32_t r = zufall().Ganz(SpinEdit1->value()) + 1;
            AktuelleAufgabe = r;
            ZeileVormerken(r);
            umgebung_.Trainieren();
        } while (!Abbruch);
    });
}

void TAufgabenForm::BitBtn1Click() {
    Abbruch = true;
    emit AbbruchVerlangt();
}

void TAufgabenForm::StringGrid1Click() {
    const int zeile = StringGrid1->currentRow() + 1;
    if (zeile >= 1) Trainierebtn->setText(u8(Zelle(0, zeile)));
}

void TAufgabenForm::StringGrid1KeyPress(QChar& key) {
    if (key == QLatin1Char('.')) key = QLatin1Char(',');
    StringGrid1Click();
}

void TAufgabenForm::FormClose() {
    Abbruch = true;
    emit AbbruchVerlangt();
    if (geschlossen_) return;
    geschlossen_ = true;
    Befehl([&] { umgebung_.AufgabenfensterGeschlossen(); });
    // A running loop still refers to the window: it goes out of sight now and is destroyed when
    // the outermost loop has returned.
    if (LaeuftSchleife())
        hide();
    else
        deleteLater();
}

void TAufgabenForm::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

bool TAufgabenForm::event(QEvent* e) {
    if (HinweisWeitergeben(*this, e)) return true;
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(e);
}

// ---- the table's checks and files ------------------------------------------------------------

bool TAufgabenForm::TabelleGueltig() {
    bool ergebnis = true;
    for (int c = 1; c <= Spaltenzahl; ++c)
        for (int r = 1; r <= SpinEdit1->value(); ++r) {
            try {
                TextZuZahl(Zelle(c, r));
            } catch (const Fehler& f) {
                meldungen().Fehler(f.what());
                ergebnis = false;
            }
        }
    return ergebnis;
}

void TAufgabenForm::Laden(const std::string& dateiname) {
    AufgabendateiLeser leser(dateiname);
    if (leser.Spaltenzahl() != Spaltenzahl)
        throw Fehler("Die Lernaufgabe hat " + spalten(leser.Spaltenzahl()) + ", die Tabelle hat " +
                     spalten(Spaltenzahl) + ".");
    Spaltenzahl = leser.Spaltenzahl();
    const std::int32_t n = leser.Anzahl();
    SpinEdit1->setValue(std::clamp(n, 1, MaxAufgaben)); // its change handler fits the rows
    const std::int32_t zeilen = std::min(n, ZeilenzahlDerTabelle() - 1);
    for (std::int32_t c = 1; c <= Spaltenzahl && n > 0; ++c) {
        for (std::int32_t r = 1; r <= zeilen; ++r)
            SetzeZelle(c, r, ZellenText(leser.Wert()));
        // Tasks beyond the table's rows are passed over, column by column.
        leser.Ueberspringe(n - zeilen);
    }
    FensterAnpassen();
}

void TAufgabenForm::Sichern(const std::string& dateiname) {
    const std::int32_t spaltenzahl = std::max(Spaltenzahl, 0);
    const std::int32_t n = SpinEdit1->value();
    std::vector<float> werte;
    for (int c = 1; c <= spaltenzahl; ++c)
        for (int r = 1; r <= n; ++r)
            werte.push_back(TextZuZahl(Zelle(c, r)));
    SichereAufgabendatei(dateiname, spaltenzahl, n, werte);
}

} // namespace nervalo
