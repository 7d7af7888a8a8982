#include "platform/FitxerRecerca.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <span>

#include "model/RBGlobal.h"
#include "model/RecercaDesada.h"
#include "platform/Idioma.h"

using namespace RBGlobal;

namespace {

// A message box wraps a long path where it may break a line; after a
// slash, between folders, it still may, but never inside a name: its
// spaces do not break and a hyphen holds on to what follows.
QString Cami(const QString& nom) {
  QString cami = QDir::toNativeSeparators(nom);
  cami.replace(u' ', QChar(0x00A0));
  cami.replace(QStringLiteral("-"), QStringLiteral("-\u2060"));
  return cami;
}

QString NoDesada(const QString& nom, const QString& motiu) {
  return QCoreApplication::translate("FitxerRecerca",
                                     "No s'ha pogut desar la recerca al fitxer «%1».\n%2.\n"
                                     "Si ja hi havia un fitxer amb aquest nom, no s'ha tocat.")
      .arg(Cami(nom), motiu);
}

QString NoOberta(const QString& nom, const QString& motiu) {
  return QCoreApplication::translate("FitxerRecerca",
                                     "No s'ha pogut obrir la recerca del fitxer «%1».\n%2.\n"
                                     "La recerca que tenies no ha canviat.")
      .arg(Cami(nom), motiu);
}

// The file was read but holds no research this program could have saved:
// what that means to a student first, then the detail found.
QString NoEsRecerca(const QString& nom, const QString& motiu) {
  return QCoreApplication::translate(
             "FitxerRecerca",
             "Aquest fitxer no és una recerca de Ribolia, o bé està malmès:\n«%1»\n"
             "Detall: %2.\nLa recerca que tenies no ha canviat.")
      .arg(Cami(nom), motiu);
}

QString ErrorSistema(const QFileDevice& fitxer) {
  return QCoreApplication::translate("FitxerRecerca", "El sistema diu: %1")
      .arg(fitxer.errorString());
}

// Why the file could not be created, in the student's words where we can.
QString MotiuCreacio(const QString& nom, const QSaveFile& fitxer) {
  const QFileInfo info(nom);
  const QFileInfo carpeta(info.absolutePath());
  if (info.isDir())
    return QCoreApplication::translate("FitxerRecerca", "Aquest nom és el d'una carpeta");
  if (!carpeta.exists())
    return QCoreApplication::translate("FitxerRecerca", "La carpeta «%1» no existeix")
        .arg(Cami(carpeta.filePath()));
  if (!carpeta.isDir())
    return QCoreApplication::translate("FitxerRecerca", "«%1» no és una carpeta")
        .arg(Cami(carpeta.filePath()));
  if (info.exists() && !info.isWritable())
    return QCoreApplication::translate("FitxerRecerca", "El fitxer és només de lectura");
  if (!carpeta.isWritable())
    return QCoreApplication::translate("FitxerRecerca", "No es pot escriure a la carpeta «%1»")
        .arg(Cami(carpeta.filePath()));
  return ErrorSistema(fitxer);
}

QString MotiuLectura(const QString& nom, const QFile& fitxer) {
  const QFileInfo info(nom);
  if (!info.exists()) return QCoreApplication::translate("FitxerRecerca", "El fitxer no existeix");
  if (info.isDir())
    return QCoreApplication::translate("FitxerRecerca",
                                       "Aquest nom és el d'una carpeta, no el d'un fitxer");
  if (!info.isReadable())
    return QCoreApplication::translate("FitxerRecerca", "No tens permís per llegir-lo");
  return ErrorSistema(fitxer);
}

}  // namespace

QString DesaRecerca(const QString& nom) {
  QSaveFile fitxer(nom);
  if (!fitxer.open(QIODevice::WriteOnly)) return NoDesada(nom, MotiuCreacio(nom, fitxer));
  const TImatge imatge = CodificaEstat(EstatRecerca);
  const auto mida = static_cast<qint64>(imatge.size());
  if (fitxer.write(reinterpret_cast<const char*>(imatge.data()), mida) != mida) {
    const QString motiu = ErrorSistema(fitxer);
    fitxer.cancelWriting();
    return NoDesada(
        nom, QCoreApplication::translate("FitxerRecerca", "No s'ha pogut escriure sencera. %1")
                 .arg(motiu));
  }
  if (!fitxer.commit())
    return NoDesada(
        nom, QCoreApplication::translate("FitxerRecerca", "No s'ha pogut acabar d'escriure. %1")
                 .arg(ErrorSistema(fitxer)));
  return {};
}

QString LlegeixFitxerRecerca(const QString& nom, TEstatRecerca& estat, bool* refusat) {
  QFile fitxer(nom);
  if (QFileInfo(nom).isDir() || !fitxer.open(QIODevice::ReadOnly)) return MotiuLectura(nom, fitxer);
  // Only the first bytes are a research; a huge file is not read whole.
  const QByteArray dades = fitxer.read(static_cast<qint64>(MidaImatge));
  if (fitxer.error() != QFileDevice::NoError)
    return QCoreApplication::translate("FitxerRecerca", "No s'ha pogut llegir. %1")
        .arg(ErrorSistema(fitxer));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(dades.constData());
  TLecturaRecerca lectura =
      LlegeixRecerca(std::span(bytes, static_cast<std::size_t>(dades.size())));
  if (!lectura.Acceptada()) {
    if (refusat) *refusat = true;
    // The model's sentence in the language in use, its values in place.
    QString motiu = Idioma::Model(lectura.Detall.Plantilla);
    for (const std::string& valor : lectura.Detall.Valors)
      motiu = motiu.arg(QString::fromStdString(valor));
    return motiu;
  }
  estat = lectura.Estat;
  return {};
}

QString ObreRecerca(const QString& nom) {
  TEstatRecerca estat;
  bool refusat = false;
  const QString motiu = LlegeixFitxerRecerca(nom, estat, &refusat);
  if (!motiu.isEmpty()) return refusat ? NoEsRecerca(nom, motiu) : NoOberta(nom, motiu);
  EstatRecerca = estat;
  return {};
}
