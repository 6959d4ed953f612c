#include "hopfieldform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <limits>

#include "befehl.h"
#include "bildschirm.h"
#include "fensterinhalt.h"
#include "hinweisweitergabe.h"
#include "netz.h"
#include "werkzeugfenster.h"

namespace nervalo {
namespace {

constexpr int Rand = 1;     // frame around the cells
constexpr int Schritt = 21; // cell of 20 pixels plus its grid line
constexpr int KleinsterSchritt = 2;
constexpr int PanelHoehe = 33; // Panel1
constexpr int HintHoehe = 25;  // Hintpanel
const char* const Kritisch = "Anzahl der Muster kritisch!";

QToolButton* flacherKnopf(QWidget* eltern, const char* name, const QString& text,
                          const QString& hinweis, int links) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoRaise(true);
    k->setText(text);
    k->setToolTip(hinweis);
    k->setStatusTip(hinweis);
    k->setFocusPolicy(Qt::NoFocus);
    k->setGeometry(links, 4, 25, 25);
    return k;
}

// The width at which the field shows the text whole: the text, the field's frame and its inner
// margin of 2 pixels on each side, and the cursor after the last character.
int breiteFuer(const QLineEdit& feld, const QString& text) {
    const int rahmen = feld.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &feld);
    return feld.fontMetrics().horizontalAdvance(text) + 2 * (rahmen + 2) + 1;
}

TIntEdit* zahlFeld(QWidget* eltern, const char* name, const QRect& ort) {
    auto* f = new TIntEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(ort);
    f->SetzeNumber(0);
    return f;
}

} // namespace

// ---- Grid ------------------------------------------------------------------------------------

TMusterGitter::TMusterGitter(THopfieldForm& form, QWidget* parent)
    : QWidget(parent), form_(form), zellen_(static_cast<std::size_t>(spalten_ * zeilen_)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMusterGitter::Umbauen(int spalten, int zeilen) {
    spalten = std::clamp(spalten, 1, MaxNeuronen);
    zeilen = std::clamp(zeilen, 1, MaxNeuronen);
    if (spalten == spalten_ && zeilen == zeilen_) return;
    std::vector<std::string> neu(static_cast<std::size_t>(spalten * zeilen));
    for (int c = 0; c < std::min(spalten, spalten_); ++c)
        for (int r = 0; r < std::min(zeilen, zeilen_); ++r)
            neu[static_cast<std::size_t>(c * zeilen + r)] = Cells(c, r);
    zellen_ = std::move(neu);
    spalten_ = spalten;
    zeilen_ = zeilen;
    update();
}

void TMusterGitter::SetzeColCount(int n) {
    Umbauen(n, zeilen_);
}

void TMusterGitter::SetzeRowCount(int n) {
    Umbauen(spalten_, n);
}

std::string TMusterGitter::Cells(int spalte, int zeile) const {
    if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_) return {};
    return zellen_[static_cast<std::size_t>(spalte * zeilen_ + zeile)];
}

void TMusterGitter::SetzeCells(int spalte, int zeile, const std::string& text) {
    if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_) return;
    std::string& zelle = zellen_[static_cast<std::size_t>(spalte * zeilen_ + zeile)];
    if (zelle == text) return;
    zelle = text;
    update(ZellRechteck(spalte, zeile));
}

int TMusterGitter::SchrittX() const {
    return std::clamp((width() - 2 * Rand) / spalten_, KleinsterSchritt, Schritt);
}

int TMusterGitter::SchrittY() const {
    return std::clamp((height() - 2 * Rand) / zeilen_, KleinsterSchritt, Schritt);
}

bool TMusterGitter::ZelleBei(int x, int y, int& spalte, int& zeile) const {
    const int sx = SchrittX();
    const int sy = SchrittY();
    if (x < Rand || y < Rand || x >= width() - Rand || y >= height() - Rand) return false;
    const int c = (x - Rand) / sx;
    const int r = (y - Rand) / sy;
    if (c >= spalten_ || r >= zeilen_) return false;
    spalte = c;
    zeile = r;
    return true;
}

QRect TMusterGitter::ZellRechteck(int spalte, int zeile) const {
    const int sx = SchrittX();
    const int sy = SchrittY();
    return QRect(Rand + spalte * sx, Rand + zeile * sy, sx - 1, sy - 1);
}

void TMusterGitter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, width() - 1, height() - 1);

    const QRect innen(Rand, Rand, width() - 2 * Rand, height() - 2 * Rand);
    p.setClipRect(innen);
    const int sx = SchrittX();
    const int sy = SchrittY();
    const int rechts = Rand + spalten_ * sx - 1;
    const int unten = Rand + zeilen_ * sy - 1;
    p.setPen(QColor(192, 192, 192));
    for (int c = 1; c <= spalten_; ++c)
        p.drawLine(Rand + c * sx - 1, Rand, Rand + c * sx - 1, unten);
    for (int r = 1; r <= zeilen_; ++r)
        p.drawLine(Rand, Rand + r * sy - 1, rechts, Rand + r * sy - 1);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int c = 0; c < spalten_; ++c)
        for (int r = 0; r < zeilen_; ++r) {
            const std::string& text = zellen_[static_cast<std::size_t>(c * zeilen_ + r)];
            if (text.empty()) continue;
            const QRectF zelle = ZellRechteck(c, r);
            if (text == "u") {
                // The filled diamond of an on cell.
                const QPointF m = zelle.center() + QPointF(0.5, 0.5);
                const qreal h = std::min(zelle.width(), zelle.height()) * 0.32;
                const QPointF ecken[4] = {m + QPointF(0, -h), m + QPointF(h, 0), m + QPointF(0, h),
                                          m + QPointF(-h, 0)};
                p.drawPolygon(ecken, 4);
            } else {
                p.setPen(Qt::black);
                p.drawText(zelle, Qt::AlignCenter, QString::fromStdString(text));
                p.setPen(Qt::NoPen);
            }
        }
}

// The second press of a quick double click arrives as a double click event only, which
// QWidget passes on here: it toggles the cell like any other press, so a double click leaves
// the cell as it was.
void TMusterGitter::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    form_.StringGrid1MouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

// ---- Form ------------------------------------------------------------------------------------

THopfieldForm::THopfieldForm(HopfieldUmgebung& umgebung, QWidget* parent)
    : QWidget(parent, Werkzeugfenster), umgebung_(umgebung) {
    setObjectName(QStringLiteral("HopfieldForm"));
    setWindowTitle(QStringLiteral("Hopfield"));
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);

    inhalt_ = new Fensterinhalt(*this, [this](QSize g) { Raender(g); });
    QWidget* flaeche = inhalt_->Flaeche();
    Panel1 = new QFrame(flaeche);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LoescheBtn = flacherKnopf(Panel1, "LoescheBtn", QStringLiteral("C"),
                              QStringLiteral("Muster löschen"), 8);
    MerkeBtn = flacherKnopf(Panel1, "MerkeBtn", QStringLiteral("!"),
                            QStringLiteral("Muster einprägen"), 48);
    ErkennenBtn = flacherKnopf(Panel1, "ErkennenBtn", QStringLiteral("?"),
                               QStringLiteral("Muster rekonstruieren"), 88);
    Label2 = new QLabel(QStringLiteral("Prop.:"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(128, 8);
    Label2->adjustSize();
    IntEdit1 = zahlFeld(Panel1, "IntEdit1", QRect(168, 5, 25, 24));
    // Wide enough for five digits (at two seconds a pass, 10000 passes take five and a half
    // hours); "Stop" keeps its distance of 5 pixels.
    IntEdit1->setFixedWidth(std::max(25, breiteFuer(*IntEdit1, QStringLiteral("00000"))));
    StopBtn = new QPushButton(QStringLiteral("Stop"), Panel1);
    StopBtn->setObjectName(QStringLiteral("StopBtn"));
    StopBtn->setGeometry(IntEdit1->geometry().right() + 6, 4, 41, 25);
    StopBtn->setToolTip(QStringLiteral("Propagation stoppen"));
    StopBtn->setStatusTip(QStringLiteral("Propagation stoppen"));

    StringGrid1 = new TMusterGitter(*this, flaeche);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(10, 40, 220, 240);

    MusternummerLbl = new QLabel(QStringLiteral("Lernen von Muster Nr."), flaeche);
    MusternummerLbl->setObjectName(QStringLiteral("MusternummerLbl"));
    MusternummerLbl->setWordWrap(true);
    MusternummerLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MusternummerLbl->setGeometry(240, 42, 77, 32);
    MusternummerEdit = zahlFeld(flaeche, "MusternummerEdit", QRect(344, 48, 49, 24));

    Hintpanel = new QLabel(flaeche);
    Hintpanel->setObjectName(QStringLiteral("Hintpanel"));
    Hintpanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Hintpanel->setAlignment(Qt::AlignCenter);
    QFont hinweis;
    hinweis.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                         QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")});
    hinweis.setPixelSize(13);
    Hintpanel->setFont(hinweis);

    connect(LoescheBtn, &QToolButton::clicked, this, [this] { LoescheBtnClick(); });
    connect(MerkeBtn, &QToolButton::clicked, this, [this] { MerkeBtnClick(); });
    connect(ErkennenBtn, &QToolButton::clicked, this, [this] { ErkennenBtnClick(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopBtnClick(); });

    resize(414, 328);
}

void THopfieldForm::Auslegen(int h, int v) {
    Befehl([&] {
        StringGrid1->SetzeColCount(h);
        StringGrid1->SetzeRowCount(v);
        const int gitterBreite = 20 * Spalten() + 10;
        StringGrid1->setMinimumWidth(gitterBreite);
        StringGrid1->setMaximumWidth(gitterBreite);
        StringGrid1->resize(gitterBreite, 21 * Zeilen() + 9);

        MusternummerLbl->move(StringGrid1->x() + StringGrid1->width() + 10, MusternummerLbl->y());
        MusternummerEdit->move(MusternummerLbl->x() + MusternummerLbl->width() + 5,
                               MusternummerEdit->y());

        // Sizes of the client area: everything above fits in it, also for one cell.
        const int breite = std::max(
            StringGrid1->width() + MusternummerLbl->width() + MusternummerEdit->width() + 50, 264);
        const int hoehe = std::max(StringGrid1->height() + 90, 130) + 30;
        inhalt_->FesteGroesse(QSize(breite, hoehe));
    });
}

void THopfieldForm::Raender(QSize groesse) {
    Panel1->setGeometry(0, 0, groesse.width(), PanelHoehe);
    Hintpanel->setGeometry(0, groesse.height() - HintHoehe, groesse.width(), HintHoehe);
}

void THopfieldForm::showEvent(QShowEvent* e) {
    // Centred on the screen when shown the first time, with the size it has then.
    if (!zentriert_ && !e->spontaneous()) {
        zentriert_ = true;
        QRect ort = frameGeometry();
        ort.moveCenter(VerfuegbarerBereich(parentWidget() ? *parentWidget() : *this).center());
        move(ort.topLeft());
    }
    QWidget::showEvent(e);
}

bool THopfieldForm::event(QEvent* e) {
    if (HinweisWeitergeben(*this, e)) return true;
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(e);
}

Muster THopfieldForm::Gittermuster() const {
    const Hopfieldspeicher s(Spalten(), Zeilen());
    Muster m(static_cast<std::size_t>(Spalten()) * Zeilen());
    for (int c = 0; c < Spalten(); ++c)
        for (int r = 0; r < Zeilen(); ++r)
            m[static_cast<std::size_t>(s.Neuron(c, r))] = Zelle(c, r) == "u";
    return m;
}

void THopfieldForm::StringGrid1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    Befehl([&] {
        int spalte = 0;
        int zeile = 0;
        if (!StringGrid1->ZelleBei(x, y, spalte, zeile)) return;
        SetzeZelle(spalte, zeile, Zelle(spalte, zeile).empty() ? "u" : "");
        emit ZellenGeaendert();
    });
}

void THopfieldForm::LoescheBtnClick() {
    Befehl([&] {
        for (int c = 0; c < Spalten(); ++c)
            for (int r = 0; r < Zeilen(); ++r)
                SetzeZelle(c, r, "");
        emit ZellenGeaendert();
    });
}

void THopfieldForm::MerkeBtnClick() {
    Befehl([&] {
        umgebung_.MusterMerken();
        // A count typed at the top of the range stays there instead of turning negative.
        std::int32_t m = MusternummerEdit->Number();
        if (m < std::numeric_limits<std::int32_t>::max()) ++m;
        MusternummerEdit->SetzeNumber(m);
        // About 0.14 patterns per neuron can be told apart; beyond that recall fails.
        const double n = static_cast<double>(Spalten()) * Zeilen();
        if (m > 0.14 * n - 1) Hintpanel->setText(QString::fromUtf8(Kritisch));
    });
}

void THopfieldForm::ErkennenBtnClick() {
    Befehl([&] {
        Abbruch = false;
        struct Tiefe {
            int& n;
            explicit Tiefe(int& z) : n(z) { ++n; }
            ~Tiefe() { --n; }
        } tiefe(schleifen_);
        umgebung_.MusterErkennen();
    });
    // Closed during the recall: the window was kept for the loop and goes now.
    if (geschlossen_ && schleifen_ == 0) deleteLater();
}

void THopfieldForm::StopBtnClick() {
    Befehl([&] { Abbruch = true; });
}

void THopfieldForm::FormActivate() {
    Befehl([&] {
        // Asks for an outer size of 190 x 240; once Auslegen has fixed the size, the limits keep
        // the window as it is.
        if (minimumSize() != maximumSize()) {
            const QSize rahmen = frameGeometry().size() - size();
            resize(QSize(190, 240) - rahmen);
        }
        umgebung_.HopfieldfensterGeoeffnet();
    });
}

void THopfieldForm::FormClose() {
    Befehl([&] {
        Abbruch = true;
        if (geschlossen_) return;
        geschlossen_ = true;
        umgebung_.HopfieldfensterGeschlossen();
    });
    // A recall that runs from this window still uses it until its stop test; then
    // ErkennenBtnClick frees it.
    if (schleifen_ == 0) deleteLater();
}

void THopfieldForm::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

} // namespace nervalo
