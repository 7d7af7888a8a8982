#include "platform/TextosJoc.h"

#include <QCoreApplication>

#include "platform/Idioma.h"

namespace TextosJoc {
namespace {
QString Tr(const char* text) { return QCoreApplication::translate("TextosJoc", text); }
// The figures padded to 12 places, as the laboratory windows line them up.
QString Xifra(std::int32_t valor) {
  return QString::fromStdString(RBGlobal::FormataNombre(valor, 12));
}
}  // namespace

QString Data(unsigned mes, const QString& any) {
  const QString nom = mes >= 1 && mes <= 12 ? Idioma::Model(RBGlobal::NomsMesos[mes]) : QString();
  return Tr(QT_TRANSLATE_NOOP("TextosJoc", "%1 de %2")).arg(nom, any);
}

QString Data(const RBGlobal::TEstatRecerca& e) { return Data(e.Mes, QString::number(e.Any)); }

QString Nivell(unsigned nivell) {
  static const char* const Noms[] = {QT_TRANSLATE_NOOP("TextosJoc", "ESO"),
                                     QT_TRANSLATE_NOOP("TextosJoc", "Batxillerat"),
                                     QT_TRANSLATE_NOOP("TextosJoc", "Universitari")};
  return nivell < 3 ? Tr(Noms[nivell]) : QString();
}

QString Caixa(std::int32_t diners) {
  return Tr(QT_TRANSLATE_NOOP("TextosJoc", "Tenim  %1 $.")).arg(Xifra(diners));
}
QString Mesada(std::uint16_t ingressos) {
  return Tr(QT_TRANSLATE_NOOP("TextosJoc", "Cobrem %1 $ cada mes.")).arg(Xifra(ingressos));
}
QString Gastem(std::int32_t diners) {
  return Tr(QT_TRANSLATE_NOOP("TextosJoc", "Gastem %1 $.")).arg(Xifra(diners));
}
QString Queden(std::int32_t diners) {
  return Tr(QT_TRANSLATE_NOOP("TextosJoc", "Queden %1 $.")).arg(Xifra(diners));
}

QString Mesos(std::optional<unsigned> mesos) {
  if (!mesos)
    return Tr(QT_TRANSLATE_NOOP("TextosJoc", "Sense provetes cada mes no l'acabarem mai."));
  return (*mesos == 1 ? Tr(QT_TRANSLATE_NOOP("TextosJoc", "Acabarem d'aquí %1 mes."))
                      : Tr(QT_TRANSLATE_NOOP("TextosJoc", "Acabarem d'aquí %1 mesos.")))
      .arg(*mesos);
}

}  // namespace TextosJoc
