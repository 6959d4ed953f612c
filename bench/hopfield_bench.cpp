// Cost of the Hopfield analysis that the analysis window runs after every recall pass, next to
// the pass itself: a 6 x 10 grid (60 neurons, the largest net) with 1, 8 and 16 stored random
// patterns, the state a disturbed stored pattern. Both are timed alternately in several rounds;
// the medians and their ratio are printed.
//   hopfield_bench [runden]   (default 15)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "hopfieldanalyse.h"
#include "spezialnetze.h"

using namespace nervalo;

namespace {

using Uhr = std::chrono::steady_clock;

// Microseconds per call of f, over enough calls to last about 20 ms.
template <class F> double mikrosekunden(F&& f) {
    long n = 0;
    const auto anfang = Uhr::now();
    std::chrono::duration<double, std::micro> dauer{};
    do {
        f();
        ++n;
        dauer = Uhr::now() - anfang;
    } while (dauer.count() < 20000.0);
    return dauer.count() / n;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const Hopfieldspeicher speicher(6, 10);
    std::mt19937 zufall(7);
    std::printf("Muster  Durchgang [us]  Analyse [us]  Analyse/Durchgang\n");
    for (int anzahl : {1, 8, 16}) {
        TNetz netz;
        BaueHopfieldGitter(netz, 6, 10);
        std::vector<Muster> gemerkt;
        for (int k = 0; k < anzahl; ++k) {
            Muster m(60);
            for (int i = 0; i < 60; ++i)
                m[i] = zufall() % 2 == 1;
            speicher.Merken(netz, m);
            gemerkt.push_back(m);
        }
        Muster zustand = gemerkt.front();
        for (int i = 0; i < 60; i += 7)
            zustand[i].flip();
        std::vector<double> durchgang, analyse;
        long double summe = 0; // keeps the results alive
        for (int r = 0; r < runden; ++r) {
            durchgang.push_back(mikrosekunden([&] {
                speicher.Holen(netz, zustand);
                netz.Propagiere();
            }));
            analyse.push_back(
                mikrosekunden([&] { summe += Analysiere(netz, zustand, gemerkt).energie; }));
        }
        const double d = median(durchgang), a = median(analyse);
        std::printf("%6d  %14.1f  %12.1f  %17.2f\n", anzahl, d, a, a / d);
        if (summe == 1.0L) std::puts("");
    }
}
