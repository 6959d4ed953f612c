#pragma once
// The file dialog behind Dialoge::DateiSpeichern. It refuses a name in a folder that does not
// exist while it is still open, as the open dialog refuses a missing file, instead of handing
// back a path that the save could only fail on.
#include <QFileDialog>

#include "dialoge.h"

namespace nervalo {

// "Netz (*.net)|*.net" -> "Netz (*.net)": the Qt filter is the part before the bar.
QString QtFilter(const std::string& filter);

class SpeicherDialog : public QFileDialog {
    Q_OBJECT
  public:
    SpeicherDialog(QWidget* parent, const DateiDialog& d);

    // The chosen file's folder, if the dialog's options require it and it is missing: the text
    // of the error box that refuses it. Empty when the path may be taken.
    std::string OrdnerFehlt(const QString& pfad) const;

  public slots:
    void accept() override;

  private:
    bool ordnerMussExistieren_;
};

} // namespace nervalo
