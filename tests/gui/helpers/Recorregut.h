// A walk through every window of the program, at each step where controls
// hidden at its opening show, for the tests that look at all of them.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace Recorregut {

// The main window, the help window and every dialog.
QList<QWidget*> Finestres();

// A window at one of its steps; an empty step is the window as it opens.
struct Pas {
  QWidget* finestra;
  QString pas;
};
// Every window as it opens, then the steps where more controls show.
QList<Pas> Passos();

// Shows the window at that step, from a fresh research.
void Mostra(QWidget* finestra, const QString& pas);

// What a failure calls a control: its objectName, or its class.
QString Nom(const QWidget* w);

}  // namespace Recorregut
