// The net's picture as a file and on paper: the format follows the name or the filter, the PNG
// is the clipboard's picture, the SVG holds one shape per neuron and connection and the texts
// shown, a printed page keeps the picture's proportions and has its footer, and the commands
// report what fails instead of claiming success.
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "bildausgabe.h"
#include "mainform.h"
#include "qtzwischenablage.h"
#include "testdialoge.h"
#include "zeichenflaeche.h"

using namespace nervalo;

namespace {

// N0 (input) -> N1 (output) one-way, N1 <-> N2 two-way: three drawn connections.
void dreiNeuronen(TNetz& netz) {
    test::neuesNeuron(netz, 100, 100, Schichttyp::Inputschicht);
    test::neuesNeuron(netz, 400, 100, Schichttyp::Outputschicht);
    test::neuesNeuron(netz, 250, 300);
    netz.Verbinde(0, 1);
    netz.VerbindeBeide(1, 2);
    netz.SetzeGewicht(0, 1, 0.5f);
    netz.SetzeGewicht(1, 2, -1.25f);
    netz.SetzeGewicht(2, 1, 2.0f);
}

struct SvgInhalt {
    int kreise = 0;    // circles of a neuron's radius
    int punkte = 0;    // the small dots at connection ends
    int linien = 0;    // straight lines
    QStringList texte; // sorted
};

SvgInhalt lies(const QByteArray& svg) {
    SvgInhalt inhalt;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"circle") {
            const double r = a.value("r").toDouble();
            if (r == 22) ++inhalt.kreise;
            if (r == 2) ++inhalt.punkte;
        } else if (xml.name() == u"line") {
            ++inhalt.linien;
        } else if (xml.name() == u"polyline") {
            if (a.value("points").trimmed().split(u' ').size() == 2) ++inhalt.linien;
        } else if (xml.name() == u"text") {
            inhalt.texte << xml.readElementText();
        }
    }
    if (xml.hasError()) qWarning() << xml.errorString();
    inhalt.texte.sort();
    return xml.hasError() ? SvgInhalt{-1, -1, -1, {}} : inhalt;
}

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class BildausgabeTest : public QObject {
    Q_OBJECT

  private slots:
    void format_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("svg");
        QTest::newRow("png nach Filter") << "/a/netz.png" << 0 << false;
        QTest::newRow("svg nach Filter") << "/a/netz.svg" << 1 << true;
        QTest::newRow("Endung schlägt Filter") << "/a/netz.svg" << 0 << true;
        QTest::newRow("Endung schlägt Filter 2") << "/a/netz.png" << 1 << false;
        QTest::newRow("grosse Endung") << "/a/NETZ.SVG" << 0 << true;
        QTest::newRow("fremde Endung") << "/a/netz.bild" << 1 << true;
        QTest::newRow("Punkt im Ordner") << "/a.svg/netz" << 0 << false;
    }
    void format() {
        QFETCH(QString, pfad);
        QFETCH(int, filter);
        QFETCH(bool, svg);
        QCOMPARE(BildformatFuer(pfad.toStdString(), filter) == Bildformat::Svg, svg);
    }

    void svgInhalt_data() {
        QTest::addColumn<int>("darstellung");
        QTest::addColumn<int>("linien");
        QTest::addColumn<QStringList>("gewichte");
        const QStringList alle{"-1.25", "0.50", "2.00"};
        QTest::newRow("Pfeile und Gewichte") << int(PfeileZeigen | GewichteZeigen) << 3 << alle;
        QTest::newRow("nur Pfeile") << int(PfeileZeigen) << 3 << QStringList();
        QTest::newRow("ohne Pfeile") << int(GewichteZeigen) << 0 << QStringList();
    }
    void svgInhalt() {
        QFETCH(int, darstellung);
        QFETCH(int, linien);
        QFETCH(QStringList, gewichte);
        TNetz netz;
        dreiNeuronen(netz);
        netz.Neuron(0).SetzeOutput(0.75f);
        netz.Darstellung = static_cast<std::uint8_t>(darstellung);

        const SvgInhalt inhalt = lies(QByteArray::fromStdString(BildDaten(netz, Bildformat::Svg)));
        QCOMPARE(inhalt.kreise, 3);
        QCOMPARE(inhalt.linien, linien);
        QCOMPARE(inhalt.punkte, linien); // a dot at every drawn connection's end
        QStringList texte = QStringList{"N0", "N1", "N2", "0.00", "0.00", "0.75"} + gewichte;
        texte.sort();
        QCOMPARE(inhalt.texte, texte);
    }

    // The saved PNG is the clipboard's picture, pixel for pixel.
    void pngIstDasBildDerZwischenablage() {
        TNetz netz;
        dreiNeuronen(netz);
        QtZwischenablage ablage;
        Zwischenablage* vorher = setzeZwischenablage(&ablage);
        netz.KopiereInZwischenablage();
        setzeZwischenablage(vorher);
        const QImage kopiert = QGuiApplication::clipboard()->image();

        QImage gespeichert;
        QVERIFY(gespeichert.loadFromData(
            QByteArray::fromStdString(BildDaten(netz, Bildformat::Png)), "PNG"));
        QCOMPARE(gespeichert.size(), QSize(1300, 800));
        QCOMPARE(gespeichert.pixel(80, 100) & 0xFFFFFFu, 0x00FF00u); // N0's green
        QCOMPARE(gespeichert.convertToFormat(QImage::Format_RGB32),
                 kopiert.convertToFormat(QImage::Format_RGB32));
    }

    // The picture fills the page's width or its height above the footer, with its proportions
    // kept; name and date stand below it at the left and right. The page is grey, so that the
    // picture's white background shows where the picture lies.
    void druckseite_data() {
        QTest::addColumn<QSize>("seite");
        QTest::newRow("quer") << QSize(1400, 1000);
        QTest::newRow("hoch") << QSize(1000, 1400);
        QTest::newRow("flach") << QSize(2000, 600);
    }
    void druckseite() {
        QFETCH(QSize, seite);
        TNetz netz;
        dreiNeuronen(netz);
        const QRgb grau = qRgb(128, 128, 128);
        QImage bild(seite, QImage::Format_RGB32);
        bild.fill(grau);
        QPainter maler(&bild);
        DruckseiteZeichnen(maler, QRectF(QPointF(0, 0), QSizeF(seite)), netz, "xor.net",
                           "09.12.2026");
        maler.end();

        QRect bildflaeche; // the picture's white background
        for (int y = 0; y < seite.height(); ++y)
            for (int x = 0; x < seite.width(); ++x)
                if (bild.pixel(x, y) == qRgb(255, 255, 255)) bildflaeche |= QRect(x, y, 1, 1);
        QCOMPARE(bildflaeche.topLeft(), QPoint(0, 0));
        const double s = (bildflaeche.width()) / 1300.0;
        QVERIFY(std::abs(bildflaeche.height() - 800 * s) <= 1.5);
        // The footer's line: dark text near both edges, nothing in the middle, below the picture.
        const auto dunkelIn = [&](int x0, int x1) {
            for (int y = bildflaeche.bottom() + 1; y < seite.height(); ++y)
                for (int x = x0; x < x1; ++x)
                    if (qGray(bild.pixel(x, y)) < 64) return true;
            return false;
        };
        QVERIFY(dunkelIn(0, 40));
        QVERIFY(dunkelIn(seite.width() - 40, seite.width()));
        QVERIFY(!dunkelIn(seite.width() / 2 - 20, seite.width() / 2 + 20));
        // As large as the page allows: the full width, or all the height but the footer's.
        const int rest = seite.height() - bildflaeche.height();
        QVERIFY(bildflaeche.width() == seite.width() || rest < 60);
        QVERIFY(rest > 10);

        const auto bei = [&](double x, double y) {
            return bild.pixel(int(x * s), int(y * s)) & 0xFFFFFFu;
        };
        QCOMPARE(bei(83, 100), 0x00FF00u);  // inside N0, left of its texts
        QCOMPARE(bei(416, 100), 0xFFFF00u); // inside N1, right of its texts
        QCOMPARE(bei(60, 100), 0xFFFFFFu);  // left of N0
    }

    void fussname() {
        const std::pair<const char*, const char*> faelle[] = {
            {"", "Neues Netz"},
            {"/home/lehrer/kurs/xor-2-4-1.net", "xor-2-4-1.net"},
            {"xor.net", "xor.net"}};
        for (const auto& [datei, name] : faelle)
            QCOMPARE(Fussname(datei), QString(name));
    }

    // The command writes the format of the name or filter, keeps the old file when it cannot
    // write and reports that; Cancel writes nothing.
    void bildSpeichern() {
        QTemporaryDir ordner;
        test::TestDialoge dialoge;
        TMainForm f;
        f.NetzBtnClick();
        dreiNeuronen(f.AktuellesNetz);
        const QString svg = ordner.filePath("netz.svg");
        const QString png = ordner.filePath("netz.png");
        dialoge.dateiwahlen = {Dialoge::Dateiwahl{svg.toStdString(), 1},
                               Dialoge::Dateiwahl{png.toStdString(), 1}, std::nullopt,
                               Dialoge::Dateiwahl{ordner.filePath("fehlt/x.png").toStdString(), 0}};
        f.BildSpeichernClick();
        QVERIFY(lies(svg).startsWith("<?xml"));
        f.BildSpeichernClick();
        QVERIFY(lies(png).startsWith("\x89PNG"));
        f.BildSpeichernClick(); // cancelled
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files).size(), 2);
        QVERIFY(dialoge.liste.empty());
        f.BildSpeichernClick();
        QCOMPARE(dialoge.liste.size(), std::size_t(1));
        QCOMPARE(dialoge.liste[0].art, 'F');
        QVERIFY(!f.AktuellesNetz.Gesichert); // a picture is no saved net
    }

    // Printing goes through the print dialog to the printer it set up: one page in a PDF file.
    // An unusable printer is reported; Cancel prints nothing.
    void drucken() {
        QTemporaryDir ordner;
        test::TestDialoge dialoge;
        TMainForm f;
        f.Heute = [] { return QDate(2026, 12, 9); };
        f.NetzBtnClick();
        dreiNeuronen(f.AktuellesNetz);
        const QString pdf = ordner.filePath("netz.pdf");
        const auto nachPdf = [](const QString& datei) {
            return [datei](QPrinter& p) {
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(datei);
                return true;
            };
        };
        dialoge.druckdialoge = {[](QPrinter&) { return false; }, nachPdf(pdf),
                                nachPdf(ordner.filePath("fehlt/netz.pdf"))};
        f.DruckenClick();
        QVERIFY(!QFile::exists(pdf));
        f.DruckenClick();
        const QByteArray inhalt = lies(pdf);
        QVERIFY(inhalt.startsWith("%PDF-"));
        QCOMPARE(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page "), 1);
        QVERIFY(dialoge.liste.empty());
        f.DruckenClick();
        QCOMPARE(dialoge.liste.size(), std::size_t(1));
        QCOMPARE(dialoge.liste[0].art, 'F');
    }
};

QTEST_MAIN(BildausgabeTest)
#include "bildausgabe_test.moc"
