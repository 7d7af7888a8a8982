#include "mainwindow/About.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/Dibuixos.h"

TAboutBox* AboutBox = nullptr;

namespace {
QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text) {
  auto* etiqueta = new QLabel(text, pare);
  etiqueta->setObjectName(QString::fromLatin1(nom));
  return etiqueta;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("Sobre Ribolia..."));
}

void TAboutBox::ConstrueixFinestra() {
  auto* icona = Etiqueta(this, "ProgramIcon", QString());
  icona->setPixmap(Dibuixos::IconaPrograma(48));
  auto* nom = Etiqueta(this, "ProductName", QStringLiteral("Ribolia"));
  QFont negreta = nom->font();
  negreta.setBold(true);
  negreta.setPointSize(negreta.pointSize() + 4);
  nom->setFont(negreta);
  auto* boto = new QPushButton(tr("D'ac&ord"), this);
  boto->setObjectName(QStringLiteral("BtDAcord"));
  boto->setDefault(true);
  connect(boto, &QPushButton::clicked, this, &QDialog::accept);

  auto* graella = new QGridLayout(this);
  graella->setContentsMargins(16, 16, 16, 12);
  graella->addWidget(icona, 0, 0, 2, 1, Qt::AlignTop);
  graella->addWidget(nom, 0, 1);
  graella->addWidget(Etiqueta(this, "Version", tr("Versió 1.0.")), 1, 1);
  graella->addWidget(
      Etiqueta(this, "Copyright", tr("Programa educatiu fet per l'equip de Ribolia.")), 2, 0, 1, 2);
  graella->addWidget(Etiqueta(this, "Comments", QString()), 3, 0, 1, 2);
  graella->addWidget(Etiqueta(this, "Lloc", tr("Barcelona, desembre de 2026.")), 4, 0, 1, 2);
  graella->addWidget(boto, 5, 0, 1, 2, Qt::AlignCenter);
  graella->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size box
}
