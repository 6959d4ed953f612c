#pragma once
// A strip of small pictures of the remembered patterns, numbered from 1 in the order they were
// stored, each drawn on the grid it was drawn on. A pattern that is no longer a fixed point of
// the net gets a red frame and "kein Fixpunkt" below it.
#include <QWidget>
#include <optional>
#include <vector>

#include "hopfieldanalyse.h"

namespace nervalo {

class TMusterstreifen : public QWidget {
    Q_OBJECT

  public:
    explicit TMusterstreifen(QWidget* parent = nullptr);

    struct Eintrag {
        GemerktesMuster muster;
        std::optional<bool> fixpunkt; // nullopt: not known
    };
    void Setzen(std::vector<Eintrag> eintraege);
    const std::vector<Eintrag>& Eintraege() const { return eintraege_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::vector<Eintrag> eintraege_;
};

} // namespace nervalo
