#include "platform/Impressio.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QWidget>
#include <cmath>
#include <functional>
#include <limits>

#include "model/RBGlobal.h"
#include "platform/Dialegs.h"
#include "platform/Text1252.h"

namespace Impressio {
namespace {

// Draws the heading line, then the image as large as the rest of the page
// allows, keeping its proportions.
bool Pinta(QPrinter& impressora, const QPixmap& imatge, const QString& capcalera) {
  QPainter p;
  if (!p.begin(&impressora)) return false;
  QFont lletra = p.font();
  lletra.setPointSizeF(10);
  p.setFont(lletra);
  const int altLinia = p.fontMetrics().height();
  QRect pagina = p.viewport();
  p.drawText(QRect(pagina.x(), pagina.y(), pagina.width(), altLinia), Qt::AlignLeft, capcalera);
  pagina.setTop(pagina.top() + 2 * altLinia);
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

namespace {

// The printer's layout for documents: A4 with room for the page numbers.
void PreparaA4(QPrinter& impressora) {
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageMargins(QMarginsF(15, 12, 15, 8), QPageLayout::Millimeter);
}

// Where a table row lies: from the top of its highest cell to the bottom
// of its lowest, in the document's coordinates.
std::pair<qreal, qreal> Extensio(const QTextDocument& document, QTextTable* taula, int fila) {
  auto* disseny = document.documentLayout();
  qreal dalt = std::numeric_limits<qreal>::max(), baix = 0;
  for (int c = 0; c < taula->columns(); ++c) {
    const QTextTableCell cella = taula->cellAt(fila, c);
    const QTextBlock primer = document.findBlock(cella.firstPosition());
    const QTextBlock darrer = document.findBlock(cella.lastPosition());
    dalt = std::min(dalt, disseny->blockBoundingRect(primer).top());
    baix = std::max(baix, disseny->blockBoundingRect(darrer).bottom());
  }
  return {dalt, baix};
}

// Moves each row that would straddle two pages to the next one, whole. A
// row taller than a page is left to break.
void NoPartisFiles(QTextDocument& document) {
  const qreal alt = document.pageSize().height();
  QList<QTextTable*> taules;
  for (QTextFrame* marc : document.rootFrame()->childFrames())
    if (auto* taula = qobject_cast<QTextTable*>(marc)) taules << taula;
  for (QTextTable* taula : taules) {
    const int capcalera = taula->format().headerRowCount();
    for (int fila = capcalera; fila < taula->rows(); ++fila) {
      const auto [dalt, baix] = Extensio(document, taula, fila);
      if (std::floor(dalt / alt) == std::floor(baix / alt) || baix - dalt > alt / 2) continue;
      for (int c = 0; c < taula->columns(); ++c) {
        QTextCursor cursor(&document);
        cursor.setPosition(taula->cellAt(fila, c).firstPosition());
        QTextBlockFormat format = cursor.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
      }
    }
  }
}

// Lays the document out on the device's pages, in its units.
void Pagina(QTextDocument& document, QPagedPaintDevice& dispositiu) {
  document.documentLayout()->setPaintDevice(&dispositiu);
  QTextFrameFormat marc = document.rootFrame()->frameFormat();
  marc.setMargin(0);
  marc.setBottomMargin(dispositiu.logicalDpiY() * 8 / 25.4);  // the page number
  document.rootFrame()->setFrameFormat(marc);
  document.setPageSize(QSizeF(dispositiu.width(), dispositiu.height()));
  NoPartisFiles(document);
}

// Paints the laid-out document page by page, each with its number.
bool PintaPagines(QTextDocument& document, QPagedPaintDevice& dispositiu) {
  QPainter p;
  if (!p.begin(&dispositiu)) return false;
  const QSizeF pagina = document.pageSize();
  const int total = document.pageCount();
  for (int n = 0; n < total; ++n) {
    if (n > 0) dispositiu.newPage();
    p.save();
    p.translate(0, -n * pagina.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, n * pagina.height()), pagina);
    p.setClipRect(context.clip);
    document.documentLayout()->draw(&p, context);
    p.restore();
    p.drawText(QRectF(QPointF(0, 0), pagina), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("%1 / %2").arg(n + 1).arg(total));
  }
  return p.end();
}

// Lays out, paints, and lets the document go back to the screen.
bool PintaDocument(QTextDocument& document, QPrinter& impressora) {
  impressora.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
  impressora.setCreator(QStringLiteral("Ribolia"));
  Pagina(document, impressora);
  const bool fet = PintaPagines(document, impressora);
  document.documentLayout()->setPaintDevice(nullptr);
  return fet;
}

// "Taula del codi — Rosalind — 3/05/2024 10:15": which window, whose, when.
QString Capcalera(const QWidget* finestra) {
  QStringList parts{finestra->windowTitle().remove(QLatin1Char('&'))};
  const QString nom = DeText1252(RBGlobal::EstatRecerca.Nom.Text()).trimmed();
  if (!nom.isEmpty()) parts << nom;
  parts << QLocale().toString(QDateTime::currentDateTime(), QStringLiteral("d/MM/yyyy HH:mm"));
  return parts.join(QStringLiteral(" — "));
}

}  // namespace

int Pagines(QTextDocument& document) {
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  PreparaA4(impressora);
  Pagina(document, impressora);
  const int pagines = document.pageCount();
  document.documentLayout()->setPaintDevice(nullptr);
  return pagines;
}

bool DesaPdf(QWidget* finestra, const QString& cami) {
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(cami);
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageOrientation(finestra->width() > finestra->height() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
  return Pinta(impressora, finestra->grab(), Capcalera(finestra));
}

namespace {

// On the default printer, or where there is none into a PDF named by the
// student; says what happened when it was not printed.
void Imprimeix(QWidget* pare, const std::function<bool(QPrinter&)>& pinta,
               const std::function<bool(const QString&)>& desaPdf, const QString& nomPdf) {
  if (!QPrinterInfo::defaultPrinter().isNull()) {
    QPrinter impressora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (pinta(impressora)) return;
    Dialegs::Missatge(pare, QCoreApplication::translate("Impressio", "No s'ha pogut imprimir."),
                      QMessageBox::Warning);
    return;
  }
  const QString cami = Dialegs::TriaFitxerDesar(
      pare, QCoreApplication::translate("Impressio", "No hi ha cap impressora: desa-ho com a PDF"),
      QCoreApplication::translate("Impressio", "Documents PDF (*.pdf)"), nomPdf);
  if (cami.isEmpty()) return;
  if (desaPdf(cami))
    Dialegs::Missatge(pare, QCoreApplication::translate(
                                "Impressio", "No hi ha cap impressora. S'ha desat com a PDF a:\n%1")
                                .arg(QDir::toNativeSeparators(cami)));
  else
    Dialegs::Missatge(pare,
                      QCoreApplication::translate("Impressio", "No s'ha pogut desar el PDF a:\n%1")
                          .arg(QDir::toNativeSeparators(cami)),
                      QMessageBox::Warning);
}

}  // namespace

void ImprimeixFinestra(QWidget* finestra) {
  const QPixmap imatge = finestra->grab();
  const QString capcalera = Capcalera(finestra);
  const auto pinta = [&imatge, &capcalera](QPrinter& impressora) {
    impressora.setPageOrientation(imatge.width() > imatge.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    return Pinta(impressora, imatge, capcalera);
  };
  Imprimeix(
      finestra, pinta, [finestra](const QString& cami) { return DesaPdf(finestra, cami); },
      NomPdf(finestra->windowTitle()));
}

void ImprimeixDocument(QWidget* pare, QTextDocument& document, const QString& nomPdf) {
  const auto pinta = [&document](QPrinter& impressora) {
    PreparaA4(impressora);
    return PintaDocument(document, impressora);
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
  PreparaA4(impressora);
  return PintaDocument(document, impressora) && QFileInfo(cami).size() > 0;
}

}  // namespace Impressio
