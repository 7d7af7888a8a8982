#include "experiments/Taula.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "experiments/Asscodo.h"
#include "model/TaulaCodi.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Dibuixos.h"
#include "platform/GraellaText.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"

using namespace RBGlobal;

TFTaula* FTaula = nullptr;
TCodo CodoTriat;
bool CodoTriatOk = false;

namespace {
constexpr int AmpladaColumna = 90;
constexpr int AlcadaFila = 20;
constexpr int AjudaRecerca = 252;
constexpr int AjudaFlux = 257;

QString Lletra(int valor) { return QString(QLatin1Char(Nucleotids[valor])); }

// "UUU: Phe": the codon as the model writes it, and the abbreviation of its
// meaning, if any, in the language shown.
QString TextCella(unsigned index) {
  const std::string text = TaulaCodi::TextCella(EstatRecerca, index);
  const std::size_t codo = TextCodo(index).size() + 2;  // "UUU: "
  return QString::fromStdString(text.substr(0, codo)) + Idioma::Model(text.substr(codo));
}

void Posa(QTableWidget* graella, int fila, int columna, const QString& text) {
  auto* cella = new QTableWidgetItem(text);
  cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  graella->setItem(fila, columna, cella);
}

// The header grids are labels in grid form: grey, not selectable.
TGraellaText* Capcalera(QWidget* pare, const char* nom, int columnes, int files, int amplada,
                        int alcada, const QFont& lletra) {
  auto* graella = new TGraellaText(columnes, files, amplada, alcada, pare);
  graella->setObjectName(QString::fromLatin1(nom));
  graella->PosaFons(graella->palette().color(QPalette::Button).darker(112));
  graella->setFont(lletra);
  return graella;
}

}  // namespace

TFTaula::TFTaula(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FTaula"));
  setWindowTitle(tr("Taula del codi genètic"));
}

void TFTaula::ConstrueixFinestra() {
  auto* graella = new QGridLayout;
  graella->setSpacing(2);
  Label1 = new QLabel(QStringLiteral("5'"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(QStringLiteral("3'"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  // Screen readers hear what the bare marks mean: the codon is read 5' to 3'.
  Label1->setAccessibleName(tr("Extrem 5' del codó: primera base, a l'esquerra"));
  Label2->setAccessibleName(tr("Extrem 3' del codó: tercera base, a la dreta"));
  graella->addWidget(CreaCapcaleraSegona(), 0, 2);
  graella->addWidget(Label1, 1, 0, Qt::AlignVCenter);
  graella->addWidget(CreaCapcaleraPrimera(), 1, 1);
  graella->addWidget(CreaTaula(), 1, 2);
  graella->addWidget(CreaCapcaleraTercera(), 1, 3);
  graella->addWidget(Label2, 1, 4, Qt::AlignVCenter);
  auto* capa = new QVBoxLayout(this);
  capa->addLayout(graella);
  capa->addWidget(CreaBotons());
  LbEstat = new QLabel(tr("Fes clic en un codó per publicar-ne el significat o retirar-lo."), this);
  LbEstat->setObjectName(QStringLiteral("LbEstat"));
  LbEstat->setFrameShape(QFrame::StyledPanel);
  LbEstat->setFrameShadow(QFrame::Sunken);
  capa->addWidget(LbEstat);
  capa->setSizeConstraint(QLayout::SetFixedSize);

  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

// A fixed grid with no headers and no scroll bars, its cells the given size.
QTableWidget* TFTaula::Graella(const char* nom, int columnes, int files, int amplada, int alcada) {
  auto* graella = new QTableWidget(files, columnes, this);
  graella->setObjectName(QString::fromLatin1(nom));
  graella->horizontalHeader()->hide();
  graella->verticalHeader()->hide();
  graella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  graella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  graella->setEditTriggers(QAbstractItemView::NoEditTriggers);
  graella->setFrameShape(QFrame::NoFrame);
  graella->horizontalHeader()->setMinimumSectionSize(1);
  graella->verticalHeader()->setMinimumSectionSize(1);
  for (int c = 0; c < columnes; ++c) graella->setColumnWidth(c, amplada);
  for (int f = 0; f < files; ++f) graella->setRowHeight(f, alcada);
  graella->setFixedSize(columnes * amplada, files * alcada);
  return graella;
}

QTableWidget* TFTaula::CreaTaula() {
  SGTaula = Graella("SGTaula", TaulaCodi::Columnes, TaulaCodi::Files, AmpladaColumna, AlcadaFila);
  SGTaula->setSelectionMode(QAbstractItemView::SingleSelection);
  SGTaula->setAccessibleName(tr("Taula del codi genètic"));
  // The arrows move between the codons; Tab goes on to the buttons.
  SGTaula->setTabKeyNavigation(false);
  // White cells stand out from the grey headers around them.
  QPalette paleta = SGTaula->palette();
  paleta.setColor(QPalette::Base, Qt::white);
  paleta.setColor(QPalette::Text, Qt::black);
  SGTaula->setPalette(paleta);
  for (int f = 0; f < TaulaCodi::Files; ++f)
    for (int c = 0; c < TaulaCodi::Columnes; ++c) Posa(SGTaula, f, c, QString());
  SGTaula->setCurrentCell(0, 0);
  SGTaula->installEventFilter(this);
  connect(SGTaula, &QTableWidget::cellClicked, this, &TFTaula::SGTaulaClick);
  return SGTaula;
}

QWidget* TFTaula::CreaCapcaleraSegona() {
  SGSegonaLletra = Capcalera(this, "SGSegonaLletra", 4, 1, AmpladaColumna, AlcadaFila, font());
  for (int k = 0; k < 4; ++k)
    SGSegonaLletra->PosaText(0, k, QStringLiteral("_ %1 _").arg(Lletra(k)));
  SGSegonaLletra->setAccessibleName(tr("Segona lletra del codó"));
  connect(SGSegonaLletra, &TGraellaText::cellClicked, this, &TFTaula::SGSegonaLletraClick);
  return SGSegonaLletra;
}

// Each first-letter cell spans the four rows of its block, so they line up.
QWidget* TFTaula::CreaCapcaleraPrimera() {
  QFont gran = font();
  gran.setPointSizeF(gran.pointSizeF() * 1.5);
  gran.setBold(true);
  SGPrimeraLletra = Capcalera(this, "SGPrimeraLletra", 1, 4, 60, 4 * AlcadaFila, gran);
  for (int j = 0; j < 4; ++j)
    SGPrimeraLletra->PosaText(j, 0, QStringLiteral("%1 _ _").arg(Lletra(j)));
  SGPrimeraLletra->PosaAlineacio(Qt::AlignCenter);
  SGPrimeraLletra->setAccessibleName(tr("Primera lletra del codó"));
  return SGPrimeraLletra;
}

QWidget* TFTaula::CreaCapcaleraTercera() {
  auto* columna = new QWidget(this);
  auto* capa = new QVBoxLayout(columna);
  capa->setContentsMargins(0, 0, 0, 0);
  capa->setSpacing(0);
  for (int j = 0; j < 4; ++j) {
    const QByteArray nom = "SGTerceraLletra" + QByteArray::number(j + 1);
    TGraellaText* g = Capcalera(columna, nom.constData(), 1, 4, 50, AlcadaFila, font());
    for (int l = 0; l < 4; ++l)
      g->PosaText(l, 0, QStringLiteral("%1 _ %2").arg(Lletra(j), Lletra(l)));
    g->PosaLinies(false);
    g->setAccessibleName(tr("Tercera lletra dels codons que comencen per %1").arg(Lletra(j)));
    SGTerceraLletra[j] = g;
    capa->addWidget(g);
  }
  return columna;
}

QWidget* TFTaula::CreaBotons() {
  auto* fila = new QWidget(this);
  auto* capa = new QHBoxLayout(fila);
  capa->setContentsMargins(0, 4, 0, 0);
  BtImprimir = Botons::Crea(fila, "BtImprimir", tr("&Imprimir"), Dibuixos::Glif::Imprimir);
  BtAjuda = Botons::Crea(fila, "BtAjuda", tr("Aj&uda"), Dibuixos::Glif::Ajuda);
  BtTancar = Botons::Crea(fila, "BtTancar", tr("&Tancar"), Dibuixos::Glif::Tancar);
  capa->addStretch();
  capa->addWidget(BtImprimir);
  capa->addWidget(BtAjuda);
  capa->addWidget(BtTancar);
  capa->addStretch();
  connect(BtImprimir, &QPushButton::clicked, this, &TFTaula::BtImprimirClick);
  connect(BtAjuda, &QPushButton::clicked, this, &TFTaula::BtAjudaClick);
  connect(BtTancar, &QPushButton::clicked, this, &TFTaula::BtTancarClick);
  return fila;
}

void TFTaula::OmpleTaula() {
  Construeix();
  for (unsigned i = 0; i < 64; ++i)
    SGTaula->item(TaulaCodi::FilaCodo(i), TaulaCodi::ColumnaCodo(i))->setText(TextCella(i));
  const bool selectora = TaulaCodi::TaulaSelectora(EstatRecerca);
  contextAjuda = selectora ? AjudaFlux : AjudaRecerca;
  // In a research a click publishes: the status line and each cell say so.
  LbEstat->setVisible(!selectora);
  for (unsigned i = 0; i < 64; ++i)
    SGTaula->item(TaulaCodi::FilaCodo(i), TaulaCodi::ColumnaCodo(i))
        ->setToolTip(selectora ? QString()
                               : tr("Un clic publica o retira el significat de %1.")
                                     .arg(QString::fromStdString(TextCodo(i))));
}

void TFTaula::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFTaula::FormActivate() { OmpleTaula(); }

// The keyboard picks the current cell as a click would.
bool TFTaula::eventFilter(QObject* objecte, QEvent* e) {
  if (objecte == SGTaula && e->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(e)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
      SGTaulaClick();
      return true;
    }
  }
  return QDialog::eventFilter(objecte, e);
}

std::optional<TCodo> TFTaula::TriaCodo() {
  CodoTriatOk = false;
  Dialegs::Executa(this);
  if (!CodoTriatOk) return std::nullopt;
  return CodoTriat;
}

void TFTaula::SGTaulaClick() {
  const unsigned index = TaulaCodi::IndexCella(SGTaula->currentColumn(), SGTaula->currentRow());
  CodoTriat = TextCodo(index);
  if (TaulaCodi::TaulaSelectora(EstatRecerca)) {
    CodoTriatOk = true;
    accept();
    return;
  }
  Dialegs::Executa(FAssCodo);
  OmpleTaula();
}

// The header row has no codons of its own: it acts on the table's cell.
void TFTaula::SGSegonaLletraClick() { SGTaulaClick(); }

void TFTaula::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }
void TFTaula::BtAjudaClick() { Ajuda::MostraTema(contextAjuda); }
void TFTaula::BtTancarClick() { reject(); }

void TFTaula::reject() {
  CodoTriatOk = false;
  QDialog::reject();
}
