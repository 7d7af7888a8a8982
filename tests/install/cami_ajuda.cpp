// Prints where the program looks for its help file when it runs from this
// program's folder: the install test copies it beside the installed program.
#include <QCoreApplication>
#include <QTextStream>

#include "platform/Ajuda.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream(stdout) << Ajuda::CamiFitxer() << '\n';
  return 0;
}
