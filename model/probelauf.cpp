#include "probelauf.h"

#include <optional>
#include <string>

#include "fehler.h"
#include "meldungen.h"

namespace nervalo {
namespace {

// A pass changes what the next pass computes when a neuron reads an input slot that this pass
// writes only after the neuron has computed (a connection from the same or a later neuron), or
// when a connection into an input neuron turns it into a hidden one. Otherwise every neuron's
// inputs are written in the pass before they are read, and the outputs depend on the inputs
// given alone.
bool hatRueckwirkung(const TNetz& netz) {
    const int n = netz.Anzahl();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (netz.IstVerbunden(i, j) &&
                (i >= j || netz.Neuron(j).Schichttyp == Schichttyp::Inputschicht))
                return true;
    return false;
}

// Takes the messages of the model while it exists and keeps the first.
class Stumm : public Meldungen {
  public:
    Stumm() : vorher_(setzeMeldungen(this)) {}
    ~Stumm() override { setzeMeldungen(vorher_); }
    Stumm(const Stumm&) = delete;
    Stumm& operator=(const Stumm&) = delete;

    void Fehler(const std::string& t) override { merken(t); }
    void Hinweis(const std::string& t) override { merken(t); }
    bool Frage(const std::string& t) override {
        merken(t);
        return false;
    }
    const std::optional<std::string>& Erste() const { return erste_; }

  private:
    void merken(const std::string& t) {
        if (!erste_) erste_ = t;
    }
    Meldungen* vorher_;
    std::optional<std::string> erste_;
};

} // namespace

Probelauf::Probelauf(const TNetz& netz)
    : anfang_(netz), arbeit_(netz), rueckwirkung_(hatRueckwirkung(netz)) {}

const TNetz& Probelauf::Rechne(const std::function<void(TNetz&)>& anlegen) {
    if (rueckwirkung_)
        for (int i = 0; i < arbeit_.Anzahl(); ++i)
            arbeit_.Neuron(i) = anfang_.Neuron(i);
    Stumm stumm;
    anlegen(arbeit_);
    if (stumm.Erste()) throw Fehler(*stumm.Erste());
    arbeit_.Propagiere();
    return arbeit_;
}

} // namespace nervalo
