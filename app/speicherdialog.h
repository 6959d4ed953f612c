#pragma once
// The file dialog behind Dialoge::DateiSpeichern. It refuses a name in a folder that does not
// exist while it is still open, as the open dialog refuses a missing file, instead of handing
// back a path that the save could only fail on. With several filters the default extension
// follows the chosen one.
#include <QFileDialog>
#include <QStringList>

#include "dialoge.h"

namespace nervalo {

// "Netz (*.net)|*.net" -> "Netz (*.net)": the Qt filter is the part before the bar. Several
// filters ("A (*.a)|*.a|B (*.b)|*.b") become "A (*.a);;B (*.b)".
QString QtFilter(const std::string& filter);

class SpeicherDialog : public QFileDialog {
    Q_OBJECT
  public:
    SpeicherDialog(QWidget* parent, const DateiDialog& d);

    // The chosen file's folder, if the dialog's options require it and it is missing: the text
    // of the error box that refuses it. Empty when the path may be taken.
    std::string OrdnerFehlt(const QString& pfad) const;
    // The number of the chosen filter (from 0) and its default extension.
    int GewaehlterFilter() const;
    std::string Endung() const;

  public slots:
    void accept() override;

  private:
    bool ordnerMussExistieren_;
    QStringList filter_;   // the filters' names, as the dialog shows them
    QStringList endungen_; // the default extension of each filter
};

} // namespace nervalo
