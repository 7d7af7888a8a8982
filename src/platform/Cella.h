// A clickable cell of an exercise table: a framed square with its text
// centred, whose background and text colour show its state.
#pragma once

#include <QLabel>

#include "platform/Estils.h"

class TCella : public QLabel {
  Q_OBJECT
 public:
  TCella(QWidget* pare, const QString& nom);

  // Text and state at once; a wrong entry is written in red.
  void Mostra(const QString& text, Estils::Cella estat, bool erronia);
  Estils::Cella Estat() const { return estat; }

 signals:
  void Clicada();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Estils::Cella estat = Estils::Cella::Normal;
};
