// The main window: menus, tool buttons, status line and information panel.
// Every other window is created once here and shown modally from a command.
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>

#include "model/RBGlobal.h"

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

class TFPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFPrincipal(QWidget* pare = nullptr);

  // Enables and shows the commands that the research state allows.
  void UpdateMenuItems();
  // Shows the date, money and test tubes of the research game.
  void ActualitzaInformacio();
  // Opens the research in the file, as "Obrir recerca..." does once its
  // dialog has a name (also for "ribolia FILE.srb"); a file it refuses
  // leaves the research as it was and says why.
  void ObreFitxer(const QString& nom);

 public slots:
  // Writes the long part of a hint into the status line.
  void ShowHint(const QString& hint);

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* objecte, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private slots:
  void MNovaRecercaClick();
  void MObrirRecercaClick();
  void MDesarRecercaClick();
  void MInformeRecercaClick();
  void MCompararRecerquesClick();
  void MRetirarseClick();
  void MAjudaDescripcioGeneralClick();
  void MAjudaUtilitzacioDelProgramaClick();
  void MAjudaTemesDAjudaClick();
  void MSobreClick();
  void MExercicisDNAComplementariClick();
  void MExercicisRNAComplementariClick();
  void MExercicisTraduccioClick();
  void MExercicisOpcionsTraduccioClick();
  void MExercicisTaulaResumClick();
  void MExercicisOpcionsTaulaResumClick();
  void MTaulaClick();
  void MTraduirRNASinteticClick();
  void MTraduirRNAAleatoriClick();
  void MRevisarExperimentsClick();
  void MPassarTornClick();
  void MInventariClick();
  void MComprarClick();
  void MDesenvoluparTecnicaClick();
  void MTecniquesDesenvolupadesClick();

 private:
  void FesExperiment(QDialog* constructor, unsigned tipusCost, std::uint16_t tipus);
  void CreaMenus();
  void CreaBotons(QWidget* pare);
  void CreaInformacio(QWidget* pare);
  void ConnectaComandes();
  // The new-research dialogs in turn; false when one was cancelled.
  bool ConfirmaNovaRecerca();
  // Asks for a name and saves; false when cancelled or failed.
  bool DesaAmbDialeg();
  // Whether the research may be left now (to quit, start or open another),
  // after asking to save it when it changed: "Vols desar-la abans <abansDe>?"
  bool PotDeixarRecerca(const QString& abansDe);
  // The research as last started, opened or saved: what "changed" is measured against.
  void RecordaRecerca();
  bool RecercaCanviada() const;
  QMenu* Menu(const char* nom, const QString& text, const QString& hint);
  QAction* Item(QMenu* menu, const char* nom, const QString& text, const QString& hint);
  QAction* Separador(QMenu* menu, const char* nom);
  QToolButton* Boto(QWidget* pare, const char* nom, const QString& hint);

  QAction *MFitxer, *MNovaRecerca, *MObrirRecerca, *MDesarRecerca, *MInformeRecerca, *MCompararRecerques, *N2, *MOfertesLaborals, *N3,
      *MPassarTorn, *N1, *MRetirarse;
  QAction *MExercicis, *MExercicisDNAComplementari, *MExercicisRNAComplementari,
      *MExercicisTraduccio, *MExercicisOpcionsTraduccio, *N8, *MExercicisTaulaResum,
      *MExercicisOpcionsTaulaResum;
  QAction *MBibliografia, *MBibliografiaAntecedents, *MNovetats, *MTaula, *N7, *MPublicar, *N6,
      *MCurriculum;
  QAction *MLaboratori, *MInventari, *MComprar, *N5, *Tcniquespublicades1,
      *MTecniquesDesenvolupades, *MDesenvoluparTecnica;
  QAction *MExperiment, *MTraduirRNASintetic, *MTraduirRNAAleatori, *MAcoblar, *MTraduirRNAViric,
      *N4, *MRevisarExperiments;
  QAction *MAjuda, *MAjudaDescripcioGeneral, *MAjudaUtilitzacioDelPrograma, *MAjudaTemesDAjuda,
      *N11, *MSobre;

  QWidget* SpeedPanel;
  QToolButton *SBNovaRecerca, *SBObrirRecerca, *SBDesarRecerca, *SBTaulaCodi, *SBNovaTecnica,
      *SBRNAPolimer, *SBRNAAleatori, *SBExperimentsAntics, *SBReplicacio, *SBTranscripcio,
      *SBTraduccio, *SBTaulaResum, *SBPassarTorn, *SBSortir;

  QGroupBox* GrInformacioGeneral;
  QLabel* LbDiners;
  QLabel* LbProvetes;
  RBGlobal::TImatge RecercaRecordada{};
  QString FitxerRecerca;  // where the research was last opened or saved; "" if new
};

extern TFPrincipal* FPrincipal;

// Creates every window of the program once, the main window first.
void CreaFinestres();
