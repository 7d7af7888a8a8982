#include "lab/ComunsLab.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Labs.h"
#include "platform/Botons.h"
#include "platform/DibuixosLab.h"
#include "platform/TextosJoc.h"

namespace ComunsLab {

QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text) {
  auto* etiqueta = new QLabel(text, pare);
  etiqueta->setObjectName(QString::fromLatin1(nom));
  // An empty label keeps its line, so that nothing moves as texts come and go.
  etiqueta->setMinimumHeight(etiqueta->fontMetrics().height());
  return etiqueta;
}

QLabel* EtiquetaXifres(QWidget* pare, const char* nom) {
  QLabel* etiqueta = Etiqueta(pare, nom);
  QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixa.setPointSizeF(etiqueta->font().pointSizeF());
  etiqueta->setFont(fixa);  // keeps the line of the window's font: not measured at start-up
  return etiqueta;
}

QLabel* ImatgeProveta(QWidget* pare, const char* nom, int alt) {
  QLabel* imatge = Etiqueta(pare, nom);
  imatge->setPixmap(Dibuixos::ProvetaAlta(alt));
  imatge->setAccessibleName(
      QCoreApplication::translate("ComunsLab", "Provetes"));  // the figures beside it count them
  return imatge;
}

QGroupBox* Grup(QWidget* pare, const char* nom, const QString& titol) {
  auto* grup = new QGroupBox(titol, pare);
  grup->setObjectName(QString::fromLatin1(nom));
  return grup;
}

QGroupBox* CreaCaixa(QWidget* pare, QLabel*& LbMesada, QLabel*& LbCaixa) {
  QGroupBox* caixa = Grup(pare, "GrCaixa", QCoreApplication::translate("ComunsLab", "Caixa"));
  LbMesada = EtiquetaXifres(caixa, "LbMesada");
  LbCaixa = EtiquetaXifres(caixa, "LbCaixa");
  auto* capa = new QVBoxLayout(caixa);
  capa->addWidget(LbMesada);
  capa->addWidget(LbCaixa);
  return caixa;
}

void DisposaArticles(QDialog* finestra, const std::array<QWidget*, 4>& grups, QPushButton* primer,
                     QPushButton* segon) {
  auto* graella = new QGridLayout;
  graella->addWidget(grups[0], 0, 0);
  graella->addWidget(grups[1], 1, 0);
  graella->addWidget(grups[2], 2, 0);
  graella->addWidget(grups[3], 0, 1, 3, 1);
  auto* botons = Botons::Fila({primer, segon});
  auto* capa = new QVBoxLayout(finestra);
  capa->addLayout(graella);
  capa->addLayout(botons);
}

void MostraCaixa(QLabel* LbMesada, QLabel* LbCaixa, const RBGlobal::TEstatRecerca& e) {
  LbMesada->setText(TextosJoc::Mesada(e.Ingressos));
  LbCaixa->setText(TextosJoc::Caixa(e.Diners));
}

}  // namespace ComunsLab
