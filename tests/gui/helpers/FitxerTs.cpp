#include "FitxerTs.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {
// The text of a <translation>, or of each of its <numerusform>.
QStringList LlegeixTraduccio(QXmlStreamReader& xml) {
  QStringList formes;
  QString text;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement()) formes << xml.readElementText();
    if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
  }
  return formes.isEmpty() ? QStringList{text} : formes;
}
}  // namespace

QList<TMissatgeTs> LlegeixTs(const QString& cami, QString* error) {
  QList<TMissatgeTs> missatges;
  QFile f(cami);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return missatges;
  }
  QXmlStreamReader xml(&f);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto nom = xml.name();
    if (nom == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (nom == QLatin1String("message")) {
      missatges.append({context, QString(), {}, QString()});
    } else if (nom == QLatin1String("source") && !missatges.isEmpty()) {
      missatges.last().Font = xml.readElementText();
    } else if (nom == QLatin1String("translation") && !missatges.isEmpty()) {
      missatges.last().Tipus = xml.attributes().value(QLatin1String("type")).toString();
      missatges.last().Traduccions = LlegeixTraduccio(xml);
    }
  }
  if (xml.hasError() && error) *error = xml.errorString();
  return missatges;
}
