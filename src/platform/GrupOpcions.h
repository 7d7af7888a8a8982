// A radio group: a framed box of exclusive choices read by their index,
// one under another, or down one column and then the next.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QGridLayout;

// Keyboard entry into a group of exclusive choices, as desktop radio groups
// behave: Tab enters the group on its checked choice (the first one when none
// is), and an arrow key checks the choice it reaches. Call it again after
// adding buttons to the group.
void EntradaPelTeclat(QButtonGroup* grup);

class TGrupOpcions : public QGroupBox {
  Q_OBJECT
 public:
  TGrupOpcions(const char* nom, const QString& titol, const QStringList& items,
               QWidget* pare = nullptr, int columnes = 1);

  // Replaces the choices; none is selected afterwards.
  void PosaItems(const QStringList& items);
  int NombreItems() const;
  // The selected choice, -1 when none.
  int ItemIndex() const;
  void PosaItemIndex(int index);
  QRadioButton* Item(int index) const;

 signals:
  // The student picked a choice.
  void Click(int index);

 private:
  QButtonGroup* grup;
  QGridLayout* capa;
  int columnes;
};
