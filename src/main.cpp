#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QScreen>
#include <QStringList>
#include <QTextStream>
#include <cstring>

#include "mainwindow/Rbmain.h"
#include "platform/Idioma.h"
#include "platform/TaulaClasse.h"

namespace {

// Whether the arguments ask for the shell commands, which need no display.
bool OrdreDeShell(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* opcio : {"--help", "-help", "-h", "-?"})
      if (std::strcmp(argv[i], opcio) == 0) return true;
    for (const char* opcio : {"--classe", "-classe"})  // also "--classe=FOLDER"
      if (std::strncmp(argv[i], opcio, std::strlen(opcio)) == 0) return true;
  }
  return false;
}

// `ribolia --classe FOLDER` and `ribolia --help`, without a window.
int ExecutaShell(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  Idioma::Prepara();
  QCommandLineParser opcions;
  opcions.setApplicationDescription(QCoreApplication::translate(
      "main",
      "Ribolia: el flux de la informació genètica. Sense opcions, obre el "
      "programa; amb un fitxer, hi obre aquella recerca."));
  const QCommandLineOption ajuda(
      {QStringLiteral("h"), QStringLiteral("help")},
      QCoreApplication::translate("main", "Mostra aquestes opcions i acaba."));
  const QCommandLineOption classe(
      QStringLiteral("classe"),
      QCoreApplication::translate(
          "main",
          "Escriu a la sortida estàndard, en CSV, el resum de cada recerca (.srb) "
          "de la CARPETA, sense obrir cap finestra."),
      QCoreApplication::translate("main", "CARPETA"));
  opcions.addOption(ajuda);
  opcions.addOption(classe);
  opcions.addPositionalArgument(
      QCoreApplication::translate("main", "fitxer"),
      QCoreApplication::translate("main", "Una recerca desada (.srb) per obrir."),
      QCoreApplication::translate("main", "[fitxer]"));
  QTextStream sortida(stdout);
  QTextStream errors(stderr);
  if (!opcions.parse(QCoreApplication::arguments())) {
    errors << opcions.errorText() << '\n';
    return 2;
  }
  if (opcions.isSet(ajuda) || !opcions.isSet(classe)) {
    sortida << opcions.helpText();
    return 0;
  }
  return TaulaClasse::OrdreClasse(opcions.value(classe), sortida, errors);
}

}  // namespace

int main(int argc, char* argv[]) {
  Idioma::PreparaEntorn();
  if (OrdreDeShell(argc, argv)) return ExecutaShell(argc, argv);
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
