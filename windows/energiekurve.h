#pragma once
// The energy over the passes of a recall as a curve: pass 0 is the start state. Where there are
// more passes than pixel columns, each column shows the range of the energies that fall on it.
#include <QWidget>
#include <vector>

namespace nervalo {

class TEnergiekurve : public QWidget {
    Q_OBJECT

  public:
    explicit TEnergiekurve(QWidget* parent = nullptr);

    void Setzen(std::vector<long double> energien);
    const std::vector<long double>& Energien() const { return energien_; }

    QSize sizeHint() const override { return {360, 150}; }
    QSize minimumSizeHint() const override { return {200, 110}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::vector<long double> energien_;
};

} // namespace nervalo
