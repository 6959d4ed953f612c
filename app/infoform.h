#pragma once
// The about box "Infos".
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace nervalo {

class TInfoForm : public QDialog {
    Q_OBJECT
  public:
    explicit TInfoForm(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Label1;
    QLabel* Zweck;  // what the program is for
    QLabel* Lizenz; // the licence, word-wrapped
    QPushButton* OKButton;

  protected:
    void showEvent(QShowEvent* event) override; // centred on the screen
};

// "Version 1.0.0": the project version of the build.
QString VersionsText();

} // namespace nervalo
