// A fixed grid of texts that draws itself: the labels around a table, which
// need no selection, editing or scrolling. A full item view costs several
// times more to create, and the program creates all its windows at start.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class TGraellaText : public QWidget {
  Q_OBJECT
 public:
  TGraellaText(int columnes, int files, int amplada, int alcada, QWidget* pare = nullptr);

  int Columnes() const { return columnes; }
  int Files() const { return files; }
  QString Text(int fila, int columna) const;
  void PosaText(int fila, int columna, const QString& text);
  // Where a cell lies, in the widget's coordinates.
  QRect RectCella(int fila, int columna) const;
  void PosaLinies(bool linies);
  bool Linies() const { return linies; }
  void PosaFons(const QColor& fons);
  void PosaAlineacio(Qt::Alignment alineacio);

 signals:
  void cellClicked(int fila, int columna);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int columnes, files, amplada, alcada;
  QStringList textos;
  bool linies = true;
  QColor fons;
  Qt::Alignment alineacio = Qt::AlignLeft | Qt::AlignVCenter;
};
