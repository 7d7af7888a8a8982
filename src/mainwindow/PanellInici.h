// The main window's start panel: the four exercises as large buttons, or
// whose research is open, how far it has got and what to try next.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "model/Comandes.h"
#include "model/Guia.h"
#include "model/RBGlobal.h"

class QAction;
class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

class TPanellInici : public QWidget {
  Q_OBJECT
 public:
  using TAccions = std::array<QAction*, Comandes::NombreComandes>;
  // Its buttons run the main window's commands, `accions` by command.
  TPanellInici(const TAccions& accions, QWidget* pare);

  // Shows the research as it stands; `fitxer` is its file, "" when unsaved.
  void Mostra(const RBGlobal::TEstatRecerca& e, const QString& fitxer);

  // The words of a step and the command that takes it (none for no command).
  static QString TextPas(Guia::TPasSeguent pas);
  static Comandes::TComanda ComandaPas(Guia::TPasSeguent pas);

 private slots:
  void BtPasClick();

 private:
  QWidget* CreaExercicis();
  QWidget* CreaRecerca();
  QLabel* Fila(const char* nom, const QString& titol);
  void MostraJoc(const RBGlobal::TEstatRecerca& e);

  const TAccions& Accions;
  QStackedWidget* Pagines;
  QWidget *PgExercicis, *PgRecerca;
  QFormLayout* Formulari;
  QLabel *LbTitol, *LbCodi, *LbFitxer, *LbExperiments, *LbCodons, *LbDarrer, *LbConclusio;
  QLabel *LbCentre, *LbMes, *LbCaixa, *LbTecnica;
  QProgressBar* PbTecnica;
  QLabel* LbPas;
  QPushButton* BtPas;
  Comandes::TComanda comandaPas = Comandes::NombreComandes;
  Guia::TPasSeguent pasSeguent{Guia::TPas::FerMesExperiments};
};
