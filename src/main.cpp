#include <QApplication>
#include <QScreen>
#include <QStringList>

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
  // "ribolia FILE.srb", as a file manager starts it for a saved research.
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) FPrincipal->ObreFitxer(arguments.at(1));
  const int resultat = QApplication::exec();
  delete FPrincipal;
  return resultat;
}
