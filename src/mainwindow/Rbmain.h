// The main window: menus, tool buttons, status line and information panel.
// Every other window is created once here and shown modally from a command.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "mainwindow/RecercaOberta.h"
#include "model/Comandes.h"
#include "model/RBGlobal.h"

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;
class TPanellInici;

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
  void MIdiomaCatalaClick();
  void MIdiomaEspanyolClick();
  void MIdiomaAnglesClick();
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
  using Handler = void (TFPrincipal::*)();
  struct TDefComanda;
  static const TDefComanda DefComandes[];

  void FesExperiment(QDialog* constructor, unsigned tipusCost, std::uint16_t tipus);
  void CreaMenus();
  void CreaBotons(QWidget* pare);
  void CreaInformacio(QWidget* pare);
  // Runs a command's handler, then the rules and the panel when it says so.
  void Executa(Handler handler, bool refresca);
  // The new-research dialogs in turn; false when one was cancelled.
  bool ConfirmaNovaRecerca();
  // Remembers the language chosen in the menu for the next start.
  void TriaIdioma(const QString& codi);

  std::array<QAction*, Comandes::NombreComandes> Accions{};  // by command
  std::vector<std::pair<QToolButton*, Comandes::TComanda>> Botons;
  std::map<QObject*, QString> HintsBotons;  // the long part of each button's hint
  QWidget* SpeedPanel;
  QGroupBox* GrInformacioGeneral;
  QLabel* LbDiners;
  QLabel* LbProvetes;
  TPanellInici* PanellInici;
  TRecercaOberta Recerca;
};

extern TFPrincipal* FPrincipal;

// Creates every window of the program once, the main window first.
void CreaFinestres();
