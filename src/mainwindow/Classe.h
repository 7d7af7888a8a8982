// The class window: a class's saved researches side by side, one row each,
// for the teacher. Files are only read; the list stays while the program runs.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"
#include <QList>

#include "platform/TaulaClasse.h"

class QPushButton;
class QTableWidget;

class TFClasse : public TFinestra {
  Q_OBJECT
 public:
  explicit TFClasse(QWidget* pare = nullptr);

  // Adds the files (a file already listed stays once) and shows the table.
  void AfegeixFitxers(const QStringList& fitxers);
  // The researches in the order the table shows them now.
  QList<const TaulaClasse::TRecercaClasse*> OrdreVisible() const;

 private slots:
  void BtAfegirClick();
  void BtAfegirCarpetaClick();
  void BtTreureClick();
  void BtExportarCsvClick();
  void BtImprimirClick();
  void BtInformeClick();
  void BtAjudaClick();

 private:
  void ConstrueixFinestra() override;
  void Mostra();
  void ActualitzaBotons();

  QTableWidget* SGClasse;
  QPushButton *BtAfegir, *BtAfegirCarpeta, *BtTreure, *BtExportarCsv, *BtImprimir, *BtInforme,
      *BtAjuda, *BtTancar;
  QList<TaulaClasse::TRecercaClasse> Recerques;
};

extern TFClasse* FClasse;
