#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "netz.h"
#include "neuron.h"
#include "testhilfe.h"
#include "zeichenflaeche.h"

using namespace nervalo;

namespace {

std::string farbe(Farbe f) {
    return std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b);
}

// Records every drawing call as a line of text. Text is 7 pixels wide per character (UTF-8 code
// point) and 13 pixels high. The metric queries draw nothing and are not recorded.
class Protokoll : public Zeichenflaeche {
  public:
    explicit Protokoll(StiftModus m = StiftModus::Kopieren) : modus_(m) {}
    void SetzeFuellfarbe(Farbe f) override { liste.push_back("Fuellung " + farbe(f)); }
    void SetzeSchriftfarbe(Farbe f) override { liste.push_back("Schrift " + farbe(f)); }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        liste.push_back("Ellipse " + zahlen({x1, y1, x2, y2}));
    }
    void BewegeZu(int x, int y) override { liste.push_back("BewegeZu " + zahlen({x, y})); }
    void LinieZu(int x, int y) override { liste.push_back("LinieZu " + zahlen({x, y})); }
    int TextBreite(const std::string& t) const override {
        int zeichen = 0;
        for (unsigned char b : t)
            if ((b & 0xC0) != 0x80) ++zeichen;
        return 7 * zeichen;
    }
    int TextHoehe(const std::string&) const override { return 13; }
    void Text(int x, int y, const std::string& t) override {
        liste.push_back("Text " + zahlen({x, y}) + " " + t);
    }
    void Rechteck(int x1, int y1, int x2, int y2) override {
        liste.push_back("Rechteck " + zahlen({x1, y1, x2, y2}));
    }
    StiftModus Stiftmodus() const override { return modus_; }
    void SetzeStiftmodus(StiftModus m) override {
        modus_ = m;
        liste.push_back("Stiftmodus");
    }

    // The recorded lines that start with the given word.
    std::vector<std::string> nur(const std::string& wort) const {
        std::vector<std::string> r;
        for (const std::string& z : liste)
            if (z.rfind(wort + " ", 0) == 0) r.push_back(z);
        return r;
    }

    std::vector<std::string> liste;

  private:
    static std::string zahlen(std::initializer_list<int> z) {
        std::string s;
        for (int v : z)
            s += (s.empty() ? "" : ",") + std::to_string(v);
        return s;
    }
    StiftModus modus_;
};

using Zeilen = std::vector<std::string>;

// The recorded drawing of one connection a -> b alone.
Zeilen verbindung(const TNetz& netz, int a, int b) {
    Protokoll p;
    netz.ZeichneVerbindung(a, b, p);
    return p.liste;
}

} // namespace

TEST(Zeichnen, EinNeuron) {
    struct Fall {
        int x, y;
        Schichttyp schichttyp;
        std::uint8_t anzeige;
        std::string bezeichnung;
        float output;
        bool markiert;
        Zeilen erwartet;
    };
    const Fall faelle[] = {
        // A new neuron: white circle, label 7 pixels above and "0.00" 7 below the centre.
        {100,
         100,
         Schichttyp::Hiddenschicht,
         Beschriftung,
         "N0",
         0.0f,
         false,
         {"Schrift 0,0,255", "Fuellung 255,255,255", "Ellipse 78,78,122,122", "Text 93,87 N0",
          "Text 86,101 0.00"}},
        // Highlighted in red; a label wider than the circle is written in full across it.
        {-10,
         5,
         Schichttyp::Outputschicht,
         Beschriftung,
         "Ausgabeneuron",
         -1.0f,
         true,
         {"Schrift 255,0,0", "Fuellung 255,255,0", "Ellipse -32,-17,12,27",
          "Text -55,-8 Ausgabeneuron", "Text -27,6 -1.00"}},
        // Without Beschriftung only the circle.
        {100,
         100,
         Schichttyp::Inputschicht,
         0,
         "N0",
         0.0f,
         false,
         {"Schrift 0,0,255", "Fuellung 0,255,0", "Ellipse 78,78,122,122"}},
        // A kind from a damaged file keeps the fill colour the surface already has.
        // clang-format off
        {100, 100, Schichttyp{3}, 0, "N0", 0.0f, false,
         {"Schrift 0,0,255", "Ellipse 78,78,122,122"}},
        {100, 100, Schichttyp{255}, 0, "N0", 0.0f, true,
         {"Schrift 255,0,0", "Ellipse 78,78,122,122"}},
        // clang-format on
    };
    for (const Fall& f : faelle) {
        TGrafikNeuron n;
        n.X = f.x;
        n.Y = f.y;
        n.Schichttyp = f.schichttyp;
        n.Anzeige = f.anzeige;
        n.Bezeichnung = f.bezeichnung;
        n.Output = f.output;
        // The editor draws in NichtXor mode while dragging; drawing leaves the mode alone.
        Protokoll p(StiftModus::NichtXor);
        if (f.markiert)
            n.Markiere(p);
        else
            n.Zeige(p);
        EXPECT_EQ(p.liste, f.erwartet) << f.bezeichnung << " " << int(f.schichttyp);
        EXPECT_EQ(p.Stiftmodus(), StiftModus::NichtXor);
    }
}

TEST(Zeichnen, Trefferquadrat) {
    TGrafikNeuron n;
    n.X = 100;
    n.Y = 100;
    struct Fall {
        int x, y;
        bool treffer;
    };
    const Fall faelle[] = {
        {100, 100, true},
        {122, 122, true},
        {78, 78, true},
        {122, 78, true},
        {78, 122, true},
        {123, 100, false},
        {77, 100, false},
        {100, 123, false},
        {100, 77, false},
        {123, 123, false},
        // Far away points must not wrap around.
        {INT_MIN, INT_MIN, false},
        {INT_MAX, 100, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(n.Getroffen(f.x, f.y), f.treffer) << f.x << "," << f.y;

    TGrafikNeuron fern;
    fern.X = INT_MAX;
    fern.Y = INT_MIN;
    EXPECT_TRUE(fern.Getroffen(INT_MAX - 22, INT_MIN + 22));
    EXPECT_FALSE(fern.Getroffen(INT_MIN, INT_MAX));
}

TEST(Zeichnen, NeuronBeiLiefertDenHoechstenIndex) {
    TNetz netz;
    EXPECT_EQ(netz.NeuronBei(0, 0), -1);
    test::neuesNeuron(netz, 100, 100);
    test::neuesNeuron(netz, 120, 100);
    test::neuesNeuron(netz, 300, 300);
    EXPECT_EQ(netz.NeuronBei(80, 100), 0);
    EXPECT_EQ(netz.NeuronBei(110, 100), 1); // both squares: the later neuron, drawn on top
    EXPECT_EQ(netz.NeuronBei(142, 122), 1);
    EXPECT_EQ(netz.NeuronBei(143, 100), -1);
    EXPECT_EQ(netz.NeuronBei(300, 300), 2);
    EXPECT_EQ(netz.NeuronBei(200, 200), -1);
}

TEST(Zeichnen, WaagerechteVerbindung) {
    TNetz netz;
    test::neuesNeuron(netz, 100, 100);
    test::neuesNeuron(netz, 200, 100);
    netz.Verbinde(0, 1);
    netz.SetzeGewicht(0, 1, 0.5f);
    EXPECT_EQ(
        verbindung(netz, 0, 1),
        (Zeilen{"BewegeZu 124,100", "LinieZu 176,100", "Fuellung 255,0,0", "Ellipse 174,98,178,102",
                "Fuellung 255,255,255", "Schrift 0,0,0", "Text 152,94 0.50"}));

    // As half of a two-way pair the weight sits at the midpoint.
    netz.VerbindeBeide(0, 1);
    EXPECT_EQ(verbindung(netz, 0, 1).back(), "Text 136,94 0.50");
    // The reverse direction has its dot at the other end.
    netz.SetzeGewicht(1, 0, -1.0f);
    EXPECT_EQ(
        verbindung(netz, 1, 0),
        (Zeilen{"BewegeZu 176,100", "LinieZu 124,100", "Fuellung 255,0,0", "Ellipse 122,98,126,102",
                "Fuellung 255,255,255", "Schrift 0,0,0", "Text 133,94 -1.00"}));
}

TEST(Zeichnen, LinienendenWerdenGerundet) {
    // Line ends: the offset dx * 24 / len is rounded to the nearest pixel. The last two cases lie
    // within a millionth of a half: float arithmetic, or len kept in double instead of being
    // stored as float, lands on or across the half and gives the other neighbour.
    struct Fall {
        int ax, ay, bx, by;
        std::string start, ende;
    };
    const Fall faelle[] = {
        {0, 0, 7, 24, "BewegeZu 7,23", "LinieZu 0,1"}, // 6.72, 23.04: not truncated
        {0, 0, -7, -24, "BewegeZu -7,-23", "LinieZu 0,-1"},
        {0, 0, -30, -40, "BewegeZu -14,-19", "LinieZu -16,-21"}, // -14.4: not floored
        {50, -20, 80, 20, "BewegeZu 64,-1", "LinieZu 66,1"},
        {100, 100, 100, 30, "BewegeZu 100,76", "LinieZu 100,54"},
        {0, 0, 1903, 1786, "BewegeZu 17,16", "LinieZu 1886,1770"}, // 17.4999997
        {-1000, -1000, 903, 786, "BewegeZu -983,-984", "LinieZu 886,770"},
        {0, 0, 2073, 1262, "BewegeZu 21,12", "LinieZu 2052,1250"}, // 20.5000006
    };
    for (const Fall& f : faelle) {
        TNetz netz;
        netz.Darstellung = PfeileZeigen;
        test::neuesNeuron(netz, f.ax, f.ay);
        test::neuesNeuron(netz, f.bx, f.by);
        netz.Verbinde(0, 1);
        const Zeilen z = verbindung(netz, 0, 1);
        ASSERT_GE(z.size(), 2u);
        EXPECT_EQ(z[0], f.start) << f.bx << "," << f.by;
        EXPECT_EQ(z[1], f.ende) << f.bx << "," << f.by;
    }
}

TEST(Zeichnen, GewichtslagenTeilenGegenNullGerundet) {
    // Centre of the weight label: two thirds from the source for a one-way connection, the
    // midpoint otherwise; integer division truncates toward zero. "0.00" is 28 by 13 pixels, so
    // the text's corner is the centre minus (14, 6).
    struct Fall {
        int ax, ay, bx, by;
        float art;
        std::string text;
    };
    const Fall faelle[] = {
        {100, 100, 200, 100, 1.0f, "Text 152,94 0.00"}, // (166, 100)
        {100, 100, 200, 100, 2.0f, "Text 136,94 0.00"}, // (150, 100)
        {100, 100, 0, 0, 1.0f, "Text 20,28 0.00"},      // -200 / 3 = -66: (34, 34)
        {100, 100, -1, -1, 2.0f, "Text 36,44 0.00"},    // -101 / 2 = -50: (50, 50)
        {0, 0, -10, 5, 1.0f, "Text -20,-3 0.00"},       // (-6, 3)
        {0, 0, 7, -7, 2.0f, "Text -11,-9 0.00"},        // (3, -3)
        {100, 100, 200, 100, 0.5f, "Text 136,94 0.00"}, // any other value: midpoint
    };
    for (const Fall& f : faelle) {
        TNetz netz;
        test::neuesNeuron(netz, f.ax, f.ay);
        test::neuesNeuron(netz, f.bx, f.by);
        netz.Verbindungsmatrix[0][1] = f.art;
        EXPECT_EQ(verbindung(netz, 0, 1).back(), f.text) << f.bx << "," << f.by << " " << f.art;
    }
}

TEST(Zeichnen, GleicherMittelpunktUndSelbstverbindung) {
    // len 0 counts as 1: line, dot and label all sit on the centre.
    const Zeilen erwartet{"BewegeZu 50,60",      "LinieZu 50,60",        "Fuellung 255,0,0",
                          "Ellipse 48,58,52,62", "Fuellung 255,255,255", "Schrift 0,0,0",
                          "Text 36,54 0.00"};
    TNetz zwei;
    test::neuesNeuron(zwei, 50, 60);
    test::neuesNeuron(zwei, 50, 60);
    zwei.VerbindeBeide(0, 1);
    EXPECT_EQ(verbindung(zwei, 0, 1), erwartet);

    TNetz selbst;
    test::neuesNeuron(selbst, 50, 60);
    selbst.VerbindeBeide(0, 0);
    EXPECT_EQ(verbindung(selbst, 0, 0), erwartet);
}

TEST(Zeichnen, ZweiwegGewichtZeigtGenauEinenWert) {
    // The labels of a two-way pair N0 <-> N1 fall on the midpoint; N1 -> N0 is drawn later and
    // covers N0 -> N1. "-0.65" is 35 pixels wide, "0.72" 28, the text 13 high. With neurons 105
    // pixels apart the two centres differ by a pixel (152 and 153: halves truncated toward 0).
    struct Fall {
        const char* name;
        int bx;
        float hin, zurueck, artHin, artZurueck;
        const char* rechteck; // the later label's box widened over the earlier one, or ""
        const char* text;     // the later label
    };
    const Fall faelle[] = {
        {"früheres breiter", 200, -0.65f, 0.72f, 2, 2, "133,94,168,107", "136,94 0.72"},
        {"um ein Pixel versetzt", 205, -0.65f, 0.72f, 2, 2, "135,94,170,107", "139,94 0.72"},
        {"gleich breit, versetzt", 205, 0.5f, 0.72f, 2, 2, "138,94,167,107", "139,94 0.72"},
        // Nothing to widen: the later box already holds the earlier one.
        {"gleich breit", 200, 0.5f, 0.72f, 2, 2, "", "136,94 0.72"},
        {"späteres breiter", 200, 0.5f, -1.0f, 2, 2, "", "133,94 -1.00"},
        // Labels at different places: a one-way connection over one half of a pair (centre
        // 200 - 200 / 3 = 134), and the half of a pair whose other direction was removed.
        {"einseitig darüber", 200, -0.65f, 0.72f, 2, 1, "", "120,94 0.72"},
        {"nur noch eine Richtung", 200, -0.65f, 0.72f, 0, 2, "", "136,94 0.72"},
    };
    for (const Fall& f : faelle) {
        TNetz netz;
        test::neuesNeuron(netz, 100, 100).Anzeige = 0;
        test::neuesNeuron(netz, f.bx, 100).Anzeige = 0;
        netz.Verbindungsmatrix[0][1] = f.artHin;
        netz.Verbindungsmatrix[1][0] = f.artZurueck;
        netz.Gewichtsmatrix[0][1] = f.hin;
        netz.Gewichtsmatrix[1][0] = f.zurueck;
        Protokoll p;
        netz.ZeichneNetz(p);
        // White fill, black text, the widened box (if any) and the text; then the two circles
        // (three lines each).
        Zeilen erwartet{"Fuellung 255,255,255", "Schrift 0,0,0"};
        if (*f.rechteck) erwartet.push_back("Rechteck " + std::string(f.rechteck));
        erwartet.push_back("Text " + std::string(f.text));
        ASSERT_GE(p.liste.size(), erwartet.size() + 6) << f.name;
        EXPECT_EQ(Zeilen(p.liste.end() - 6 - erwartet.size(), p.liste.end() - 6), erwartet)
            << f.name;
        EXPECT_EQ(p.nur("Text").size(), std::size_t(f.artHin > 0 ? 2 : 1)) << f.name;
        EXPECT_EQ(p.nur("Rechteck").size(), std::size_t(*f.rechteck ? 1 : 0)) << f.name;
    }
}

TEST(Zeichnen, DarstellungsFlags) {
    struct Fall {
        std::uint8_t darstellung;
        int linien, texte;
    };
    const Fall faelle[] = {
        {0, 0, 0},
        {GewichteZeigen, 0, 0}, // weights need the connections
        {PfeileZeigen, 1, 0},
        {PfeileZeigen | GewichteZeigen, 1, 1},
    };
    for (const Fall& f : faelle) {
        TNetz netz;
        test::neuesNeuron(netz, 100, 100).Anzeige = 0;
        test::neuesNeuron(netz, 200, 100).Anzeige = 0;
        netz.Verbinde(0, 1);
        netz.Darstellung = f.darstellung;
        Protokoll p;
        netz.ZeichneNetz(p);
        EXPECT_EQ(p.nur("LinieZu").size(), size_t(f.linien)) << int(f.darstellung);
        EXPECT_EQ(p.nur("Ellipse").size(), size_t(f.linien + 2)) << int(f.darstellung);
        EXPECT_EQ(p.nur("Text").size(), size_t(f.texte)) << int(f.darstellung);
    }
}

TEST(Zeichnen, FerneKoordinatenLaufenNichtUeber) {
    // Centres at the ends of the Int32 range (only a damaged net file holds them): differences
    // and box corners are formed without wrapping around, corners beyond the range are clamped.
    TNetz netz;
    test::neuesNeuron(netz, INT_MIN, 0);
    test::neuesNeuron(netz, INT_MAX, 0);
    netz.Verbinde(0, 1);
    EXPECT_EQ(verbindung(netz, 0, 1),
              (Zeilen{"BewegeZu -2147483624,0", "LinieZu 2147483623,0", "Fuellung 255,0,0",
                      "Ellipse 2147483621,-2,2147483625,2", "Fuellung 255,255,255", "Schrift 0,0,0",
                      "Text 715827868,-6 0.00"}));
    Protokoll p;
    netz.Neuron(1).Zeige(p);
    EXPECT_EQ(p.liste[2], "Ellipse 2147483625,-22,2147483647,22");
    EXPECT_EQ(p.liste[3], "Text 2147483640,-13 N1");
}

TEST(Zeichnen, LeeresNetzZeichnetNichts) {
    TNetz netz;
    // Entries outside the neuron count are never read.
    netz.Verbindungsmatrix[0][1] = 1.0f;
    Protokoll p;
    netz.ZeichneNetz(p);
    EXPECT_TRUE(p.liste.empty());
}

TEST(Zeichnen, ErstAlleVerbindungenZeilenweiseDannDieNeuronen) {
    TNetz netz;
    netz.Darstellung = PfeileZeigen;
    test::neuesNeuron(netz, 100, 100);
    test::neuesNeuron(netz, 200, 100);
    test::neuesNeuron(netz, 200, 200).Anzeige = 0;
    netz.Verbinde(2, 0);
    netz.Verbinde(1, 2);
    netz.Verbinde(0, 1);
    netz.Verbinde(0, 2);
    Protokoll p;
    netz.ZeichneNetz(p);
    EXPECT_EQ(p.nur("LinieZu"),
              (Zeilen{"LinieZu 176,100", "LinieZu 183,183", "LinieZu 200,176", "LinieZu 117,117"}));
    // The circles come last, in list order, each after the connections.
    const Zeilen& l = p.liste;
    ASSERT_EQ(l.size(), 4u * 4 + 5 + 5 + 3);
    EXPECT_EQ(l[16], "Schrift 0,0,255");
    EXPECT_EQ(l[18], "Ellipse 78,78,122,122");
    EXPECT_EQ(l[23], "Ellipse 178,78,222,122");
    EXPECT_EQ(l[28], "Ellipse 178,178,222,222");
}

namespace {

// A clipboard that hands out recording images and keeps the record of what it was given.
class Ablage : public Zwischenablage {
  public:
    Ablage() { vorher_ = setzeZwischenablage(this); }
    ~Ablage() override { setzeZwischenablage(vorher_); }
    std::unique_ptr<Zeichenflaeche> NeuesBild(int breite, int hoehe) override {
        groessen.push_back(std::to_string(breite) + "x" + std::to_string(hoehe));
        auto bild = std::make_unique<Protokoll>();
        neu = bild.get();
        return bild;
    }
    void BildAblegen(Zeichenflaeche& bild) override {
        abgelegt = &bild == neu;
        inhalt = neu->liste;
    }

    std::vector<std::string> groessen;
    Protokoll* neu = nullptr;
    bool abgelegt = false;
    Zeilen inhalt;

  private:
    Zwischenablage* vorher_;
};

} // namespace

TEST(Zeichnen, KopiereInZwischenablage) {
    TNetz netz;
    test::neuesNeuron(netz, 100, 100);
    test::neuesNeuron(netz, 200, 100);
    netz.Verbinde(0, 1);
    Protokoll direkt;
    netz.ZeichneNetz(direkt);

    // Without a clipboard nothing happens.
    netz.KopiereInZwischenablage();

    Ablage ablage;
    netz.KopiereInZwischenablage();
    EXPECT_EQ(ablage.groessen, (std::vector<std::string>{"1300x800"}));
    EXPECT_TRUE(ablage.abgelegt);
    EXPECT_EQ(ablage.inhalt, direkt.liste);
}

namespace {

// Input N0 -> N1, N2 (hidden) -> N3 (output), N1 and N2 connected both ways, a backward
// one-way connection N3 -> N0; after one learning step.
TNetz gelerntesNetz() {
    TNetz netz;
    test::neuesNeuron(netz, 100, 100, Schichttyp::Inputschicht).Output = 1.0f;
    test::neuesNeuron(netz, 250, 60);
    test::neuesNeuron(netz, 250, 160);
    test::neuesNeuron(netz, 400, 100, Schichttyp::Outputschicht).Sollwert = 1.0f;
    const struct {
        int a, b;
        float w;
    } gewichte[] = {{0, 1, 0.5f}, {0, 2, -0.75f}, {1, 3, 1.25f}, {2, 3, -0.5f}, {3, 0, 0.25f}};
    for (const auto& g : gewichte) {
        netz.Verbinde(g.a, g.b);
        netz.SetzeGewicht(g.a, g.b, g.w);
    }
    netz.VerbindeBeide(1, 2);
    netz.SetzeGewicht(1, 2, 0.375f);
    netz.SetzeGewicht(2, 1, -0.125f);
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
    return netz;
}

} // namespace

// Without the additions the drawing after a learning step is exactly the one the program drew
// before the changes could be shown (recorded from it).
TEST(Zeichnen, OhneZusatzWieBisher) {
    const TNetz netz = gelerntesNetz();
    Protokoll p;
    netz.ZeichneNetz(p);
    Protokoll aus;
    netz.ZeichneNetz(aus, {.aenderungen = false, .hervorgehoben = -1});
    EXPECT_EQ(aus.liste, p.liste);
    EXPECT_EQ(
        p.liste,
        (Zeilen{"BewegeZu 123,94",        "LinieZu 227,66",          "Fuellung 255,0,0",
                "Ellipse 225,64,229,68",  "Fuellung 255,255,255",    "Schrift 0,0,0",
                "Text 186,68 0.52",       "BewegeZu 122,109",        "LinieZu 228,151",
                "Fuellung 255,0,0",       "Ellipse 226,149,230,153", "Fuellung 255,255,255",
                "Schrift 0,0,0",          "Text 183,134 -0.76",      "BewegeZu 250,84",
                "LinieZu 250,136",        "Fuellung 255,0,0",        "Ellipse 248,134,252,138",
                "Fuellung 255,255,255",   "Schrift 0,0,0",           "Text 236,104 0.37",
                "BewegeZu 273,66",        "LinieZu 377,94",          "Fuellung 255,0,0",
                "Ellipse 375,92,379,96",  "Fuellung 255,255,255",    "Schrift 0,0,0",
                "Text 336,80 1.30",       "BewegeZu 250,136",        "LinieZu 250,84",
                "Fuellung 255,0,0",       "Ellipse 248,82,252,86",   "Fuellung 255,255,255",
                "Schrift 0,0,0",          "Text 233,104 -0.13",      "BewegeZu 272,151",
                "LinieZu 378,109",        "Fuellung 255,0,0",        "Ellipse 376,107,380,111",
                "Fuellung 255,255,255",   "Schrift 0,0,0",           "Text 333,114 -0.47",
                "BewegeZu 376,100",       "LinieZu 124,100",         "Fuellung 255,0,0",
                "Ellipse 122,98,126,102", "Fuellung 255,255,255",    "Schrift 0,0,0",
                "Text 186,94 0.25",       "Schrift 0,0,255",         "Fuellung 255,255,255",
                "Ellipse 78,78,122,122",  "Text 93,87 N0",           "Text 86,101 1.00",
                "Schrift 0,0,255",        "Fuellung 255,255,255",    "Ellipse 228,38,272,82",
                "Text 243,47 N1",         "Text 236,61 0.62",        "Schrift 0,0,255",
                "Fuellung 255,255,255",   "Ellipse 228,138,272,182", "Text 243,147 N2",
                "Text 236,161 0.37",      "Schrift 0,0,255",         "Fuellung 255,255,0",
                "Ellipse 378,78,422,122", "Text 393,87 N3",          "Text 386,101 0.64"}));
}

namespace {

// The lines of `mit` that are not in `ohne`, where `mit` is `ohne` with lines put in.
Zeilen eingefuegt(const Zeilen& mit, const Zeilen& ohne) {
    Zeilen r;
    std::size_t k = 0;
    for (const std::string& z : mit)
        if (k < ohne.size() && z == ohne[k])
            ++k;
        else
            r.push_back(z);
    EXPECT_EQ(k, ohne.size());
    return r;
}

} // namespace

TEST(Zeichnen, AenderungenUndDeltas) {
    // N0 (input, output 1) at (100, 100) -> N1 (output) at (250, 100), weight 0. The change label
    // of a one-way connection sits one text line (13 pixels) below its weight label at two thirds
    // of the way, (200, 100); that of a two-way pair at the two-thirds point itself. The delta is
    // centred 1 + 13 / 2 pixels below the circle.
    const struct {
        const char* was;
        float sollwert, sigma;
        bool zweiwege, pfeile, nachherGesetzt;
        Zeilen erwartet;
    } faelle[] = {
        // clang-format off
        {"Anstieg", 1.0f, 1.0f, false, true, false,
         {"Fuellung 255,255,255", "Schrift 0,140,0", "Text 186,107 0.13",
          "Fuellung 255,255,255", "Schrift 0,140,0", "Text 229,123 δ 0.13"}},
        {"Abstieg", 0.0f, 1.0f, false, true, false,
         {"Fuellung 255,255,255", "Schrift 255,0,0", "Text 183,107 -0.13",
          "Fuellung 255,255,255", "Schrift 255,0,0", "Text 226,123 δ -0.13"}},
        {"ohne Änderung", 1.0f, 0.0f, false, true, false,
         {"Fuellung 255,255,255", "Schrift 0,0,0", "Text 186,107 0.00",
          "Fuellung 255,255,255", "Schrift 0,140,0", "Text 229,123 δ 0.13"}},
        // N0 receives from N1 and so turns hidden: it gets a small delta too.
        {"Paar", 1.0f, 1.0f, true, true, false,
         {"Fuellung 255,255,255", "Schrift 0,140,0", "Text 186,94 0.13",
          "Fuellung 255,255,255", "Schrift 0,140,0", "Text 79,123 δ 0.00",
          "Fuellung 255,255,255", "Schrift 0,140,0", "Text 229,123 δ 0.13"}},
        {"ohne Pfeile", 1.0f, 1.0f, false, false, false,
         {"Fuellung 255,255,255", "Schrift 0,140,0", "Text 229,123 δ 0.13"}},
        {"Gewicht danach gesetzt", 1.0f, 1.0f, false, true, true, {}},
        // clang-format on
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        TNetz netz;
        test::neuesNeuron(netz, 100, 100, Schichttyp::Inputschicht).Output = 1.0f;
        test::neuesNeuron(netz, 250, 100, Schichttyp::Outputschicht).Sollwert = f.sollwert;
        if (f.zweiwege)
            netz.VerbindeBeide(0, 1);
        else
            netz.Verbinde(0, 1);
        netz.Propagiere();
        netz.Backpropagiere(f.sigma);
        if (f.nachherGesetzt) netz.SetzeGewicht(0, 1, 0.5f);
        if (!f.pfeile) netz.Darstellung = GewichteZeigen;
        Protokoll ohne, mit;
        netz.ZeichneNetz(ohne);
        netz.ZeichneNetz(mit, {.aenderungen = true});
        EXPECT_EQ(eingefuegt(mit.liste, ohne.liste), f.erwartet);
    }
}

TEST(Zeichnen, HervorgehobenesNeuronInRot) {
    const TNetz netz = gelerntesNetz();
    for (int i = -1; i <= netz.Anzahl(); ++i) {
        Protokoll p;
        netz.ZeichneNetz(p, {.hervorgehoben = i});
        Zeilen schriften;
        for (const std::string& z : p.nur("Schrift"))
            if (z != "Schrift 0,0,0") schriften.push_back(z);
        ASSERT_EQ(schriften.size(), 4u);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(schriften[k], k == i ? "Schrift 255,0,0" : "Schrift 0,0,255")
                << i << " " << k;
    }
}
