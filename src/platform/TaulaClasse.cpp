#include "platform/TaulaClasse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

#include "platform/FitxerRecerca.h"
#include "platform/Text1252.h"
#include "platform/TextosJoc.h"

using namespace RBGlobal;

namespace TaulaClasse {
namespace {

QString Recerca(std::uint16_t tipus) {
  static const char* const Noms[] = {QT_TRANSLATE_NOOP("TaulaClasse", "Exercicis"),
                                     QT_TRANSLATE_NOOP("TaulaClasse", "Codi genètic"),
                                     QT_TRANSLATE_NOOP("TaulaClasse", "Joc amb pressupost")};
  return tipus < 3 ? QCoreApplication::translate("TaulaClasse", Noms[tipus]) : QString();
}

QString Data(const TResumRecerca& r) { return TextosJoc::Data(r.Mes, QString::number(r.Any)); }

bool Numerica(int columna) { return columna >= ColExperiments || columna == ColData; }

// The budget game's columns stay empty in other researches.
bool NomesJoc(int columna) {
  return columna == ColData || columna == ColDiners || columna == ColProvetes ||
         columna == ColTecniques;
}

// The cell's number; meaningful only for numeric columns.
long Nombre(const TResumRecerca& r, int columna) {
  switch (columna) {
    case ColData: return r.MesosDes0();
    case ColExperiments: return r.Experiments;
    case ColAmbConclusions: return r.AmbConclusions;
    case ColCodons: return r.CodonsPublicats;
    case ColDiners: return r.Diners;
    case ColProvetes: return r.Provetes;
    case ColTecniques: return r.TecniquesDominades;
    default: return 0;
  }
}

QString TextParaules(const TRecercaClasse& r, int columna) {
  const TResumRecerca& s = r.Resum;
  switch (columna) {
    case ColFitxer: return r.Fitxer();
    case ColNom: return DeText1252(s.Nom);
    case ColNivell: return TextosJoc::Nivell(s.NivellEducatiu);
    case ColRecerca: return Recerca(s.TipusPartida);
    case ColCodi:
      return s.CodiAleatori ? QCoreApplication::translate("TaulaClasse", "Aleatori")
                            : QCoreApplication::translate("TaulaClasse", "Real");
    case ColData: return Data(s);
    default: return QString::number(Nombre(s, columna));
  }
}

}  // namespace

QString TRecercaClasse::Fitxer() const { return QFileInfo(Cami).fileName(); }

TRecercaClasse Llegeix(const QString& cami) {
  TRecercaClasse r;
  r.Cami = QDir::cleanPath(QFileInfo(cami).absoluteFilePath());
  r.Motiu = LlegeixFitxerRecerca(r.Cami, r.Estat);
  if (r.Llegida()) r.Resum = ResumeixRecerca(r.Estat);
  return r;
}

bool FitxersCarpeta(const QString& carpeta, QStringList& fitxers) {
  fitxers.clear();
  const QFileInfo info(carpeta);
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
  const QDir dir(carpeta);
  const QStringList noms =
      dir.entryList({QStringLiteral("*.srb")}, QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& nom : noms) fitxers << dir.absoluteFilePath(nom);
  return true;
}

QStringList Capcaleres() {
  return {QCoreApplication::translate("TaulaClasse", "Fitxer"),
          QCoreApplication::translate("TaulaClasse", "Nom"),
          QCoreApplication::translate("TaulaClasse", "Nivell"),
          QCoreApplication::translate("TaulaClasse", "Recerca"),
          QCoreApplication::translate("TaulaClasse", "Codi"),
          QCoreApplication::translate("TaulaClasse", "Data"),
          QCoreApplication::translate("TaulaClasse", "Experiments"),
          QCoreApplication::translate("TaulaClasse", "Amb conclusions"),
          QCoreApplication::translate("TaulaClasse", "Codons publicats"),
          QCoreApplication::translate("TaulaClasse", "Diners"),
          QCoreApplication::translate("TaulaClasse", "Provetes"),
          QCoreApplication::translate("TaulaClasse", "Tècniques dominades")};
}

QString Text(const TRecercaClasse& r, int columna) {
  if (!r.Llegida()) return columna == ColFitxer ? r.Fitxer() : QString();
  if (NomesJoc(columna) && !r.Resum.Joc()) return QString();
  if (columna == ColDiners)
    return QString::fromStdString(FormataNombre(r.Resum.Diners, 1)) + QStringLiteral(" $.");
  return TextParaules(r, columna);
}

QString TextCsv(const TRecercaClasse& r, int columna) {
  if (!r.Llegida()) return columna == ColFitxer ? r.Fitxer() : QString();
  if (NomesJoc(columna) && !r.Resum.Joc()) return QString();
  return TextParaules(r, columna);
}

QVariant Clau(const TRecercaClasse& r, int columna) {
  if (Numerica(columna) && r.Llegida() && (!NomesJoc(columna) || r.Resum.Joc()))
    return QVariant::fromValue<qlonglong>(Nombre(r.Resum, columna));
  return Text(r, columna);
}

QString MotiuPerAlumne(const TRecercaClasse& r) {
  return QCoreApplication::translate("TaulaClasse", "No s'ha pogut llegir com a recerca: %1.")
      .arg(r.Motiu);
}

QString CampCsv(const QString& camp) {
  static const QString Especials = QStringLiteral(";\"\r\n");
  const bool cal =
      std::any_of(camp.begin(), camp.end(), [](QChar c) { return Especials.contains(c); });
  if (!cal) return camp;
  QString doblat = camp;
  return QLatin1Char('"') + doblat.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

QString Csv(const QList<const TRecercaClasse*>& recerques) {
  const auto linia = [](const QStringList& camps) {
    QStringList quotats;
    for (const QString& camp : camps) quotats << CampCsv(camp);
    return quotats.join(QLatin1Char(';')) + QLatin1Char('\n');
  };
  QString csv = linia(Capcaleres());
  for (const TRecercaClasse* r : recerques) {
    if (!r->Llegida()) continue;
    QStringList camps;
    for (int c = 0; c < NombreColumnes; ++c) camps << TextCsv(*r, c);
    csv += linia(camps);
  }
  return csv;
}

int OrdreClasse(const QString& carpeta, QTextStream& sortida, QTextStream& errors) {
  QStringList fitxers;
  if (!FitxersCarpeta(carpeta, fitxers)) {
    errors << QCoreApplication::translate("TaulaClasse", "No s'ha pogut llegir la carpeta «%1».\n")
                  .arg(QDir::toNativeSeparators(carpeta));
    return 2;
  }
  QList<TRecercaClasse> recerques;
  for (const QString& fitxer : fitxers) recerques << Llegeix(fitxer);
  QList<const TRecercaClasse*> ordre;
  for (const TRecercaClasse& r : recerques) {
    ordre << &r;
    if (!r.Llegida())
      errors << r.Fitxer() << QStringLiteral(": ") << r.Motiu << QStringLiteral(".\n");
  }
  sortida << Csv(ordre);
  return 0;
}

}  // namespace TaulaClasse
