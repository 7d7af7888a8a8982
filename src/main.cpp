#include <QApplication>
#include <QScreen>

#include "mainwindow/Rbmain.h"
#include "platform/Idioma.h"

int main(int argc, char* argv[]) {
  Idioma::PreparaEntorn();
  QApplication app(argc, argv);
  Idioma::Prepara();
  // The program ends when the main window closes, whatever else is open.
  QApplication::setQuitOnLastWindowClosed(false);
  CreaFinestres();
  // Without a window manager (a bare X server) maximising does nothing, so
  // the window takes the screen's working area itself first.
  FPrincipal->setGeometry(FPrincipal->screen()->availableGeometry());
  FPrincipal->showMaximized();
  const int resultat = QApplication::exec();
  delete FPrincipal;
  return resultat;
}
