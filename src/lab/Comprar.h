// The purchase window: the items of the catalogue as check boxes, what the
// ticked ones cost and the money that would be left. Nothing is bought
// until "D'ac&ord"; the rules live in Labs::TCompra.
#pragma once

#include <QDialog>
#include <array>

#include "model/Labs.h"
#include "platform/Finestra.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TFComprar : public TFinestra {
  Q_OBJECT
 public:
  explicit TFComprar(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void BtDAcordClick();

 private:
  // Every box's click comes here with its item (0..18) and its new state.
  void MarcaCompra(unsigned article, bool marcat);
  void MostraDespesa();
  void PreparaCasella(unsigned article);
  void HabilitaCaselles();
  QWidget* CreaGrup(const char* nom, const QString& titol, Labs::TCategoria categoria,
                    const char* prefix);

  Labs::TCompra compra;
  QLabel *LbMesada, *LbCaixa, *LbGastem, *LbQuedaran;
  std::array<QCheckBox*, Labs::NombreArticles> Caselles{};
  QPushButton *BtDAcord, *BtCancellar;
};

extern TFComprar* FComprar;
