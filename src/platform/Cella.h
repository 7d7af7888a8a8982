// A clickable cell of an exercise table: a framed square with its text
// centred, whose background and text colour show its state.
#pragma once

#include <QLabel>

#include "platform/Estils.h"

// What a screen reader says of a cell: where it lies, then what it holds
// ("Posició 5 de la cadena nova: A, errònia").
QString NomAccessibleCella(const QString& lloc, const QString& text, Estils::Cella estat,
                           bool erronia);
// Keeps a cell's accessible name in step with the text it shows.
void NomenaCella(QLabel* cella, const QString& lloc, Estils::Cella estat, bool erronia);

class TCella : public QLabel {
  Q_OBJECT
 public:
  // `lloc` says where the cell lies, for screen readers.
  TCella(QWidget* pare, const QString& nom, const QString& lloc);

  // Text and state at once; a wrong entry is written in red.
  void Mostra(const QString& text, Estils::Cella estat, bool erronia);
  // The background of every state but the selected one, for a cell that
  // stands on a coloured strand or on the window's button face.
  void PosaFons(const QColor& color);

 signals:
  void Clicada();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Estils::Cella estat = Estils::Cella::Normal;
  bool pintada = false;  // colours are set at the first Mostra, not at start-up
  QColor fons;
  QString lloc;
};
