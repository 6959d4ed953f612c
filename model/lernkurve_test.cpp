// The learning curve's point budget over a long run, its clearing, and its table for a
// spreadsheet.
#include <gtest/gtest.h>

#include <algorithm>

#include "lernkurve.h"

using namespace nervalo;

// Ten million steps with the total error once per 3,333 steps (a frame at 200,000 steps per
// second): neither series ever holds more than its budget, both stay in step order, end at the
// newest step and stay evenly spread over the run.
TEST(Lernkurve, BudgetUeberLangenLauf) {
    Lernkurve k;
    std::size_t meisteSchritte = 0, meisteGesamt = 0;
    for (std::int64_t s = 1; s <= 10'000'000; ++s) {
        k.Schritt(1.0f / static_cast<float>(s));
        if (s % 3333 == 0) k.Gesamt(2.0 / static_cast<double>(s));
        meisteSchritte = std::max(meisteSchritte, k.Schrittfehler().Punkte().size());
        meisteGesamt = std::max(meisteGesamt, k.Gesamtfehler().Punkte().size());
    }
    EXPECT_LE(meisteSchritte, Lernkurve::Punktbudget);
    EXPECT_LE(meisteGesamt, Lernkurve::Punktbudget);
    for (const Kurvenreihe* r : {&k.Schrittfehler(), &k.Gesamtfehler()}) {
        const auto& p = r->Punkte();
        ASSERT_GE(p.size(), Lernkurve::Punktbudget / 4);
        std::int64_t groessteLuecke = 0;
        for (std::size_t i = 1; i < p.size(); ++i) {
            ASSERT_LT(p[i - 1].schritt, p[i].schritt);
            groessteLuecke = std::max(groessteLuecke, p[i].schritt - p[i - 1].schritt);
        }
        // No part of the run is left with a gap far wider than the average.
        EXPECT_LE(groessteLuecke,
                  4 * (p.back().schritt - p.front().schritt) / static_cast<std::int64_t>(p.size()));
    }
    EXPECT_EQ(k.Schrittfehler().Punkte().front(), (Kurvenreihe::Punkt{1, 1.0}));
    EXPECT_EQ(k.Schrittfehler().Punkte().back(),
              (Kurvenreihe::Punkt{10'000'000, 1.0f / 10'000'000.0f}));
    EXPECT_EQ(k.Gesamtfehler().Punkte().back().schritt, 9'999'000);
    EXPECT_EQ(k.Schritte(), 10'000'000);
}

// A total error taken again at the same step replaces the earlier one; clearing starts the
// count and both series anew.
TEST(Lernkurve, GleicherSchrittUndLeeren) {
    Lernkurve k;
    k.Schritt(0.5f);
    k.Gesamt(0.25);
    k.Gesamt(0.125);
    ASSERT_EQ(k.Gesamtfehler().Punkte().size(), 1u);
    EXPECT_EQ(k.Gesamtfehler().Punkte()[0], (Kurvenreihe::Punkt{1, 0.125}));
    k.Leeren();
    EXPECT_EQ(k.Schritte(), 0);
    EXPECT_TRUE(k.Schrittfehler().Punkte().empty());
    EXPECT_TRUE(k.Gesamtfehler().Punkte().empty());
    k.Schritt(0.5f);
    EXPECT_EQ(k.Schrittfehler().Punkte()[0].schritt, 1);
}

TEST(Lernkurve, AlsTabelle) {
    Lernkurve k;
    EXPECT_EQ(LernkurveAlsTabelle(k), "Schritte;Gesamtfehler;Fehler des Schritts\r\n");
    k.Gesamt(0.5); // before the first step
    k.Schritt(0.125f);
    k.Schritt(0.1f);
    k.Gesamt(0.0625);
    k.Schritt(1e-5f);
    k.Gesamt(1.0 / 3.0);
    EXPECT_EQ(LernkurveAlsTabelle(k), "Schritte;Gesamtfehler;Fehler des Schritts\r\n"
                                      "0;0,5;\r\n"
                                      "1;;0,125\r\n"
                                      "2;0,0625;0,1\r\n"
                                      "3;0,3333333333333333;1E-05\r\n");
}
