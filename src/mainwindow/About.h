// "Sobre Ribolia...": the program's name, version and authorship.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class TAboutBox : public TFinestra {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* pare = nullptr);

 private:
  void ConstrueixFinestra() override;
};

extern TAboutBox* AboutBox;
