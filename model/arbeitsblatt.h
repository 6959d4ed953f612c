#pragma once
// The worksheet of a net as one HTML page that prints on A4: the net's picture, for each chosen
// neuron its calculation with the results left blank, and after a page break the solutions.
#include <string>
#include <vector>

#include "netz.h"

namespace nervalo {

// bildUrl: the picture as a URL (a data URL, so that the page stands alone); neuronen: the
// neurons in the order the sheet lists them, each 0 <= i < netz.Anzahl().
std::string Arbeitsblatt(const TNetz& netz, const std::vector<int>& neuronen,
                         const std::string& bildUrl);

// The neurons named in a text of labels separated by commas ("N2, N3"), blanks around a name
// ignored; "alle" names every neuron. Throws Fehler for a name no neuron has.
std::vector<int> NeuronenAusText(const TNetz& netz, const std::string& text);

// Text for HTML: &, <, >, " and ' written as entities.
std::string HtmlText(const std::string& text);

} // namespace nervalo
