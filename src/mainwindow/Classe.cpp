#include "mainwindow/Classe.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Impressio.h"
#include "platform/Informe.h"

using namespace TaulaClasse;

TFClasse* FClasse = nullptr;

namespace {

constexpr int ContextAjuda = 360;
constexpr int AmpleNomMaxim = 240;
constexpr int RolIndex = Qt::UserRole;     // the row's place in Recerques
constexpr int RolClau = Qt::UserRole + 1;  // what the column sorts by
const char* const FiltreRecerques =
    QT_TRANSLATE_NOOP("TFClasse", "Simulacions Ribolia (*.srb);;Tots els fitxers (*)");

// Numbers as numbers, words in Catalan order; empty cells of a numeric
// column last in either order.
class TElement : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& altre) const override {
    const QVariant a = data(RolClau), b = altre.data(RolClau);
    const bool na = a.typeId() == QMetaType::LongLong, nb = b.typeId() == QMetaType::LongLong;
    if (na && nb) return a.toLongLong() < b.toLongLong();
    if (na != nb) {
      const QTableWidget* taula = tableWidget();
      const bool descendent =
          taula && taula->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
      return descendent ? nb : na;
    }
    static const QCollator catala = [] {
      QCollator c{QLocale(QLocale::Catalan, QLocale::Spain)};
      c.setNumericMode(true);
      return c;
    }();
    return catala.compare(a.toString(), b.toString()) < 0;
  }
};

QString DataIHora() {
  return QLocale().toString(QDateTime::currentDateTime(), QStringLiteral("d/MM/yyyy HH:mm"));
}

QString TaulaHtml(const QList<const TRecercaClasse*>& recerques) {
  QString html = QStringLiteral(
                     "<html><body><h2>%1</h2><p>%2</p>"
                     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                     "style=\"border-collapse: collapse;\"><thead><tr>")
                     .arg(QCoreApplication::translate("TFClasse", "Recerques de la classe"),
                          QCoreApplication::translate("TFClasse", "%1. %2 recerques.")
                              .arg(DataIHora())
                              .arg(recerques.size()));
  for (const QString& capcalera : Capcaleres())
    html += QStringLiteral("<th>%1</th>").arg(capcalera.toHtmlEscaped());
  html += QStringLiteral("</tr></thead>");
  for (const TRecercaClasse* r : recerques) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < NombreColumnes; ++c) {
      const QString text = c == ColNom && !r->Llegida() ? MotiuPerAlumne(*r) : Text(*r, c);
      html += QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table></body></html>");
}

}  // namespace

TFClasse::TFClasse(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FClasse"));
  setWindowTitle(tr("Recerques de la classe"));
}

void TFClasse::ConstrueixFinestra() {
  setSizeGripEnabled(true);
  SGClasse = new QTableWidget(0, NombreColumnes, this);
  SGClasse->setObjectName(QStringLiteral("SGClasse"));
  SGClasse->setAccessibleName(windowTitle());
  SGClasse->setHorizontalHeaderLabels(Capcaleres());
  SGClasse->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SGClasse->setSelectionBehavior(QAbstractItemView::SelectRows);
  SGClasse->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SGClasse->verticalHeader()->hide();
  SGClasse->horizontalHeader()->setSortIndicatorShown(true);
  SGClasse->setSortingEnabled(true);
  SGClasse->resizeColumnsToContents();  // an empty class shows its headers whole
  SGClasse->sortByColumn(ColFitxer, Qt::AscendingOrder);

  BtAfegir = Botons::Crea(this, "BtAfegir", tr("&Afegir..."));
  BtAfegirCarpeta = Botons::Crea(this, "BtAfegirCarpeta", tr("Afegir una &carpeta..."));
  BtTreure = Botons::Crea(this, "BtTreure", tr("&Treure"));
  BtExportarCsv = Botons::Crea(this, "BtExportarCsv", tr("Exportar &CSV..."));
  BtImprimir = Botons::Crea(this, "BtImprimir", tr("&Imprimir"), Dibuixos::Glif::Imprimir);
  BtInforme = Botons::Crea(this, "BtInforme", tr("&Informe..."));
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Dibuixos::Glif::Ajuda);
  BtTancar = Botons::Crea(this, "BtTancar", tr("Tancar"), Dibuixos::Glif::Tancar);

  auto* botons = new QHBoxLayout;
  for (QPushButton* b : {BtAfegir, BtAfegirCarpeta, BtTreure, BtExportarCsv, BtImprimir, BtInforme})
    botons->addWidget(b);
  botons->addStretch();
  botons->addWidget(BtAjuda);
  botons->addWidget(BtTancar);
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(SGClasse);
  capa->addLayout(botons);
  resize(1000, 460);

  connect(BtAfegir, &QPushButton::clicked, this, &TFClasse::BtAfegirClick);
  connect(BtAfegirCarpeta, &QPushButton::clicked, this, &TFClasse::BtAfegirCarpetaClick);
  connect(BtTreure, &QPushButton::clicked, this, &TFClasse::BtTreureClick);
  connect(BtExportarCsv, &QPushButton::clicked, this, &TFClasse::BtExportarCsvClick);
  connect(BtImprimir, &QPushButton::clicked, this, &TFClasse::BtImprimirClick);
  connect(BtInforme, &QPushButton::clicked, this, &TFClasse::BtInformeClick);
  connect(BtAjuda, &QPushButton::clicked, this, &TFClasse::BtAjudaClick);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
  connect(SGClasse, &QTableWidget::itemSelectionChanged, this, &TFClasse::ActualitzaBotons);
  connect(SGClasse, &QTableWidget::itemDoubleClicked, this, &TFClasse::BtInformeClick);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  ActualitzaBotons();
}

void TFClasse::AfegeixFitxers(const QStringList& fitxers) {
  for (const QString& fitxer : fitxers) {
    TRecercaClasse r = Llegeix(fitxer);
    const bool jaHiEs =
        std::any_of(Recerques.cbegin(), Recerques.cend(),
                    [&r](const TRecercaClasse& altra) { return altra.Cami == r.Cami; });
    if (!jaHiEs) Recerques << std::move(r);
  }
  Mostra();
}

// The rows are rebuilt from Recerques and sorted as the header says.
void TFClasse::Mostra() {
  SGClasse->setSortingEnabled(false);
  SGClasse->clearContents();
  SGClasse->setRowCount(static_cast<int>(Recerques.size()));
  for (int fila = 0; fila < Recerques.size(); ++fila) {
    const TRecercaClasse& r = Recerques.at(fila);
    for (int c = 0; c < NombreColumnes; ++c) {
      const bool motiu = c == ColNom && !r.Llegida();
      auto* element = new TElement(motiu ? MotiuPerAlumne(r) : Text(r, c));
      element->setData(RolIndex, fila);
      element->setData(RolClau, Clau(r, c));
      if (c >= ColExperiments && c != ColData)
        element->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (motiu) {
        element->setForeground(QColor(0xB0, 0x00, 0x00));
        element->setToolTip(element->text());
      }
      SGClasse->setItem(fila, c, element);
    }
  }
  SGClasse->setSortingEnabled(true);
  SGClasse->resizeColumnsToContents();
  // A long reason stays in its tooltip rather than pushing the numbers away.
  SGClasse->setColumnWidth(ColNom, std::min(SGClasse->columnWidth(ColNom), AmpleNomMaxim));
  ActualitzaBotons();
}

void TFClasse::ActualitzaBotons() {
  const bool seleccio = !SGClasse->selectionModel()->selectedRows().isEmpty();
  BtTreure->setEnabled(seleccio);
  const QTableWidgetItem* actual = SGClasse->currentItem();
  BtInforme->setEnabled(seleccio && actual &&
                        Recerques.at(actual->data(RolIndex).toInt()).Llegida());
  BtExportarCsv->setEnabled(!Recerques.isEmpty());
  BtImprimir->setEnabled(!Recerques.isEmpty());
}

QList<const TRecercaClasse*> TFClasse::OrdreVisible() const {
  QList<const TRecercaClasse*> ordre;
  for (int fila = 0; fila < SGClasse->rowCount(); ++fila)
    ordre << &Recerques.at(SGClasse->item(fila, ColFitxer)->data(RolIndex).toInt());
  return ordre;
}

void TFClasse::BtAfegirClick() {
  AfegeixFitxers(Dialegs::TriaFitxersObrir(this, tr("Afegir recerques"), tr(FiltreRecerques)));
}

void TFClasse::BtAfegirCarpetaClick() {
  const QString carpeta = Dialegs::TriaCarpeta(this, tr("Afegir les recerques d'una carpeta"));
  if (carpeta.isEmpty()) return;
  QStringList fitxers;
  if (!FitxersCarpeta(carpeta, fitxers)) {
    Dialegs::Missatge(
        this, tr("No s'ha pogut llegir la carpeta «%1».").arg(QDir::toNativeSeparators(carpeta)),
        QMessageBox::Warning);
    return;
  }
  if (fitxers.isEmpty())
    Dialegs::Missatge(this, tr("A la carpeta «%1» no hi ha cap recerca (.srb).")
                                .arg(QDir::toNativeSeparators(carpeta)));
  AfegeixFitxers(fitxers);
}

void TFClasse::BtTreureClick() {
  QList<int> treure;
  for (const QModelIndex& fila : SGClasse->selectionModel()->selectedRows())
    treure << SGClasse->item(fila.row(), ColFitxer)->data(RolIndex).toInt();
  std::sort(treure.begin(), treure.end(), std::greater<>());
  for (int i : treure) Recerques.removeAt(i);
  Mostra();
}

void TFClasse::BtExportarCsvClick() {
  const QString nom =
      Dialegs::TriaFitxerDesar(this, tr("Exportar la taula en CSV"), tr("Fitxers CSV (*.csv)"),
                               tr("Recerques de la classe.csv"));
  if (nom.isEmpty()) return;
  QSaveFile fitxer(nom);
  const QByteArray csv = Csv(OrdreVisible()).toUtf8();
  if (!fitxer.open(QIODevice::WriteOnly) || fitxer.write(csv) != csv.size() || !fitxer.commit())
    Dialegs::Missatge(this,
                      tr("No s'ha pogut desar la taula al fitxer «%1».\n%2.")
                          .arg(QDir::toNativeSeparators(nom), fitxer.errorString()),
                      QMessageBox::Warning);
}

void TFClasse::BtImprimirClick() {
  QTextDocument document;
  document.setHtml(TaulaHtml(OrdreVisible()));
  document.setMetaInformation(QTextDocument::DocumentTitle, windowTitle());
  Impressio::ImprimeixDocument(this, document, tr("Recerques de la classe.pdf"));
}

// The student's report, as the main window writes it; the research open
// there stays as it is.
void TFClasse::BtInformeClick() {
  const QTableWidgetItem* actual = SGClasse->currentItem();
  if (!actual) return;
  const TRecercaClasse& r = Recerques.at(actual->data(RolIndex).toInt());
  if (!r.Llegida()) {
    Dialegs::Missatge(this, MotiuPerAlumne(r), QMessageBox::Warning);
    return;
  }
  Informe::Imprimeix(this, r.Estat, r.Cami);
}

void TFClasse::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
