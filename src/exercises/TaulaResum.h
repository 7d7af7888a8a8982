// The summary-table window: 80 cells in four rows (two DNA strands, the
// messenger, the anticodons), the chain-end and amino-acid selectors, the
// row-name selectors of the fragments mode and the base buttons. The
// exercise itself lives in model/TaulaResum.
#pragma once

#include <QDialog>
#include <array>

#include "model/TaulaResum.h"
#include "platform/Botons.h"
#include "platform/Finestra.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class TCella;

class TFTaulaResum : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTaulaResum(QWidget* pare = nullptr);

  // The five options, as the options dialog reads and stores them.
  TaulaResum::TOpcions LlegeixOpcions() const { return exercici.LlegeixOpcions(); }
  // The exercise on screen, read-only.
  const TaulaResum::TExercici& Exercici() const { return exercici; }
  void PosaOpcions(bool AUGInicial, bool STOPFinal, std::uint16_t AminoacidsInicials,
                   std::uint16_t InformacioInicial, bool STOPsInteriors);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* objecte, QEvent* e) override;

 private slots:
  void FormActivate();
  void CBEnter();
  void BtUnAltreClick();
  void BtTornemhiClick();
  void BtOpcionsClick();
  void BtVeureTaulaClick();
  void BtImprimirClick();
  void BtAjudaClick();

 private:
  void CreaInformacio();
  void CreaNomsFiles();
  void CreaCelles();
  void CreaSelectors();
  void CreaBotonsBase();
  void CreaBotonsOrdre();
  QComboBox* Selector(const QString& nom, const QStringList& items, const QRect& lloc);

  void SeleccionaCela(std::uint16_t fila, std::uint16_t posicio);
  void BotoBaseClick(char lletra);
  void TriaDeLaTaula(int k);
  void ComprovaSelector(int i, int item);
  void ComprovaEtiquetaDNA(int r, int item);

  // Everything on screen from the exercise's state; `contestada` is the
  // cell the student has just answered, if any.
  void Mostra(const TCella* contestada = nullptr);
  void MostraEtiquetesDNA();
  void MostraCelles();
  void MostraSelectors();
  void MostraErrors();
  void AnunciaCella(const TCella* contestada);
  void TornaALaTaula();

  TaulaResum::TExercici exercici;

  std::array<std::array<TCella*, TaulaResum::NombrePosicions>, TaulaResum::NombreFiles> Celles{};
  // The eight value selectors in model order: CBExtrem1, CBAminoacid1..6, CBExtrem2.
  std::array<QComboBox*, TaulaResum::NombreSelectors> Selectors{};
  std::array<QToolButton*, 6> SBAminoacid{};
  QComboBox *CBDNA1, *CBDNA2;
  QLabel *LbDNA1, *LbDNA2, *LbErrorsComesos, *LbErrorsPendents, *LbAvaluacio;
  QFrame *PnErrorsComesos, *PnErrorsPendents;
  QPushButton *BAdenina, *BGuanina, *BCitosina, *BTimina, *BUracil, *BEspai, *B5, *B3;
  Botons::TTecles TeclesBases;
  QPushButton *BtOpcions, *BtVeureTaula, *BtTornemhi, *BtUnAltre, *BtImprimir, *BtAjuda, *BtTancar;
};

extern TFTaulaResum* FTaulaResum;
