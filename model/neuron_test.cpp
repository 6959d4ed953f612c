#include <gtest/gtest.h>

#include "fehler.h"
#include "neuron.h"
#include "testhilfe.h"

using namespace nervalo;

TEST(Neuron, NeuesNeuronHatDieVorgaben) {
    TGrafikNeuron n;
    EXPECT_EQ(n.Schichttyp, Hiddenschicht);
    EXPECT_EQ(n.Inputsumme(), 0.0f);
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 0.5f);
    n.Outputfunktion = binaer;
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 1.0f);
    EXPECT_EQ(n.Radius, 22);
    EXPECT_EQ(n.Randabstand, 24);
    EXPECT_EQ(n.Anzeige, Beschriftung);
}
