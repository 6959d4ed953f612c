#pragma once
// The overlap of the state with every remembered pattern as a bar: to the right towards +1 (the
// pattern itself), to the left towards −1 (its inverse).
#include <QWidget>
#include <vector>

namespace nervalo {

class TUeberlappBalken : public QWidget {
    Q_OBJECT

  public:
    explicit TUeberlappBalken(QWidget* parent = nullptr);

    // One overlap per pattern, each from −1 to 1.
    void Setzen(std::vector<double> ueberlappe);
    const std::vector<double>& Ueberlappe() const { return ueberlappe_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {160, sizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::vector<double> ueberlappe_;
};

} // namespace nervalo
