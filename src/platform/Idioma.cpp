#include "platform/Idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace Idioma {
namespace {
const QString ClauIdioma = QStringLiteral("idioma");

QString& IdiomaActual() {
  static QString actual = QStringLiteral("ca");
  return actual;
}

// "es_ES.UTF-8", "en", "ca@valencia" → "es", "en", "ca".
QString CodiDe(const QString& nom) {
  return nom.section(QLatin1Char('_'), 0, 0)
      .section(QLatin1Char('.'), 0, 0)
      .section(QLatin1Char('@'), 0, 0)
      .section(QLatin1Char('-'), 0, 0)
      .toLower();
}

bool CarregaPrograma(QTranslator& traductor, const QString& codi) {
  if (codi == QLatin1String("ca")) return false;
  const QString cami = CamiRecurs(QStringLiteral("ribolia_%1.qm").arg(codi));
  return !cami.isEmpty() && traductor.load(cami);
}
}  // namespace

QString Tria(const QString& desat, const QStringList& sistema) {
  if (Codis.contains(desat)) return desat;
  for (const QString& nom : sistema) {
    const QString codi = CodiDe(nom);
    if (Codis.contains(codi)) return codi;
  }
  return Codis.first();
}

QStringList IdiomesSistema() {
  QStringList idiomes =
      QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString valor = QString::fromLocal8Bit(qgetenv(variable));
    if (!valor.isEmpty()) {
      idiomes << valor;
      break;  // the first one set is the one that counts
    }
  }
  return idiomes;
}

QString Desat() { return QSettings().value(ClauIdioma).toString(); }
void Desa(const QString& codi) { QSettings().setValue(ClauIdioma, codi); }
QString Actual() { return IdiomaActual(); }

QString CamiRecurs(const QString& nom) {
  QStringList dirs;
  const QByteArray entorn = qgetenv("RIBOLIA_DIR_AJUDA");
  if (!entorn.isEmpty()) dirs << QString::fromLocal8Bit(entorn);
  // Installed, it sits in the data folder at the same place relative to the
  // executable wherever the prefix was moved; in the build tree, beside it.
  const QString dirExe = QCoreApplication::applicationDirPath();
  dirs << dirExe << QDir::cleanPath(dirExe + QStringLiteral("/" RIBOLIA_DIR_AJUDA_INSTALLADA))
       << QStringLiteral(RIBOLIA_DIR_AJUDA_FONT);
  for (const QString& dir : dirs)
    if (QFile::exists(QDir(dir).filePath(nom))) return QDir(dir).filePath(nom);
  return QString();
}

QString TextEn(const QString& codi, const char* context, const char* text) {
  QTranslator traductor;
  QString traduit;
  if (CarregaPrograma(traductor, codi)) traduit = traductor.translate(context, text);
  return traduit.isEmpty() ? QString::fromUtf8(text) : traduit;
}

void PreparaEntorn() {
  if (qEnvironmentVariableIsEmpty("LC_ALL") && !qgetenv("LC_TIME").startsWith("ca"))
    qputenv("LC_TIME", "ca_ES.UTF-8");
}

void Prepara() {
  // Only the name: a display name would be appended to every window title
  // ("RIBOLIA — Ribolia"), and each caption must read as it is.
  QCoreApplication::setApplicationName(QStringLiteral("Ribolia"));
  QCoreApplication::setOrganizationName(QStringLiteral("Ribolia"));
  // The game's money, numbers and dates look Catalan in every language.
  QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
  IdiomaActual() =
      QStandardPaths::isTestModeEnabled() ? Codis.first() : Tria(Desat(), IdiomesSistema());
  static QTranslator qt, programa;
  if (qt.load(QLocale(IdiomaActual()), QStringLiteral("qtbase"), QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt);
  if (CarregaPrograma(programa, IdiomaActual())) QCoreApplication::installTranslator(&programa);
}

QString Model(const std::string& text) {
  return QCoreApplication::translate("Model", text.c_str());
}

}  // namespace Idioma
