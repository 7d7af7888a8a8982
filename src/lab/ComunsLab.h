// What the laboratory windows share: their labels, the "Caixa" group with
// the two money lines, and the tube pictures.
#pragma once

#include <array>

#include <QString>
#include <string>

#include "model/RBGlobal.h"

class QDialog;
class QGroupBox;
class QPushButton;
class QLabel;
class QWidget;

namespace ComunsLab {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// A label named `nom`.
QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text = QString());
// A label for a figure padded with blanks ("Tenim       1.000 $."): a fixed
// pitch font keeps the figures of the lines under one another.
QLabel* EtiquetaXifres(QWidget* pare, const char* nom);
// A picture of a test tube.
QLabel* ImatgeProveta(QWidget* pare, const char* nom, int alt = 24);
QGroupBox* Grup(QWidget* pare, const char* nom, const QString& titol);

// The group "Caixa" with LbMesada over LbCaixa.
QGroupBox* CreaCaixa(QWidget* pare, QLabel*& LbMesada, QLabel*& LbCaixa);
// The income and money of the research.
// The purchase and inventory windows' layout: the cash, the biological
// material and the reagents in a column, the apparatus beside them, and two
// buttons below on the right.
void DisposaArticles(QDialog* finestra, const std::array<QWidget*, 4>& grups, QPushButton* primer,
                     QPushButton* segon);
void MostraCaixa(QLabel* LbMesada, QLabel* LbCaixa, const RBGlobal::TEstatRecerca& e);

}  // namespace ComunsLab
