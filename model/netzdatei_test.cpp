#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

#include "cp1252.h"
#include "fehler.h"
#include "netz.h"
#include "ordnertest.h"
#include "testhilfe.h"

using namespace nervalo;
namespace fs = std::filesystem;

namespace {

const test::Meldung Beschaedigt{'F', "Datei beschädigt oder falsches Format"};
const test::Meldung OhneNeuronen{'H', "Netz ohne Neuronen!"};

// The net of two neurons with one connection N0 -> N1 (weight 0.5) and its 97-byte file.
const char* const BeispielHex = "02 02 00 00 00 00 00 00 00 00 00 80 3F 00 00 00 "
                                "00 00 00 00 00 00 00 00 00 00 00 00 3F 00 00 00 "
                                "00 00 00 00 00 64 00 00 00 64 00 00 00 02 4E 30 "
                                "00 00 00 80 3F 00 00 00 00 00 00 00 00 00 3F 00 "
                                "00 00 00 C8 00 00 00 64 00 00 00 02 4E 31 02 00 "
                                "00 80 3F 00 00 00 00 00 00 00 00 00 3F 00 00 80 "
                                "3F";

TGrafikNeuron& neuesNeuron(TNetz& netz, int x, int y, const std::string& bezeichnung) {
    auto n = std::make_unique<TGrafikNeuron>();
    n->X = x;
    n->Y = y;
    n->Bezeichnung = bezeichnung;
    TGrafikNeuron& r = *n;
    netz.Hinzufuegen(std::move(n));
    return r;
}

void baueBeispiel(TNetz& netz) {
    neuesNeuron(netz, 100, 100, "N0").Schichttyp = Schichttyp::Inputschicht;
    TGrafikNeuron& n1 = neuesNeuron(netz, 200, 100, "N1");
    n1.Schichttyp = Schichttyp::Outputschicht;
    n1.Sollwert = 1.0f;
    netz.Verbinde(0, 1);
    netz.SetzeGewicht(0, 1, 0.5f);
}

std::string wiederholt(const std::string& text, int mal) {
    std::string r;
    for (int i = 0; i < mal; ++i)
        r += text;
    return r;
}

// Four neurons with every kind, two-way, one-way and self connections, a weight on an
// unconnected pair and labels that need conversion or cutting.
void baueVielfaeltig(TNetz& netz) {
    netz.Netztyp = Netztyp::Perzeptron;
    const Schichttyp schicht[] = {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht,
                                  Schichttyp::Outputschicht, Schichttyp::Hiddenschicht};
    const Aktionsfunktion aktion[] = {Aktionsfunktion::sigmoid, Aktionsfunktion::tanh,
                                      Aktionsfunktion::linear, Aktionsfunktion::sprung};
    const std::string bezeichnung[] = {"Äöü€", wiederholt("ä", 300), "", "Ωmega"};
    for (int i = 0; i < 4; ++i) {
        TGrafikNeuron& n = neuesNeuron(netz, -7 + 100 * i, 300 - i, bezeichnung[i]);
        n.Schichttyp = schicht[i];
        n.Aktionsfunktion = aktion[i];
        n.Outputfunktion = i % 2 ? Outputfunktion::binaer : Outputfunktion::identisch;
        n.Parameter = 0.25f * (i + 1);
        n.Theta = -1.5f + i;
        n.Xi = 0.125f * i;
        n.Sollwert = i == 2 ? -0.75f : 0.0f;
        n.Output = 0.9f; // not stored
    }
    netz.VerbindeBeide(1, 2);
    netz.Verbinde(0, 1);
    netz.Verbinde(0, 2);
    netz.VerbindeBeide(3, 3);
    const float gewichte[][3] = {{1, 2, 2.5f}, {2, 1, -3.0f}, {0, 1, 0.1f}, {0, 2, -0.2f},
                                 {3, 3, 7.0f}, {3, 0, 0.75f}}; // the last pair is unconnected
    for (const auto& g : gewichte)
        netz.SetzeGewicht(static_cast<int>(g[0]), static_cast<int>(g[1]), g[2]);
}

std::string bytesVon(const TNetz& netz) {
    std::ostringstream aus;
    netz.SpeichernIn(aus);
    return aus.str();
}

bool gleicheBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// What a loaded net (complete or not) must satisfy: nothing in the matrices beyond the neurons,
// and the weight of every connection among them also in the target neuron's slot.
void pruefeInvarianten(const TNetz& netz) {
    const int n = netz.Anzahl();
    ASSERT_LE(n, Slots);
    for (int a = 0; a < Slots; ++a)
        for (int b = 0; b < Slots; ++b) {
            if (a < n && b < n) {
                const float slot = netz.Neuron(b).Gewichte[a];
                EXPECT_TRUE(gleicheBits(slot, netz.IstVerbunden(a, b) ? netz.Gewicht(a, b) : 0.0f))
                    << a << " -> " << b;
            } else {
                EXPECT_EQ(netz.Verbindungsmatrix[a][b], 0.0f) << a << ", " << b;
                EXPECT_EQ(netz.Gewichtsmatrix[a][b], 0.0f) << a << ", " << b;
            }
        }
}

void erwarteGleicheNeuronen(const TGrafikNeuron& ist, const TGrafikNeuron& soll) {
    EXPECT_EQ(ist.X, soll.X);
    EXPECT_EQ(ist.Y, soll.Y);
    EXPECT_EQ(ist.Schichttyp, soll.Schichttyp);
    EXPECT_TRUE(gleicheBits(ist.Parameter, soll.Parameter));
    EXPECT_TRUE(gleicheBits(ist.Theta, soll.Theta));
    EXPECT_EQ(ist.Aktionsfunktion, soll.Aktionsfunktion);
    EXPECT_EQ(ist.Outputfunktion, soll.Outputfunktion);
    EXPECT_TRUE(gleicheBits(ist.Xi, soll.Xi));
    EXPECT_TRUE(gleicheBits(ist.Sollwert, soll.Sollwert));
}

class Netzdatei : public test::OrdnerTest {
  protected:
    test::Rekorder rekorder;
};

TEST_F(Netzdatei, BeispielWirdByteGenauGeschrieben) {
    TNetz netz;
    baueBeispiel(netz);
    netz.Neuron(0).Output = 0.3f; // not part of the file
    netz.Darstellung = 0;
    netz.Gesichert = false;
    netz.Speichern(ordner / "beispiel.net");
    EXPECT_EQ(test::liesDatei(ordner / "beispiel.net"), test::ausHex(BeispielHex));
    EXPECT_EQ(test::ausHex(BeispielHex).size(), 97u);
    EXPECT_TRUE(netz.Gesichert);
    EXPECT_TRUE(rekorder.liste.empty());
}

TEST_F(Netzdatei, BeispielWirdGelesen) {
    test::schreibeDatei(ordner / "beispiel.net", test::ausHex(BeispielHex));
    TNetz netz;
    netz.Darstellung = 0;
    netz.Laden(ordner / "beispiel.net");
    EXPECT_TRUE(rekorder.liste.empty());
    EXPECT_EQ(netz.Netztyp, Netztyp::KeinTyp);
    ASSERT_EQ(netz.Anzahl(), 2);
    EXPECT_TRUE(netz.IstVerbunden(0, 1));
    EXPECT_FALSE(netz.IstVerbunden(1, 0));
    EXPECT_EQ(netz.Gewicht(0, 1), 0.5f);
    EXPECT_EQ(netz.Neuron(1).Gewichte[0], 0.5f);
    EXPECT_EQ(netz.Neuron(0).Output, 0.0f);
    EXPECT_EQ(netz.Neuron(0).Bezeichnung, "N0");
    EXPECT_EQ(netz.Neuron(1).Bezeichnung, "N1");
    TNetz soll;
    baueBeispiel(soll);
    for (int i = 0; i < 2; ++i)
        erwarteGleicheNeuronen(netz.Neuron(i), soll.Neuron(i));
    EXPECT_EQ(netz.Darstellung, GewichteZeigen | PfeileZeigen);
    EXPECT_FALSE(netz.Gesichert); // the weights went through SetzeGewicht
    pruefeInvarianten(netz);
}

TEST_F(Netzdatei, VielfaeltigesNetzKommtZurueck) {
    TNetz original;
    baueVielfaeltig(original);
    original.Speichern(ordner / "netz.net");
    TNetz netz;
    netz.Laden(ordner / "netz.net");
    EXPECT_TRUE(rekorder.liste.empty());
    ASSERT_EQ(netz.Anzahl(), 4);
    EXPECT_EQ(netz.Netztyp, Netztyp::Perzeptron);
    EXPECT_EQ(netz.Verbindungsmatrix, original.Verbindungsmatrix);
    EXPECT_EQ(netz.Gewichtsmatrix, original.Gewichtsmatrix);
    EXPECT_EQ(netz.Verbindungsmatrix[1][2], 2.0f);
    EXPECT_EQ(netz.Verbindungsmatrix[2][1], 2.0f);
    EXPECT_EQ(netz.Verbindungsmatrix[0][1], 1.0f);
    EXPECT_EQ(netz.Verbindungsmatrix[3][3], 2.0f);
    // The weight of the unconnected pair 3 -> 0 stays in the matrix only.
    EXPECT_EQ(netz.Gewicht(3, 0), 0.75f);
    EXPECT_EQ(netz.Neuron(0).Gewichte[3], 0.0f);
    EXPECT_EQ(netz.Neuron(2).Gewichte[1], 2.5f);
    EXPECT_EQ(netz.Neuron(3).Gewichte[3], 7.0f);
    for (int i = 0; i < 4; ++i) {
        erwarteGleicheNeuronen(netz.Neuron(i), original.Neuron(i));
        EXPECT_EQ(netz.Neuron(i).Output, 0.0f);
    }
    EXPECT_EQ(netz.Neuron(0).Bezeichnung, "Äöü€");
    // 300 umlauts, 600 bytes of UTF-8 but one byte each in the file: 255 of them remain.
    EXPECT_EQ(netz.Neuron(1).Bezeichnung, wiederholt("ä", 255));
    EXPECT_EQ(netz.Neuron(2).Bezeichnung, "");
    EXPECT_EQ(netz.Neuron(3).Bezeichnung, "?mega");
    pruefeInvarianten(netz);
}

TEST_F(Netzdatei, DarstellungRichtetSichNachDemNetztyp) {
    const struct {
        Netztyp netztyp;
        std::uint8_t darstellung;
    } faelle[] = {
        {Netztyp::Perzeptron, 3}, {Netztyp::Hopfield, 0}, {Netztyp::KeinTyp, 3}, {Netztyp{200}, 3}};
    for (const auto& fall : faelle) {
        TNetz original;
        original.Netztyp = fall.netztyp;
        neuesNeuron(original, 1, 2, "N0");
        TNetz netz;
        netz.Darstellung = 1;
        std::istringstream ein(bytesVon(original));
        netz.LadenAus(ein);
        EXPECT_EQ(netz.Netztyp, fall.netztyp);
        EXPECT_EQ(netz.Darstellung, fall.darstellung) << int(fall.netztyp);
        EXPECT_TRUE(netz.Gesichert); // no connection, so no SetzeGewicht
    }
}

TEST_F(Netzdatei, NetzOhneNeuronen) {
    TNetz leer;
    leer.Netztyp = Netztyp::Hopfield;
    leer.Speichern(ordner / "leer.net");
    EXPECT_EQ(test::liesDatei(ordner / "leer.net"), std::string("\x01\0\0\0\0", 5));
    TNetz netz;
    netz.Laden(ordner / "leer.net");
    EXPECT_EQ(rekorder.liste, std::vector<test::Meldung>{OhneNeuronen});
    EXPECT_EQ(netz.Anzahl(), 0);
    EXPECT_EQ(netz.Darstellung, 0);
}

TEST_F(Netzdatei, UngewoehnlicheWerteBleibenUnveraendert) {
    // Kinds beyond the known ones, NaN (with payload) and infinity survive load and save.
    // The records of N0 and N1 start at 37 and 67; both labels have two bytes.
    std::string bytes = test::ausHex(BeispielHex);
    bytes[0] = static_cast<char>(0xFF);                                // Netztyp
    bytes[37 + 9 + 2] = 9;                                             // Schichttyp of N0
    bytes[67 + 9 + 2] = static_cast<char>(0xFF);                       // Schichttyp of N1
    bytes[67 + 18 + 2] = 7;                                            // Aktionsfunktion of N1
    bytes[37 + 19 + 2] = static_cast<char>(200);                       // Outputfunktion of N0
    bytes.replace(25, 4, std::string("\x01\x00\xA0\x7F", 4));          // weight 0 -> 1: NaN
    bytes.replace(37 + 14 + 2, 4, std::string("\x00\x00\x80\xFF", 4)); // Theta of N0: -inf
    TNetz netz;
    std::istringstream ein(bytes + "Rest wird ignoriert");
    netz.LadenAus(ein);
    EXPECT_TRUE(rekorder.liste.empty());
    EXPECT_EQ(netz.Netztyp, Netztyp{255});
    EXPECT_EQ(netz.Neuron(0).Schichttyp, Schichttyp{9});
    EXPECT_EQ(netz.Neuron(1).Schichttyp, Schichttyp{255});
    EXPECT_EQ(netz.Neuron(1).Aktionsfunktion, Aktionsfunktion{7});
    EXPECT_EQ(netz.Neuron(0).Outputfunktion, Outputfunktion{200});
    EXPECT_EQ(std::bit_cast<std::uint32_t>(netz.Neuron(1).Gewichte[0]), 0x7FA00001u);
    EXPECT_EQ(netz.Neuron(0).Theta, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(bytesVon(netz), bytes);
}

TEST_F(Netzdatei, AbgeschnitteneDateiAnJederStelle) {
    TNetz original;
    baueVielfaeltig(original);
    const std::string bytes = bytesVon(original);
    // Where each neuron record ends.
    std::vector<std::size_t> recordEnde;
    std::size_t pos = 5 + 8 * 4 * 4;
    for (int i = 0; i < 4; ++i) {
        pos += 28 + std::min<std::size_t>(NachCp1252(original.Neuron(i).Bezeichnung).size(), 255);
        recordEnde.push_back(pos);
    }
    ASSERT_EQ(recordEnde.back(), bytes.size());

    for (std::size_t laenge = 0; laenge < bytes.size(); ++laenge) {
        SCOPED_TRACE(laenge);
        rekorder.liste.clear();
        TNetz netz;
        netz.Netztyp = Netztyp{9};
        std::istringstream ein(bytes.substr(0, laenge));
        netz.LadenAus(ein);
        EXPECT_EQ(rekorder.liste, std::vector<test::Meldung>{Beschaedigt});
        EXPECT_EQ(netz.Netztyp, laenge == 0 ? Netztyp{9} : Netztyp::Perzeptron);
        const int vollstaendig = static_cast<int>(
            std::upper_bound(recordEnde.begin(), recordEnde.end(), laenge) - recordEnde.begin());
        ASSERT_EQ(netz.Anzahl(), vollstaendig);
        for (int i = 0; i < vollstaendig; ++i) {
            erwarteGleicheNeuronen(netz.Neuron(i), original.Neuron(i));
            for (int j = 0; j < vollstaendig; ++j) {
                EXPECT_EQ(netz.Verbindungsmatrix[i][j], original.Verbindungsmatrix[i][j]);
                EXPECT_EQ(netz.Gewichtsmatrix[i][j], original.Gewichtsmatrix[i][j]);
            }
        }
        pruefeInvarianten(netz);
    }
}

TEST_F(Netzdatei, UnmoeglicheNeuronenzahl) {
    const struct {
        std::int32_t n;
        test::Meldung meldung;
    } faelle[] = {{62, Beschaedigt},
                  {INT32_MAX, Beschaedigt},
                  {0, OhneNeuronen},
                  {-1, OhneNeuronen},
                  {INT32_MIN, OhneNeuronen}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.n);
        rekorder.liste.clear();
        std::string bytes(1, '\x01');
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(static_cast<std::uint32_t>(fall.n) >> (8 * i)));
        // Enough Singles of 1.0 behind the count to fill 62 x 62 matrices if they were read.
        for (int i = 0; i < 2 * 62 * 62; ++i)
            bytes += std::string("\x00\x00\x80\x3F", 4);
        TNetz netz;
        std::istringstream ein(bytes);
        netz.LadenAus(ein);
        EXPECT_EQ(rekorder.liste, std::vector<test::Meldung>{fall.meldung});
        EXPECT_EQ(netz.Anzahl(), 0);
        EXPECT_EQ(netz.Netztyp, Netztyp::Hopfield);
        EXPECT_EQ(netz.Verbindungsmatrix, Matrix{});
        EXPECT_EQ(netz.Gewichtsmatrix, Matrix{});
    }
}

TEST_F(Netzdatei, HoechstensEinundsechzigNeuronen) {
    TNetz gross;
    for (int i = 0; i < Slots; ++i)
        neuesNeuron(gross, i, i, "N" + std::to_string(i));
    gross.VerbindeBeide(0, 60);
    gross.SetzeGewicht(60, 0, 4.0f);
    const std::string bytes = bytesVon(gross);
    TNetz netz;
    std::istringstream ein(bytes);
    netz.LadenAus(ein);
    EXPECT_TRUE(rekorder.liste.empty());
    EXPECT_EQ(netz.Anzahl(), Slots);
    EXPECT_EQ(netz.Neuron(0).Gewichte[60], 4.0f);

    // A net that is not empty takes only as many neurons as there are slots left.
    TNetz voll;
    for (int i = 0; i < MaxNeuronen; ++i)
        neuesNeuron(voll, i, i, "");
    std::istringstream beispiel(test::ausHex(BeispielHex));
    voll.LadenAus(beispiel);
    EXPECT_EQ(rekorder.liste, std::vector<test::Meldung>{Beschaedigt});
    EXPECT_EQ(voll.Anzahl(), MaxNeuronen);
    pruefeInvarianten(voll);
}

TEST_F(Netzdatei, FehlendeDateiIstBeschaedigt) {
    TNetz netz;
    netz.Laden(ordner / "gibt-es-nicht.net");
    EXPECT_EQ(rekorder.liste, std::vector<test::Meldung>{Beschaedigt});
    EXPECT_EQ(netz.Anzahl(), 0);
}

TEST_F(Netzdatei, SpeichernErsetztDateiUndBehaeltRechte) {
    test::schreibeDatei(ordner / "alt.net", "alter Inhalt");
    ::chmod((ordner / "alt.net").c_str(), 0640);
    TNetz netz;
    baueBeispiel(netz);
    netz.Speichern(ordner / "alt.net");
    EXPECT_EQ(test::liesDatei(ordner / "alt.net"), test::ausHex(BeispielHex));
    EXPECT_EQ(fs::status(ordner / "alt.net").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::Dateinamen(ordner), std::vector<std::string>{"alt.net"});
}

TEST_F(Netzdatei, MisslungenesSpeichernLaesstAllesStehen) {
    const std::string pfadFehlt = "Das System kann den angegebenen Pfad nicht finden.";
    test::schreibeDatei(ordner / "datei", "kein Ordner");
    fs::create_directory(ordner / "ordner.net");
    test::schreibeDatei(ordner / "ordner.net" / "drin", "bleibt");
    const struct {
        fs::path ziel;
        std::string grund;
    } faelle[] = {
        {ordner / "fehlt" / "netz.net", pfadFehlt},
        {ordner / "datei" / "netz.net", pfadFehlt},
        {ordner / "ordner.net", "Der angegebene Pfad ist ein Ordner."},
    };
    for (const auto& fall : faelle) {
        TNetz netz;
        baueBeispiel(netz);
        try {
            netz.Speichern(fall.ziel);
            ADD_FAILURE() << "kein Fehler bei " << fall.ziel;
        } catch (const Fehler& f) {
            EXPECT_EQ(f.what(), "Datei \"" + fall.ziel.string() +
                                    "\" kann nicht erstellt werden. " + fall.grund);
        }
        EXPECT_FALSE(netz.Gesichert);
    }
    EXPECT_EQ(test::Dateinamen(ordner), (std::vector<std::string>{"datei", "ordner.net"}));
    EXPECT_EQ(test::liesDatei(ordner / "datei"), "kein Ordner");
    EXPECT_EQ(test::liesDatei(ordner / "ordner.net" / "drin"), "bleibt");
}

TEST_F(Netzdatei, SchreibfehlerBehaeltDieAlteDatei) {
    test::schreibeDatei(ordner / "alt.net", "alter Inhalt");
    TNetz netz;
    baueBeispiel(netz);
    // Files may grow to 16 bytes only: the write fails half-way.
    const auto vorherSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
    rlimit klein = vorher;
    klein.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    std::string meldung;
    try {
        netz.Speichern(ordner / "alt.net");
    } catch (const Fehler& f) {
        meldung = f.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, vorherSignal);
    EXPECT_EQ(meldung, "Stream-Schreibfehler");
    EXPECT_FALSE(netz.Gesichert);
    EXPECT_EQ(test::liesDatei(ordner / "alt.net"), "alter Inhalt");
    EXPECT_EQ(test::Dateinamen(ordner), std::vector<std::string>{"alt.net"});
}

TEST(Cp1252, Umwandlung) {
    const struct {
        std::string utf8;
        std::string bytes;
    } faelle[] = {
        {"Ab9", "Ab9"},
        {"Äöüß", "\xC4\xF6\xFC\xDF"},
        {"€‚ƒ„…Ÿ", "\x80\x82\x83\x84\x85\x9F"},
        {"Ω", "?"},              // not in the code page
        {"\u0080", "?"},         // a control character the code page does not hold
        {"\xC3", "?"},           // truncated sequence
        {"\xC0\xAFx", "??x"},    // overlong form: two invalid bytes
        {"\xE2\x82x", "?x"},     // broken three-byte sequence counts as one character
        {"\xED\xA0\x80", "???"}, // surrogate
        {"😀", "?"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(NachCp1252(fall.utf8), fall.bytes) << fall.utf8;
    }
    EXPECT_EQ(VonCp1252("\xC4\x80\x81\x9D"), "Ä€\u0081\u009D");
}

TEST(Cp1252, JedesByteKommtZurueck) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle.push_back(static_cast<char>(b));
    EXPECT_EQ(NachCp1252(VonCp1252(alle)), alle);
}

} // namespace
