#include "lab/Tutor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Idioma.h"
#include "platform/TextosJoc.h"

using namespace RBGlobal;

namespace {
// The laboratory's techniques: what each needs and allows.
constexpr int AjudaTecniques = 305;

QString U8(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }
QString Dolars(std::int32_t n) {
  return QString::fromStdString(FormataNombre(n, 0)) + QStringLiteral(" $");
}

QString Articles(const std::vector<Labs::TArticle>& articles) {
  QStringList noms;
  for (const auto& a : articles)
    noms << QStringLiteral("%1 (%2)").arg(U8(Labs::NomArticle(a)), Dolars(Labs::PreuArticle(a)));
  return noms.join(QStringLiteral(", "));
}

QString NomsTecniques(const std::vector<std::uint16_t>& tecniques) {
  QStringList noms;
  for (std::uint16_t t : tecniques) noms << Idioma::Model(Labs::NomsTecniques[t]).toHtmlEscaped();
  return noms.join(QStringLiteral(", "));
}
}  // namespace

TFTutor::TFTutor(QWidget* pare) : QDialog(pare) {
  setObjectName(QStringLiteral("FTutor"));
  setWindowTitle(tr("Tutor"));
  LbTecnica = new QLabel(tr("&Tècnica:"), this);
  LbTecnica->setObjectName(QStringLiteral("LbTecnica"));
  CBTecnica = new QComboBox(this);
  CBTecnica->setObjectName(QStringLiteral("CBTecnica"));
  LbTecnica->setBuddy(CBTecnica);
  TBExplicacio = new QTextBrowser(this);
  TBExplicacio->setObjectName(QStringLiteral("TBExplicacio"));
  TBExplicacio->setAccessibleName(tr("Explicació del tutor"));
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Dibuixos::Glif::Ajuda);
  BtTancar = Botons::Crea(this, "BtTancar", tr("Tan&car"), Dibuixos::Glif::Tancar);
  BtTancar->setDefault(true);

  auto* fila = new QHBoxLayout;
  fila->addWidget(LbTecnica);
  fila->addWidget(CBTecnica, 1);
  auto* botons = Botons::Fila({BtAjuda, BtTancar});
  auto* capa = new QVBoxLayout(this);
  capa->addLayout(fila);
  capa->addWidget(TBExplicacio, 1);
  capa->addLayout(botons);
  resize(560, 440);

  connect(CBTecnica, &QComboBox::currentIndexChanged, this, &TFTutor::CBTecnicaChange);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtAjuda, &QPushButton::clicked, this, [] { Ajuda::MostraTema(AjudaTecniques); });
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(AjudaTecniques); });
}

void TFTutor::Prepara(std::uint16_t t, bool compres) {
  const TEstatRecerca& e = EstatRecerca;
  ambCompres = compres;
  if (!Labs::EsTecnica(t)) {
    const auto obertes = Labs::CompresQueObren(e);
    t = obertes.empty() ? 0 : obertes.front().Tecnica;
  }
  Tecniques.clear();
  const QSignalBlocker bloqueig(CBTecnica);
  CBTecnica->clear();
  for (std::uint16_t u = 1; u <= Labs::NombreTecniques; ++u) {
    if (e.TecniquesDominades.at(u)) continue;
    Tecniques.push_back(u);
    CBTecnica->addItem(Idioma::Model(Labs::NomsTecniques[u]));
    if (u == t) CBTecnica->setCurrentIndex(CBTecnica->count() - 1);
  }
  CBTecnicaChange();
  CBTecnica->setFocus();
}

void TFTutor::CBTecnicaChange() {
  const TEstatRecerca& e = EstatRecerca;
  const int i = CBTecnica->currentIndex();
  QString html = ambCompres ? TextCompres(e) : QString();
  if (i >= 0 && static_cast<std::size_t>(i) < Tecniques.size())
    html += TextTecnica(e, Tecniques[static_cast<std::size_t>(i)]);
  else if (!ambCompres)
    html += tr("<p>El laboratori ja domina totes les tècniques.</p>");
  TBExplicacio->setHtml(html);
}

QString TFTutor::TextTecnica(const TEstatRecerca& e, unsigned t) {
  QString html =
      QStringLiteral("<h3>%1</h3>").arg(Idioma::Model(Labs::NomsTecniques[t]).toHtmlEscaped());
  const Labs::TMancances m = Labs::Mancances(e, t);
  if (m.Articles.empty() && m.Tecniques.empty()) {
    html += tr("<p><b>Què li falta:</b> res; ja la pots desenvolupar.</p>");
  } else {
    html += tr("<p><b>Què li falta:</b></p><ul>");
    if (!m.Articles.empty())
      html +=
          tr("<li>Comprar %1: %2 en total%3.</li>")
              .arg(Articles(m.Articles), Dolars(m.Preu),
                   m.Preu > e.Diners ? tr(" (ara en tenim %1)").arg(Dolars(e.Diners)) : QString());
    if (!m.Tecniques.empty())
      html += tr("<li>Dominar abans, en aquest ordre: %1.</li>").arg(NomsTecniques(m.Tecniques));
    html += QStringLiteral("</ul>");
  }
  const std::uint16_t provetes = Labs::ProvetesNecessaries(e, t);
  html += tr("<p><b>Què costa:</b> %1 provetes a %2 cadascuna, %3 en total.</p>")
              .arg(provetes)
              .arg(Dolars(Labs::CostPerProveta(e, t)), Dolars(Labs::CostTecnica(e, t)));
  const auto mesos = Labs::MesosPerTecnica(provetes, e.Provetes, e.ProvetesMes);
  const QString durada = mesos == 0u
                             ? tr("L'acabaríem aquest mateix mes, amb les provetes que queden.")
                             : TextosJoc::Mesos(mesos).toHtmlEscaped();
  html += tr("<p><b>Quant dura:</b> %1 Cada mes el laboratori fa %2 provetes.</p>")
              .arg(durada)
              .arg(e.ProvetesMes);
  const auto fills = Labs::FillsTecnica(t);
  html += tr("<p><b>Què permet:</b> %1")
              .arg(fills.empty() ? tr("cap altra tècnica.")
                                 : tr("desenvolupar %1.").arg(NomsTecniques(fills)));
  if (Labs::ExperimentTecnica[t] != 0)
    html +=
        tr(" I obre els experiments de <i>%1</i>.")
            .arg(Idioma::Model(Labs::NomsExperiments[Labs::ExperimentTecnica[t]]).toHtmlEscaped());
  return html + QStringLiteral("</p>");
}

QString TFTutor::TextCompres(const TEstatRecerca& e) {
  const auto compres = Labs::CompresQueObren(e);
  if (compres.empty()) return {};
  QString html =
      tr("<h3>Què pots comprar</h3><p>Aquestes compres obren tècniques noves, de la més barata a "
         "la més cara (tenim %1):</p><ul>")
          .arg(Dolars(e.Diners));
  for (const auto& c : compres)
    html += tr("<li>%1: %2 — obre <b>%3</b>.</li>")
                .arg(Dolars(c.Preu), Articles(c.Articles),
                     Idioma::Model(Labs::NomsTecniques[c.Tecnica]).toHtmlEscaped());
  return html + QStringLiteral("</ul>");
}
