#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "mainwindow/Rbmain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ribolia"));
  QApplication::setApplicationDisplayName(QStringLiteral("Ribolia"));
  // Qt's own buttons and dialogs speak Catalan too.
  QTranslator qt;
  if (qt.load(QLocale(QLocale::Catalan), QStringLiteral("qtbase"), QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qt);
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
