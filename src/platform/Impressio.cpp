#include "platform/Impressio.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QWidget>

#include "platform/Dialegs.h"

namespace Impressio {
namespace {

// Draws the image as large as the page allows, keeping its proportions.
bool Pinta(QPrinter& impressora, const QPixmap& imatge) {
  QPainter p;
  if (!p.begin(&impressora)) return false;
  const QRect pagina = p.viewport();
  QSize mida = imatge.size();
  mida.scale(pagina.size(), Qt::KeepAspectRatio);
  p.setViewport(pagina.x(), pagina.y(), mida.width(), mida.height());
  p.setWindow(imatge.rect());
  p.drawPixmap(0, 0, imatge);
  return p.end();
}

// The window's caption, as a file name in the folder the dialog opens at.
QString NomPdf(QWidget* finestra) {
  QString nom = finestra->windowTitle().trimmed();
  // Unicode classes, so that accented letters stay in the name.
  nom.replace(QRegularExpression(QStringLiteral("[^\\w\\s-]"),
                                 QRegularExpression::UseUnicodePropertiesOption),
              QString());
  return (nom.isEmpty() ? QStringLiteral("Ribolia") : nom) + QStringLiteral(".pdf");
}

}  // namespace

bool DesaPdf(QWidget* finestra, const QString& cami) {
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(cami);
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageOrientation(finestra->width() > finestra->height() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
  return Pinta(impressora, finestra->grab());
}

void ImprimeixFinestra(QWidget* finestra) {
  const QPixmap imatge = finestra->grab();
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    QPrinter impressora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    impressora.setPageOrientation(imatge.width() > imatge.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    if (Pinta(impressora, imatge)) return;
    Dialegs::Missatge(finestra, QStringLiteral("No s'ha pogut imprimir la finestra."),
                      QMessageBox::Warning);
    return;
  }
  const QString cami = Dialegs::TriaFitxerDesar(
      finestra, QStringLiteral("No hi ha cap impressora: desa la finestra com a PDF"),
      QStringLiteral("Documents PDF (*.pdf)"), NomPdf(finestra));
  if (cami.isEmpty()) return;
  if (DesaPdf(finestra, cami))
    Dialegs::Missatge(finestra,
                      QStringLiteral("No hi ha cap impressora. La imatge de la finestra s'ha desat "
                                     "com a PDF a:\n%1").arg(QDir::toNativeSeparators(cami)));
  else
    Dialegs::Missatge(finestra,
                      QStringLiteral("No s'ha pogut desar el PDF a:\n%1")
                          .arg(QDir::toNativeSeparators(cami)),
                      QMessageBox::Warning);
}

}  // namespace Impressio
