#include "lab/Avisnovt.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "lab/ComunsLab.h"
#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/DibuixosLab.h"
#include "platform/Idioma.h"

using namespace ComunsLab;

TFAvisNovaTecnica* FAvisNovaTecnica = nullptr;

namespace {
constexpr int ContextAjuda = 303;
}  // namespace

TFAvisNovaTecnica::TFAvisNovaTecnica(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FAvisNovaTecnica"));
}

void TFAvisNovaTecnica::ConstrueixFinestra() {
  Image1 = Etiqueta(this, "Image1");
  Image1->setPixmap(Dibuixos::Matras(56));
  LbInformacio = Etiqueta(this, "LbInformacio");
  LbTecnica = Etiqueta(this, "LbTecnica");
  QFont negreta = LbTecnica->font();
  negreta.setBold(true);
  negreta.setPointSizeF(negreta.pointSizeF() * 1.15);
  LbTecnica->setFont(negreta);
  LbTecnica->setWordWrap(true);
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Dibuixos::Glif::DAcord);
  BtDAcord->setDefault(true);

  auto* capa = new QGridLayout(this);
  capa->setHorizontalSpacing(16);
  capa->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
  capa->addWidget(LbInformacio, 0, 1);
  capa->addWidget(LbTecnica, 1, 1, Qt::AlignTop);
  capa->addWidget(BtDAcord, 2, 0, 1, 2, Qt::AlignRight);
  capa->setRowStretch(1, 1);
  capa->setColumnStretch(1, 1);
  setFixedSize(440, 150);

  connect(BtDAcord, &QPushButton::clicked, this, &QDialog::accept);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
}

void TFAvisNovaTecnica::Avisa(const QString& titol, const QString& informacio, const QString& nom) {
  Construeix();
  setWindowTitle(titol);
  LbInformacio->setText(informacio);
  LbTecnica->setText(nom);
  Dialegs::Executa(this);
}

void TFAvisNovaTecnica::AvisaTecnica(unsigned t) {
  Avisa(tr("Desenvolupament d'una nova tècnica"), tr("Has aconseguit desenvolupar:"),
        Idioma::Model(Labs::NomsTecniques[t]));
}

void TFAvisNovaTecnica::AvisaExperiment(unsigned experiment) {
  Avisa(tr("Desenvolupament d'un nou experiment"), tr("Ara ja pots fer experiments de"),
        Idioma::Model(Labs::NomsExperiments[experiment]));
}

void TFAvisNovaTecnica::Anuncia(const RBGlobal::TProgres& pas) {
  if (!Labs::EsTecnica(pas.Acabada)) return;
  AvisaTecnica(pas.Acabada);
  if (pas.Experiment != 0) AvisaExperiment(pas.Experiment);
}

void TFAvisNovaTecnica::AvisaEncallament(const Labs::TEncallament& encallament) {
  const QString tecnica = Idioma::Model(Labs::NomsTecniques[encallament.Tecnica]);
  QString text;
  if (encallament.Motiu == Labs::TAturada::SenseDiners) {
    const auto dolars = [](std::int32_t n) {
      return Q(RBGlobal::FormataNombre(n, 0)) + QStringLiteral(" $");
    };
    text = tr("Aquest mes la tècnica «%1» no ha avançat gens: cada proveta costa %2 i només en "
              "tenim %3. Falten %4 per pagar-ne una; els ingressos dels mesos vinents hi "
              "ajudaran.")
               .arg(tecnica, dolars(encallament.Preu), dolars(encallament.Diners),
                    dolars(encallament.Preu - encallament.Diners));
  } else {
    text = tr("Aquest mes la tècnica «%1» no ha avançat gens: el laboratori no té provetes per "
              "treballar-hi.")
               .arg(tecnica);
  }
  Dialegs::Missatge(parentWidget(), text, QMessageBox::Warning);
}
