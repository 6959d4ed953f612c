#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arbeitsblatt.h"
#include "fehler.h"
#include "spezialnetze.h"
#include "zufall.h"

using namespace nervalo;

namespace {

// A 2-2-1 perceptron after one learning step, inputs 1 and 0.3.
TNetz gelernt() {
    TNetz netz;
    BauePerzeptron(netz, 2, 2, 1);
    zufall().Setze(99);
    netz.Zufallsgewichte(1.0f);
    netz.Neuron(0).Output = 1.0f;
    netz.Neuron(1).Output = 0.3f;
    netz.Neuron(4).Sollwert = 1.0f;
    netz.Propagiere();
    netz.Backpropagiere(0.5f);
    return netz;
}

int anzahl(const std::string& text, const std::string& was) {
    int n = 0;
    for (auto p = text.find(was); p != std::string::npos; p = text.find(was, p + 1))
        ++n;
    return n;
}

const std::string LeeresFeld = "<td class=\"feld\"></td>";

} // namespace

// The sheet leaves the results blank and the solutions after the page break fill every one.
TEST(Arbeitsblatt, AufgabenLeerLoesungenVoll) {
    const TNetz netz = gelernt();
    const std::string html = Arbeitsblatt(netz, {2, 4}, "data:image/png;base64,AAAA");
    const auto bruch = html.find("<div class=\"loesungen\">");
    ASSERT_NE(bruch, std::string::npos);
    const std::string aufgaben = html.substr(0, bruch), loesungen = html.substr(bruch);
    // Per neuron: input sum, activation, output, derivative, delta and two weights.
    EXPECT_EQ(anzahl(aufgaben, LeeresFeld), 2 * 7);
    EXPECT_EQ(anzahl(loesungen, LeeresFeld), 0);
    EXPECT_EQ(anzahl(loesungen, "<td class=\"feld\">= "), 2 * 7);
    EXPECT_EQ(anzahl(html, "<h2>N2</h2>"), 2);
    EXPECT_EQ(anzahl(html, "<h2>N4</h2>"), 2);
    EXPECT_NE(html.find("src=\"data:image/png;base64,AAAA\""), std::string::npos);
}

// A label from a file may hold anything: it reaches the page as text, never as markup.
TEST(Arbeitsblatt, BezeichnungAlsText) {
    TNetz netz = gelernt();
    netz.Neuron(4).Bezeichnung = "<script>alert('x')</script>&\"";
    const std::string html = Arbeitsblatt(netz, {4}, "x\"><script>");
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;&quot;"),
              std::string::npos);
}

TEST(Arbeitsblatt, NeuronenAusText) {
    const TNetz netz = gelernt();
    const struct {
        const char* text;
        std::vector<int> neuronen;
    } faelle[] = {{"N2, N3", {2, 3}},
                  {" N4 ,, N2 ", {4, 2}},
                  {"", {}},
                  {"alle", {0, 1, 2, 3, 4}},
                  {"N3,N3", {3, 3}}};
    for (const auto& f : faelle)
        EXPECT_EQ(NeuronenAusText(netz, f.text), f.neuronen) << f.text;
    EXPECT_THROW(NeuronenAusText(netz, "N2, N9"), Fehler);
    EXPECT_THROW(NeuronenAusText(netz, "n2"), Fehler);
}
