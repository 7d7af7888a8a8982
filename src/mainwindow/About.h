// "Sobre Ribolia...": the program's name, version and authorship.
#pragma once

#include <QDialog>

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* pare = nullptr);
};

extern TAboutBox* AboutBox;
