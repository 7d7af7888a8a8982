#include "platform/Idioma.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Idioma {

void PreparaEntorn() {
  if (qEnvironmentVariableIsEmpty("LC_ALL") && !qgetenv("LC_TIME").startsWith("ca"))
    qputenv("LC_TIME", "ca_ES.UTF-8");
}

void Prepara() {
  // Only the name: a display name would be appended to every window title
  // ("RIBOLIA — Ribolia"), and each caption must read as it is.
  QApplication::setApplicationName(QStringLiteral("Ribolia"));
  QApplication::setOrganizationName(QStringLiteral("Ribolia"));
  const QLocale catala(QLocale::Catalan, QLocale::Spain);
  QLocale::setDefault(catala);
  static QTranslator qt;
  if (qt.load(catala, QStringLiteral("qtbase"), QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qt);
}

QString Model(const std::string& text) { return QCoreApplication::translate("Model", text.c_str()); }

}  // namespace Idioma
