#include "lab/Comprar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "lab/ComunsLab.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Idioma.h"
#include "platform/TextosJoc.h"

using namespace ComunsLab;
using Dibuixos::Glif;
using Labs::TCategoria;
using RBGlobal::EstatRecerca;

TFComprar* FComprar = nullptr;

namespace {
constexpr int ContextAjuda = 301;
}  // namespace

TFComprar::TFComprar(QWidget* pare) : TFinestra(pare), compra(EstatRecerca) {
  setObjectName(QStringLiteral("FComprar"));
  setWindowTitle(tr("Comprar material, aparells o reactius"));
}

void TFComprar::ConstrueixFinestra() {
  QGroupBox* caixa = CreaCaixa(this, LbMesada, LbCaixa);
  LbGastem = EtiquetaXifres(caixa, "LbGastem");
  LbQuedaran = EtiquetaXifres(caixa, "LbQuedaran");
  caixa->layout()->addWidget(LbGastem);
  caixa->layout()->addWidget(LbQuedaran);
  QWidget* material = CreaGrup("GrMaterialBiologic", tr("Material biològic"),
                               TCategoria::MaterialBiologic, "CBMBiologic");
  QWidget* aparells = CreaGrup("GrAparells", tr("Aparells"), TCategoria::Aparells, "CBAparells");
  QWidget* reactius = CreaGrup("GrReactius", tr("Reactius"), TCategoria::Reactius, "CBReactius");
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel.lar"), Glif::Cancellar);

  ComunsLab::DisposaArticles(this, {caixa, material, reactius, aparells}, BtDAcord, BtCancellar);

  connect(BtDAcord, &QPushButton::clicked, this, &TFComprar::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  FormActivate();  // the captions, so that the window takes its size from them
  setFixedSize(sizeHint());
}

QWidget* TFComprar::CreaGrup(const char* nom, const QString& titol, TCategoria categoria,
                             const char* prefix) {
  QGroupBox* grup = Grup(this, nom, titol);
  auto* capa = new QVBoxLayout(grup);
  for (unsigned i = 0; i < Labs::NombreArticles; ++i) {
    const Labs::TArticle article = Labs::Articles()[i];
    if (article.Categoria != categoria) continue;
    auto* casella = new QCheckBox(grup);
    casella->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(article.Numero));
    // Only the student's clicks: ticks set by the window itself are not purchases.
    connect(casella, &QCheckBox::clicked, this, [this, i](bool marcat) { MarcaCompra(i, marcat); });
    capa->addWidget(casella);
    Caselles[i] = casella;
  }
  capa->addStretch();
  return grup;
}

// Only a real opening: coming back from a minimised program keeps the choice.
void TFComprar::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFComprar::FormActivate() {
  MostraCaixa(LbMesada, LbCaixa, EstatRecerca);
  compra = Labs::TCompra(EstatRecerca);
  MostraDespesa();
  for (unsigned i = 0; i < Labs::NombreArticles; ++i) PreparaCasella(i);
  HabilitaCaselles();
}

void TFComprar::PreparaCasella(unsigned article) {
  const Labs::TArticle a = Labs::Articles()[article];
  Caselles[article]->setText(QStringLiteral("%1 (%2$)")
                                 .arg(Idioma::Model(Labs::NomArticle(a)),
                                      Q(RBGlobal::FormataNombre(Labs::PreuArticle(a), 6))));
}

void TFComprar::MostraDespesa() {
  LbGastem->setText(TextosJoc::Gastem(compra.Gastem()));
  LbQuedaran->setText(TextosJoc::Queden(compra.Queden()));
}

void TFComprar::MarcaCompra(unsigned article, bool marcat) {
  compra.Marca(article, marcat);
  MostraDespesa();
  HabilitaCaselles();
}

void TFComprar::HabilitaCaselles() {
  for (unsigned i = 0; i < Labs::NombreArticles; ++i) {
    Caselles[i]->setChecked(compra.Marcat(i));
    Caselles[i]->setEnabled(compra.Habilitat(i));
  }
}

void TFComprar::BtDAcordClick() {
  compra.Confirma(EstatRecerca);
  accept();
}
