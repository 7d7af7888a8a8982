#include "lab/ComunsLab.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/Labs.h"
#include "platform/DibuixosLab.h"

namespace ComunsLab {

QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text) {
  auto* etiqueta = new QLabel(text, pare);
  etiqueta->setObjectName(QString::fromLatin1(nom));
  // An empty label keeps its line, so that nothing moves as texts come and go.
  etiqueta->setMinimumHeight(20);  // as high empty as with its figures
  return etiqueta;
}

QLabel* EtiquetaXifres(QWidget* pare, const char* nom) {
  QLabel* etiqueta = Etiqueta(pare, nom);
  QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixa.setPointSizeF(etiqueta->font().pointSizeF());
  etiqueta->setFont(fixa);
  etiqueta->setMinimumHeight(20);  // as high empty as with its figures
  return etiqueta;
}

QLabel* ImatgeProveta(QWidget* pare, const char* nom, int alt) {
  QLabel* imatge = Etiqueta(pare, nom);
  imatge->setPixmap(Dibuixos::ProvetaAlta(alt));
  imatge->setAccessibleName(QStringLiteral("Provetes"));  // the figures beside it count them
  return imatge;
}

QGroupBox* Grup(QWidget* pare, const char* nom, const QString& titol) {
  auto* grup = new QGroupBox(titol, pare);
  grup->setObjectName(QString::fromLatin1(nom));
  return grup;
}

QGroupBox* CreaCaixa(QWidget* pare, QLabel*& LbMesada, QLabel*& LbCaixa) {
  QGroupBox* caixa = Grup(pare, "GrCaixa", QStringLiteral("Caixa"));
  LbMesada = EtiquetaXifres(caixa, "LbMesada");
  LbCaixa = EtiquetaXifres(caixa, "LbCaixa");
  auto* capa = new QVBoxLayout(caixa);
  capa->addWidget(LbMesada);
  capa->addWidget(LbCaixa);
  return caixa;
}

void MostraCaixa(QLabel* LbMesada, QLabel* LbCaixa, const RBGlobal::TEstatRecerca& e) {
  LbMesada->setText(Q(Labs::TextMesada(e.Ingressos)));
  LbCaixa->setText(Q(Labs::TextCaixa(e.Diners)));
}

}  // namespace ComunsLab
