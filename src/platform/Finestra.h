// A dialog that costs nothing until it is first needed: the object and its
// name exist from the start, its controls are built the first time it is
// shown or asked for them, and kept from then on.
#pragma once

#include <QDialog>

class QObject;

class TFinestra : public QDialog {
  Q_OBJECT
 public:
  explicit TFinestra(QWidget* pare = nullptr, Qt::WindowFlags f = {});

  // Builds the controls, once; later calls do nothing.
  void Construeix();
  bool Construida() const { return construida; }
  void setVisible(bool visible) override;

 protected:
  // The controls, layouts, pictures and fonts of the window.
  virtual void ConstrueixFinestra() = 0;

 private:
  bool construida = false;
};

namespace Finestra {
// Builds the window that holds `objecte`, when it is one built at its first
// showing; anything else is left as it is.
void Construeix(QObject* objecte);
}  // namespace Finestra
