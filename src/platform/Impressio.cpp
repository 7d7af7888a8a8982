#include "platform/Impressio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QWidget>
#include <functional>

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

}  // namespace

QString NomPdf(const QString& titol) {
  QString nom;
  for (const QChar c : titol) {
    if (c == u'/')
      nom += u'-';
    else if (c.category() != QChar::Other_Control)  // NUL, line breaks, tabs
      nom += c;
  }
  // A leading dot would hide the file, and "." or ".." are no file at all.
  while (nom.startsWith(u'.') || nom.startsWith(u' ')) nom.remove(0, 1);
  nom = nom.trimmed();
  // A file name holds at most 255 bytes, ".pdf" included.
  while (nom.toUtf8().size() > 251) {
    nom.chop(nom.size() >= 2 && nom.at(nom.size() - 1).isLowSurrogate() ? 2 : 1);
    nom = nom.trimmed();
  }
  return (nom.isEmpty() ? QStringLiteral("Ribolia") : nom) + QStringLiteral(".pdf");
}

bool DesaPdf(QWidget* finestra, const QString& cami) {
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(cami);
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageOrientation(finestra->width() > finestra->height() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
  return Pinta(impressora, finestra->grab());
}

namespace {

// On the default printer, or where there is none into a PDF named by the
// student; says what happened when it was not printed.
void Imprimeix(QWidget* pare, const std::function<bool(QPrinter&)>& pinta,
               const std::function<bool(const QString&)>& desaPdf, const QString& nomPdf) {
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    QPrinter impressora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (pinta(impressora)) return;
    Dialegs::Missatge(pare, QStringLiteral("No s'ha pogut imprimir."), QMessageBox::Warning);
    return;
  }
  const QString cami = Dialegs::TriaFitxerDesar(
      pare, QStringLiteral("No hi ha cap impressora: desa-ho com a PDF"),
      QStringLiteral("Documents PDF (*.pdf)"), nomPdf);
  if (cami.isEmpty()) return;
  if (desaPdf(cami))
    Dialegs::Missatge(pare, QStringLiteral("No hi ha cap impressora. S'ha desat com a PDF a:\n%1")
                                .arg(QDir::toNativeSeparators(cami)));
  else
    Dialegs::Missatge(pare,
                      QStringLiteral("No s'ha pogut desar el PDF a:\n%1")
                          .arg(QDir::toNativeSeparators(cami)),
                      QMessageBox::Warning);
}

}  // namespace

void ImprimeixFinestra(QWidget* finestra) {
  const QPixmap imatge = finestra->grab();
  const auto pinta = [&imatge](QPrinter& impressora) {
    impressora.setPageOrientation(imatge.width() > imatge.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    return Pinta(impressora, imatge);
  };
  Imprimeix(
      finestra, pinta, [finestra](const QString& cami) { return DesaPdf(finestra, cami); },
      NomPdf(finestra->windowTitle()));
}

void ImprimeixDocument(QWidget* pare, QTextDocument& document, const QString& nomPdf) {
  const auto pinta = [&document](QPrinter& impressora) {
    QPainter prova;
    if (!prova.begin(&impressora)) return false;
    prova.end();
    document.print(&impressora);
    return true;
  };
  Imprimeix(pare, pinta, [&document](const QString& cami) { return DesaDocumentPdf(document, cami); },
            nomPdf);
}

// The printer gives no word of a file it could not open: try it first.
bool DesaDocumentPdf(QTextDocument& document, const QString& cami) {
  QFile fitxer(cami);
  if (!fitxer.open(QIODevice::WriteOnly)) return false;
  fitxer.close();
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(cami);
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);  // the document adds its own
  document.print(&impressora);
  return QFileInfo(cami).size() > 0;
}

}  // namespace Impressio
