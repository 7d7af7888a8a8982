// Keyboard and screen-reader helpers shared by the exercise windows: lists
// that change only on a click or a key, cells a screen reader follows as
// the focus moves through them, and a guard that keeps the keyboard away
// from the buttons that end an exercise.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QComboBox;
class QWidget;

namespace Teclat {

// The wheel passes over the list without changing it, and screen readers
// get the list's accessible name as its name and the item shown as its value.
void PreparaLlista(QComboBox* llista);

// Marks a label as a cell of an answer area, before anything asks for its
// accessibility interface.
void MarcaCella(QWidget* cella);
// Tells screen readers that `cella` is where the next answer goes, as a
// focus move to it; `resposta` (the answer just given, with its verdict)
// is read first as its description. Nothing is sent while nothing changed.
void AnunciaCella(QWidget* cella, const QString& resposta = {});
// The cell last announced in the window, if any.
QWidget* CellaAnunciada(const QWidget* finestra);

// Keeps the focus off the buttons that close, restart or replace an
// exercise unless the student puts it there: when the focus reaches one of
// them during a step (Qt moves it on when the focused control is disabled
// or hidden), Reposa() gives it back to what `treball` returns, or clears it.
class TGuardaFocus : public QObject {
 public:
  TGuardaFocus(QWidget* finestra, QList<QWidget*> finals, std::function<QWidget*()> treball);
  // Called at the end of each step, once the controls are enabled again.
  void Reposa();

 private:
  void FocusCanviat(QWidget* abans, QWidget* ara);

  QWidget* finestra;
  QList<QWidget*> finals;
  std::function<QWidget*()> treball;
  QPointer<QWidget> anterior;  // where the focus was after the last step
  bool perAlumne = false;      // the student moved it onto an end button
};

}  // namespace Teclat
