#include "platform/Informe.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextDocument>
#include <algorithm>

#include "model/Labs.h"
#include "model/Registre.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Text1252.h"
#include "platform/TextosJoc.h"

using namespace RBGlobal;

namespace Informe {
namespace {

QString Escapa(const QString& text) {
  return text.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
}
QString De1252(const std::string& bytes) { return Escapa(DeText1252(bytes)); }
QString U8(const char* text) { return QString::fromUtf8(text); }

const char* const Taula =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
    "style=\"border-collapse: collapse; border-color: #888;\">";

QString Fila(const QString& etiqueta, const QString& valor) {
  return QStringLiteral("<tr><td width=\"30%\"><b>%1</b></td><td>%2</td></tr>").arg(etiqueta, valor);
}

unsigned CodonsPublicats(const TEstatRecerca& e) {
  unsigned n = 0;
  for (std::uint16_t a : e.CodiPublicat) n += a <= 20;
  return n;
}

QString Dades(const TEstatRecerca& e) {
  const bool joc = e.TipusPartida == JocPressupost;
  QString html = QCoreApplication::translate("Informe", "<h2>Dades de la recerca</h2>") + U8(Taula);
  html += Fila(QCoreApplication::translate("Informe", "Nom"), De1252(e.Nom.Text()));
  html += Fila(QCoreApplication::translate("Informe", "Gènere"),
               e.Genere ? QCoreApplication::translate("Informe", "Masculí")
                        : QCoreApplication::translate("Informe", "Femení"));
  html += Fila(QCoreApplication::translate("Informe", "Nivell educatiu"),
               TextosJoc::Nivell(e.NivellEducatiu));
  html += Fila(QCoreApplication::translate("Informe", "Simulació"),
               joc ? QCoreApplication::translate("Informe", "Joc de recerca amb pressupost")
                   : QCoreApplication::translate("Informe", "Investigar codi genètic"));
  html += Fila(QCoreApplication::translate("Informe", "Codi genètic amagat"),
               e.TipusCodi == 1 ? QCoreApplication::translate("Informe", "Aleatori")
                                : QCoreApplication::translate("Informe", "Real"));
  if (joc) {
    if (e.Centre < OfertesCentres.size() && e.Oferta < 6)
      html += Fila(QCoreApplication::translate("Informe", "Centre"),
                   Escapa(Idioma::Model(OfertesCentres[e.Centre].Noms[e.Oferta])));
    html += Fila(QCoreApplication::translate("Informe", "Data"), Escapa(TextosJoc::Data(e)));
    html += Fila(QCoreApplication::translate("Informe", "Diners"),
                 QString::fromStdString(FormataNombre(e.Diners, 1)) + QStringLiteral(" $"));
    html += Fila(QCoreApplication::translate("Informe", "Provetes"), QString::number(e.Provetes));
  }
  return html + QStringLiteral("</table>");
}

QString Experiments(const TEstatRecerca& e) {
  QString html = QCoreApplication::translate("Informe", "<h2>Experiments</h2>");
  const unsigned registrats = std::min<unsigned>(e.NombreExperiments, 60);
  if (registrats == 0)
    return html +
           QCoreApplication::translate("Informe", "<p>Encara no s'ha fet cap experiment.</p>");
  html += U8(Taula);
  html += QCoreApplication::translate(
      "Informe",
      "<thead><tr bgcolor=\"#e8e8e8\"><th>Núm.</th><th>RNA i resultats</th>"
      "<th>Conclusions</th></tr></thead>");
  for (unsigned n = 1; n <= registrats; ++n) {
    const bool copolimer = e.ExperimentCopolimer[n] != 0;
    QString resultats;
    for (const TResultat& slot : e.ResultatsExperiment[n]) {
      const std::string linia = TextResultat(slot, copolimer);
      if (!linia.empty()) resultats += QStringLiteral("<br>") + De1252(linia);
    }
    if (resultats.isEmpty())
      resultats = QCoreApplication::translate("Informe", "<br><i>Cap resultat.</i>");
    html += QStringLiteral(
                "<tr><td align=\"center\">%1</td><td><b>%2</b><br><tt>%3</tt>"
                "<br><i>%4</i>%5</td><td>%6</td></tr>")
                .arg(n)
                .arg(copolimer ? QCoreApplication::translate("Informe", "Copolímer a l'atzar")
                               : QCoreApplication::translate("Informe", "RNA sintètic"),
                     De1252(e.PolimersExperiment[n].Text()) +
                         (copolimer ? QString() : QStringLiteral("...")),
                     copolimer ? QCoreApplication::translate("Informe", "Aminoàcids presents:")
                               : QCoreApplication::translate("Informe", "Polipèptids:"),
                     resultats, De1252(e.ConclusionsExperiment[n].Text()));
  }
  html += QStringLiteral("</table>");
  if (e.NombreExperiments > registrats)
    html += QCoreApplication::translate(
                "Informe", "<p>Els experiments a partir del %1 no queden registrats.</p>")
                .arg(registrats + 1);
  return html;
}

// The 64 codons as the code table lays them out: a row for each first and
// third letter, a column for the second.
QString TaulaCodi(const TEstatRecerca& e) {
  // The legend heads the table, so that it is repeated with the header and
  // never left alone on a page.
  QString html = QCoreApplication::translate("Informe", "<h2>Taula del codi publicada</h2>") +
                 QString::fromUtf8(Taula).replace(QStringLiteral("cellpadding=\"2\""),
                                                  QStringLiteral("cellpadding=\"0\""));
  html += QCoreApplication::translate(
      "Informe",
      "<thead><tr><td colspan=\"4\">? : significat encara no publicat.</td></tr>"
      "<tr bgcolor=\"#e8e8e8\">");
  for (char segona : Nucleotids) html += QStringLiteral("<th>_ %1 _</th>").arg(QChar(segona));
  html += QStringLiteral("</tr></thead>");
  for (unsigned fila = 0; fila < 16; ++fila) {
    html += QStringLiteral("<tr>");
    for (unsigned segona = 0; segona < 4; ++segona) {
      const unsigned index = 16 * (fila / 4) + 4 * segona + fila % 4;
      const std::uint16_t a = e.CodiPublicat[index];
      const QString sentit = a <= 20 ? QString::fromStdString(AbreviaturaAminoacid(a))
                                     : QStringLiteral("<font color=\"#999\">?</font>");
      html += QStringLiteral("<td>&nbsp;<tt>%1</tt> %2</td>")
                  .arg(QString::fromStdString(TextCodo(index)), sentit);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

}  // namespace

QString Resum(const TEstatRecerca& e) {
  return QCoreApplication::translate("Informe", "Codons publicats: %1 de 64. Experiments fets: %2.")
      .arg(CodonsPublicats(e))
      .arg(e.NombreExperiments);
}

QString Html(const TEstatRecerca& e) {
  // Small enough that a short research fits on one A4 page.
  return QCoreApplication::translate(
             "Informe",
             "<html><head><style>body { font-size: 9pt; } h1 { font-size: 15pt; "
             "margin: 0 0 4px 0; } h2 { font-size: 11pt; margin: 10px 0 4px 0; } "
             "p { margin: 2px 0; }</style></head><body><h1>Informe de la recerca</h1>"
             "<p>%1. <b>%2</b></p>")
             .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat), Resum(e)) +
         Dades(e) + Experiments(e) + TaulaCodi(e) + QStringLiteral("</body></html>");
}

QString Titol(const TEstatRecerca& e) {
  return QCoreApplication::translate("Informe", "Informe de la recerca de %1")
      .arg(DeText1252(e.Nom.Text()).trimmed());
}

QString NomPdf(const TEstatRecerca& e, const QString& fitxer) {
  if (!fitxer.isEmpty()) {
    const QFileInfo info(fitxer);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
  }
  // A name can hold what a file name cannot; the printing layer keeps the rest.
  const QString nom = DeText1252(e.Nom.Text()).trimmed();
  return nom.isEmpty()
             ? QCoreApplication::translate("Informe", "Informe de la recerca.pdf")
             : Impressio::NomPdf(QCoreApplication::translate("Informe", "Informe de %1").arg(nom));
}

void Imprimeix(QWidget* pare, const TEstatRecerca& e, const QString& fitxer) {
  QTextDocument document;
  document.setHtml(Html(e));
  document.setMetaInformation(QTextDocument::DocumentTitle, Titol(e));
  Impressio::ImprimeixDocument(pare, document, NomPdf(e, fitxer));
}

}  // namespace Informe
