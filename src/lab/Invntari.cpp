#include "lab/Invntari.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "lab/Comprar.h"
#include "lab/ComunsLab.h"
#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"
#include "platform/TextosJoc.h"

using namespace ComunsLab;
using Dibuixos::Glif;
using Labs::TCategoria;
using RBGlobal::EstatRecerca;

TFInventari* FInventari = nullptr;

namespace {
constexpr int ContextAjuda = 302;
constexpr int AmpleNom = 270;  // room for the longest item name

// The owned items of a category, in catalogue order, from the first label;
// the catalogue has a label for every item it holds.
template <std::size_t N>
void OmpleEtiquetes(const std::array<QLabel*, N>& etiquetes, TCategoria categoria) {
  for (QLabel* etiqueta : etiquetes) etiqueta->clear();
  const std::vector<std::string> noms = Labs::Posseits(EstatRecerca, categoria);
  for (std::size_t i = 0; i < noms.size(); ++i)
    etiquetes[std::min(i, N - 1)]->setText(Idioma::Model(noms[i]));
}
}  // namespace

TFInventari::TFInventari(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FInventari"));
}

void TFInventari::ConstrueixFinestra() {
  QGroupBox* caixa = CreaCaixa(this, LbMesada, LbCaixa);
  QWidget* material = CreaGrup("GrMaterialBiologic", tr("Material biològic"), "LbMatBio", LbMatBio);
  QWidget* aparells = CreaGrup("GrAparells", tr("Aparells"), "LbAparells", LbAparells);
  QWidget* reactius = CreaGrup("GrReactius", tr("Reactius"), "LbReactius", LbReactius);
  BtComprar = Botons::Crea(this, "BtComprar", tr("&Comprar..."));
  BtTancar = Botons::Crea(this, "BtTancar", tr("&Tancar"), Glif::Tancar);
  BtTancar->setDefault(true);

  ComunsLab::DisposaArticles(this, {caixa, material, reactius, aparells}, BtComprar, BtTancar);

  connect(BtComprar, &QPushButton::clicked, this, &TFInventari::BtComprarClick);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  FormActivate();
  setFixedSize(sizeHint());
}

template <std::size_t N>
QWidget* TFInventari::CreaGrup(const char* nom, const QString& titol, const char* prefix,
                               std::array<QLabel*, N>& etiquetes) {
  QGroupBox* grup = Grup(this, nom, titol);
  auto* capa = new QVBoxLayout(grup);
  for (std::size_t i = 0; i < N; ++i) {
    const QByteArray nomEtiqueta = QByteArray(prefix) + QByteArray::number(int(i + 1));
    etiquetes[i] = Etiqueta(grup, nomEtiqueta.constData());
    etiquetes[i]->setFixedWidth(AmpleNom);
    capa->addWidget(etiquetes[i]);
  }
  capa->addStretch();
  return grup;
}

void TFInventari::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void TFInventari::FormActivate() {
  setWindowTitle(tr("Inventari (%1)").arg(TextosJoc::Data(EstatRecerca)));
  MostraCaixa(LbMesada, LbCaixa, EstatRecerca);
  OmpleEtiquetes(LbMatBio, TCategoria::MaterialBiologic);
  OmpleEtiquetes(LbAparells, TCategoria::Aparells);
  OmpleEtiquetes(LbReactius, TCategoria::Reactius);
}

void TFInventari::BtComprarClick() {
  if (Dialegs::Executa(FComprar) == QDialog::Accepted) FormActivate();
}
