#include "lab/Novatecn.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "lab/Avisnovt.h"
#include "lab/ComunsLab.h"
#include "lab/Tutor.h"
#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"
#include "platform/Teclat.h"
#include "platform/TextosJoc.h"

using namespace ComunsLab;
using RBGlobal::EstatRecerca;
using RBGlobal::FormataNombre;

TFNovaTecnica* FNovaTecnica = nullptr;

namespace {
constexpr int ContextAjuda = 303;
}  // namespace

TFNovaTecnica::TFNovaTecnica(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FNovaTecnica"));
}

void TFNovaTecnica::ConstrueixFinestra() {
  Label1 = Etiqueta(this, "Label1", tr("Quina tècnica hem de desenvolupar?"));
  CBNovesTecniques = new QComboBox(this);
  CBNovesTecniques->setObjectName(QStringLiteral("CBNovesTecniques"));
  CBNovesTecniques->setEditable(false);
  Teclat::PreparaLlista(CBNovesTecniques);  // the technique to develop changes only on purpose
  Label1->setBuddy(CBNovesTecniques);  // names the list for screen readers
  QGroupBox* caixa = CreaCaixa(this, LbMesada, LbCaixa);
  QGroupBox* treball = CreaTreball();
  GrTecnica = CreaTecnica();
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Dibuixos::Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel.lar"), Dibuixos::Glif::Cancellar);
  BtTutor = Botons::Crea(this, "BtTutor", tr("&Tutor"));

  auto* fila = new QHBoxLayout;
  fila->addWidget(caixa);
  fila->addWidget(treball);
  auto* botons = Botons::Fila({BtDAcord, BtCancellar, BtTutor});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(Label1);
  capa->addWidget(CBNovesTecniques);
  capa->addLayout(fila);
  capa->addWidget(GrTecnica, 1);
  capa->addLayout(botons);
  setFixedSize(600, 480);

  connect(CBNovesTecniques, &QComboBox::currentIndexChanged, this,
          &TFNovaTecnica::CBNovesTecniquesChange);
  connect(BtDAcord, &QPushButton::clicked, this, &TFNovaTecnica::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtTutor, &QPushButton::clicked, this, &TFNovaTecnica::BtTutorClick);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  Tutor = new TFTutor(this);
}

QGroupBox* TFNovaTecnica::CreaTreball() {
  QGroupBox* treball = Grup(this, "GrTreball", tr("Treball de laboratori"));
  LbProvetesMensuals = EtiquetaXifres(treball, "LbProvetesMensuals");
  LbProvetesRestants = EtiquetaXifres(treball, "LbProvetesRestants");
  auto* capa = new QGridLayout(treball);
  capa->addWidget(LbProvetesMensuals, 0, 0);
  capa->addWidget(ImatgeProveta(treball, "Image1", 20), 0, 1);
  capa->addWidget(LbProvetesRestants, 1, 0);
  capa->addWidget(ImatgeProveta(treball, "Image2", 20), 1, 1);
  capa->setColumnStretch(2, 1);
  return treball;
}

QGroupBox* TFNovaTecnica::CreaTecnica() {
  QGroupBox* grup = Grup(this, "GrTecnica", QString());
  LbCostProvetes = EtiquetaXifres(grup, "LbCostProvetes");
  Image3 = ImatgeProveta(grup, "Image3", 20);
  LbCostDiners = EtiquetaXifres(grup, "LbCostDiners");
  LbMesosRestants = Etiqueta(grup, "LbMesosRestants");
  LbPermet = Etiqueta(grup, "LbPermet", tr("Permet desenvolupar:"));
  LBTecniquesFilles = new QListWidget(grup);
  LBTecniquesFilles->setObjectName(QStringLiteral("LBTecniquesFilles"));
  LBTecniquesFilles->setSelectionMode(QAbstractItemView::NoSelection);
  LBTecniquesFilles->setFocusPolicy(Qt::NoFocus);
  LbPermet->setBuddy(LBTecniquesFilles);
  auto* capa = new QGridLayout(grup);
  capa->addWidget(LbCostProvetes, 0, 0);
  capa->addWidget(Image3, 0, 1);
  capa->addWidget(LbCostDiners, 1, 0);
  capa->addWidget(LbMesosRestants, 2, 0, 1, 3);
  capa->addWidget(LbPermet, 3, 0, 1, 3);
  capa->addWidget(LBTecniquesFilles, 4, 0, 1, 3);
  capa->setColumnStretch(2, 1);
  capa->setRowStretch(4, 1);
  return grup;
}

// Only a real opening: coming back from a minimised program keeps the choice.
void TFNovaTecnica::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFNovaTecnica::FormActivate() {
  const RBGlobal::TEstatRecerca& e = EstatRecerca;
  setWindowTitle(tr("Desenvolupar una nova tècnica (%1)").arg(TextosJoc::Data(e)));
  MostraCaixa(LbMesada, LbCaixa, e);
  LbProvetesMensuals->setText(tr("Cada mes podem fer %1").arg(Q(FormataNombre(e.ProvetesMes, 5))));
  LbProvetesRestants->setText(tr("Aquest mes queden  %1").arg(Q(FormataNombre(e.Provetes, 5))));
  TecniquesPossibles = Labs::LlistaTecniquesPossibles(e);
  QSignalBlocker bloqueig(CBNovesTecniques);
  CBNovesTecniques->clear();
  for (std::uint16_t t : TecniquesPossibles)
    CBNovesTecniques->addItem(Idioma::Model(Labs::NomsTecniques[t]));
  CBNovesTecniques->setCurrentIndex(TecniquesPossibles.empty() ? -1 : 0);
  MostraTecnica();
}

void TFNovaTecnica::CBNovesTecniquesChange() { MostraTecnica(); }

void TFNovaTecnica::MostraAvis() {
  TecnicaTriada = 0;
  GrTecnica->setTitle(tr("Avís"));
  Image3->hide();
  LbCostProvetes->setText(tr("Necessitem material per a"));
  LbCostDiners->setText(tr("desenvolupar noves tècniques"));
  LbMesosRestants->clear();
  LbPermet->hide();
  LBTecniquesFilles->hide();
}

void TFNovaTecnica::MostraTecnica() {
  const int posicio = CBNovesTecniques->currentIndex();
  if (posicio < 0 || static_cast<std::size_t>(posicio) >= TecniquesPossibles.size()) {
    MostraAvis();
    return;
  }
  const RBGlobal::TEstatRecerca& e = EstatRecerca;
  TecnicaTriada = static_cast<unsigned>(posicio) + 1;
  const std::uint16_t t = TecniquesPossibles[TecnicaTriada - 1];
  const std::int32_t provetes = Labs::ProvetesNecessaries(e, t);
  GrTecnica->setTitle(Idioma::Model(Labs::NomsTecniques[t]));
  Image3->show();
  LbCostProvetes->setText(tr("Requereix %1").arg(Q(FormataNombre(provetes, 7))));
  LbCostDiners->setText(tr("Costa %1$").arg(Q(FormataNombre(Labs::CostTecnica(e, t), 3))));
  LbMesosRestants->setText(
      TextosJoc::Mesos(Labs::MesosPerTecnica(provetes, e.Provetes, e.ProvetesMes)));
  LbPermet->show();
  LBTecniquesFilles->show();
  LBTecniquesFilles->clear();
  for (std::uint16_t fill : Labs::FillsTecnica(t))
    LBTecniquesFilles->addItem(Idioma::Model(Labs::NomsTecniques[fill]));
}

// Choosing starts the technique from no tubes, abandoning any other, and
// spends at once what is left of this month.
void TFNovaTecnica::BtDAcordClick() {
  if (TecnicaTriada != 0) {
    Labs::TriaTecnica(EstatRecerca, TecniquesPossibles[TecnicaTriada - 1]);
    DesenvolupaTecnica();
  }
  accept();
}

// The technique chosen in the list; with none to choose, what to buy.
void TFNovaTecnica::BtTutorClick() {
  Tutor->Prepara(TecnicaTriada != 0 ? TecniquesPossibles[TecnicaTriada - 1] : 0,
                 TecnicaTriada == 0);
  Dialegs::Executa(Tutor);
}

void TFNovaTecnica::DesenvolupaTecnica() {
  FAvisNovaTecnica->Anuncia(RBGlobal::ProgressaTecnica());
}
