#include "exercises/TaulaResum.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "exercises/OpcTauRs.h"
#include "experiments/Taula.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Cella.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Teclat.h"

using TaulaResum::EstatCela;

TFTaulaResum* FTaulaResum = nullptr;

namespace {
constexpr int ContextAjuda = 130;

// Geometry: 24-pixel cells; the end cells 1 and 20 stand 8 pixels apart
// from the inner ones, so that the codons line up between the end marks.
constexpr int Costat = 24, Separacio = 8, XPrimera = 128;
constexpr int YFila[TaulaResum::NombreFiles] = {54, 78, 118, 158};
constexpr int YSelectors = 198, YSelectorsTaula = 224, YBotonsBase = 266, YBotonsOrdre = 320;

int XCela(int posicio) {
  if (posicio == 1) return XPrimera;
  const int interior = XPrimera + Costat + Separacio + Costat * (posicio - 2);
  return posicio == TaulaResum::NombrePosicions ? interior + Separacio : interior;
}

// The anticodons are drawn in groups of three, one per codon: the outer
// cells of each group leave a small gap on their outer side.
QRect RectCela(int fila, int posicio) {
  QRect r(XCela(posicio), YFila[fila], Costat, Costat);
  if (fila == 3 && posicio > 1 && posicio < TaulaResum::NombrePosicions) {
    if ((posicio - 2) % 3 == 0) r.adjust(2, 0, 0, 0);
    if ((posicio - 2) % 3 == 2) r.adjust(0, 0, -2, 0);
  }
  return r;
}

const char* const PrefixFila[TaulaResum::NombreFiles] = {"ST1DNA", "ST2DNA", "STRNAm",
                                                         "STAnticodons"};
// Where a cell lies, for screen readers: the DNA rows change names as the
// student labels them, so they are told by their place.
const char* const LlocFila[TaulaResum::NombreFiles] = {
    QT_TRANSLATE_NOOP("TFTaulaResum", "Posició %1 de la primera cadena de DNA"),
    QT_TRANSLATE_NOOP("TFTaulaResum", "Posició %1 de la segona cadena de DNA"),
    QT_TRANSLATE_NOOP("TFTaulaResum", "Posició %1 de l'RNAm"),
    QT_TRANSLATE_NOOP("TFTaulaResum", "Posició %1 dels anticodons")};
// The names of the DNA rows, in the language shown.
QString Transcrita() { return TFTaulaResum::tr("DNA transcrita"); }
QString Complementaria() { return TFTaulaResum::tr("DNA complem."); }

Estils::Cella EstilCela(EstatCela estat) {
  switch (estat) {
    case EstatCela::Seleccionada: return Estils::Cella::Seleccionada;
    case EstatCela::Donada: return Estils::Cella::Donada;
    default: return Estils::Cella::Normal;
  }
}

QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text, const QRect& lloc) {
  auto* etiqueta = new QLabel(text, pare);
  etiqueta->setObjectName(QString::fromLatin1(nom));
  etiqueta->setGeometry(lloc);
  return etiqueta;
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction (FormCreate)

TFTaulaResum::TFTaulaResum(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FTaulaResum"));
  PosaOpcions(true, true, 0, 0, false);  // the table is drawn when it opens
  setWindowTitle(tr("Taula resum"));
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
}

void TFTaulaResum::ConstrueixFinestra() {
  setFixedSize(632, 361);
  CreaInformacio();
  CreaNomsFiles();
  CreaCelles();
  CreaSelectors();
  CreaBotonsBase();
  CreaBotonsOrdre();
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFTaulaResum::CreaInformacio() {
  auto panell = [this](const char* nom, QLabel*& etiqueta, const char* nomEtiqueta,
                       const QString& text, int x) {
    auto* pn = new QFrame(this);
    pn->setObjectName(QString::fromLatin1(nom));
    pn->setFrameShape(QFrame::StyledPanel);
    pn->setFrameShadow(QFrame::Sunken);
    pn->setGeometry(x, 10, 170, 26);
    etiqueta = Etiqueta(pn, nomEtiqueta, text, QRect(8, 2, 158, 22));
    return pn;
  };
  PnErrorsComesos = panell("PnErrorsComesos", LbErrorsComesos, "LbErrorsComesos",
                           tr("Errors comesos: "), XPrimera);
  PnErrorsPendents = panell("PnErrorsPendents", LbErrorsPendents, "LbErrorsPendents",
                            tr("Errors pendents:"), XPrimera + 184);
  LbAvaluacio = Etiqueta(this, "LbAvaluacio", QString(), QRect(XPrimera + 184, 6, 320, 34));
  QFont gran = font();
  gran.setPixelSize(18);
  gran.setBold(true);
  LbAvaluacio->setFont(gran);
  LbAvaluacio->setStyleSheet(QStringLiteral("color: rgb(20, 60, 140);"));
  LbAvaluacio->hide();
}

void TFTaulaResum::CreaNomsFiles() {
  const QRect nom(8, 0, XPrimera - 14, Costat);
  LbDNA1 = Etiqueta(this, "LbDNA1", Transcrita(), nom.translated(0, YFila[0]));
  LbDNA2 = Etiqueta(this, "LbDNA2", Complementaria(), nom.translated(0, YFila[1]));
  Etiqueta(this, "LbRNAm", tr("RNAm"), nom.translated(0, YFila[2]));
  Etiqueta(this, "LbAnticodons", tr("Anticodons RNAt"), nom.translated(0, YFila[3]));
  Etiqueta(this, "LbAminoacids", tr("Aminoàcids"), nom.translated(0, YSelectors));
  const QStringList noms{Transcrita(), Complementaria(), QStringLiteral(" ")};
  CBDNA1 = Selector(QStringLiteral("CBDNA1"), noms, QRect(2, YFila[0], XPrimera - 6, Costat));
  CBDNA2 = Selector(QStringLiteral("CBDNA2"), noms, QRect(2, YFila[1], XPrimera - 6, Costat));
  CBDNA1->setAccessibleName(tr("Nom de la primera cadena de DNA"));
  CBDNA2->setAccessibleName(tr("Nom de la segona cadena de DNA"));
  connect(CBDNA1, &QComboBox::currentIndexChanged, this,
          [this](int i) { ComprovaEtiquetaDNA(0, i); });
  connect(CBDNA2, &QComboBox::currentIndexChanged, this,
          [this](int i) { ComprovaEtiquetaDNA(1, i); });
}

void TFTaulaResum::CreaCelles() {
  QFont lletra(QStringLiteral("DejaVu Sans Mono"));
  lletra.setStyleHint(QFont::Monospace);
  lletra.setPixelSize(16);
  lletra.setBold(true);
  for (std::uint16_t fila = 0; fila < TaulaResum::NombreFiles; ++fila)
    for (std::uint16_t p = 1; p <= TaulaResum::NombrePosicions; ++p) {
      auto* cella = new TCella(this, QString::fromLatin1(PrefixFila[fila]) + QString::number(p),
                               tr(LlocFila[fila]).arg(p));
      cella->setGeometry(RectCela(fila, p));
      cella->setFont(lletra);
      Teclat::MarcaCella(cella);
      connect(cella, &TCella::Clicada, this, [this, fila, p] { SeleccionaCela(fila, p); });
      Celles[fila][p - 1] = cella;
    }
}

QComboBox* TFTaulaResum::Selector(const QString& nom, const QStringList& items, const QRect& lloc) {
  auto* cb = new QComboBox(this);
  cb->setObjectName(nom);
  cb->addItems(items);
  cb->setGeometry(lloc);
  cb->installEventFilter(this);
  Teclat::PreparaLlista(cb);
  return cb;
}

void TFTaulaResum::CreaSelectors() {
  const QStringList extrems{QStringLiteral("N"), QStringLiteral("C"), QStringLiteral(" ")};
  QStringList aminoacids;
  for (const char* abreviatura : RBGlobal::Abreviatures) aminoacids << Idioma::Model(abreviatura);
  aminoacids << QStringLiteral(" ");
  // The end selectors are wider than their cell, centred under it.
  const int ampleExtrem = Costat + 12;
  Selectors[0] = Selector(QStringLiteral("CBExtrem1"), extrems,
                          QRect(XCela(1) - 6, YSelectors, ampleExtrem, Costat));
  Selectors[7] = Selector(QStringLiteral("CBExtrem2"), extrems,
                          QRect(XCela(20) - 6, YSelectors, ampleExtrem, Costat));
  Selectors[0]->setAccessibleName(tr("Extrem de l'esquerra del pèptid"));
  Selectors[7]->setAccessibleName(tr("Extrem de la dreta del pèptid"));
  for (int k = 1; k <= 6; ++k) {
    const int x = XCela(3 * k - 1);
    Selectors[k] = Selector(QStringLiteral("CBAminoacid%1").arg(k), aminoacids,
                            QRect(x, YSelectors, 3 * Costat, Costat));
    Selectors[k]->setAccessibleName(tr("Aminoàcid %1").arg(k));
    auto* sb = new QToolButton(this);
    sb->setObjectName(QStringLiteral("SBAminoacid%1").arg(k));
    sb->setIcon(Dibuixos::Icona(Dibuixos::Glif::TaulaCodi));
    sb->setIconSize(QSize(16, 16));
    sb->setGeometry(x + (3 * Costat - 28) / 2, YSelectorsTaula, 28, 22);
    sb->setAutoRaise(true);
    sb->setToolTip(
        tr("Clicar l'aminoàcid a la taula del codi genètic.|").section(QLatin1Char('|'), 0, 0));
    sb->setAccessibleName(tr("Triar l'aminoàcid %1 a la taula del codi genètic").arg(k));
    connect(sb, &QToolButton::clicked, this, [this, k] { TriaDeLaTaula(k); });
    SBAminoacid[k - 1] = sb;
  }
  QWidget::setTabOrder(SBAminoacid[5], Selectors[7]);  // the right end comes last in its row
  for (int i = 0; i < TaulaResum::NombreSelectors; ++i)
    connect(Selectors[i], &QComboBox::currentIndexChanged, this,
            [this, i](int item) { ComprovaSelector(i, item); });
}

void TFTaulaResum::CreaBotonsBase() {
  TeclesBases = Botons::CreaBases(this,
                                  {{'A', BAdenina},
                                   {'G', BGuanina},
                                   {'C', BCitosina},
                                   {'T', BTimina},
                                   {'U', BUracil},
                                   {' ', BEspai},
                                   {'5', B5},
                                   {'3', B3}},
                                  [this](char lletra) { BotoBaseClick(lletra); });
  int x = 8;
  for (const auto& [tecla, boto] : TeclesBases) {
    const int ample = boto == BEspai || boto == B5 || boto == B3 ? 44 : 70;
    boto->setGeometry(x, YBotonsBase, ample, 28);
    x += ample + 4;
  }
  BEspai->setToolTip(tr("Esborrar la casella."));
  BEspai->setAccessibleName(tr("Espai: esborrar la casella; les fletxes mouen la tria"));
  BEspai->installEventFilter(this);
  BtOpcions = Botons::Crea(this, "BtOpcions", tr("Opcions..."));
  BtOpcions->setGeometry(632 - 8 - 96, YBotonsBase, 96, 28);
  connect(BtOpcions, &QPushButton::clicked, this, &TFTaulaResum::BtOpcionsClick);
}

void TFTaulaResum::CreaBotonsOrdre() {
  using Dibuixos::Glif;
  struct Def {
    QPushButton*& boto;
    const char* nom;
    const char* text;
    Glif glif;
    void (TFTaulaResum::*handler)();
  };
  const Def defs[] = {
      {BtVeureTaula, "BtVeureTaula", QT_TR_NOOP("Veure Taula"), Glif::TaulaCodi,
       &TFTaulaResum::BtVeureTaulaClick},
      {BtTornemhi, "BtTornemhi", QT_TR_NOOP("Tornem-hi"), Glif::Play,
       &TFTaulaResum::BtTornemhiClick},
      {BtUnAltre, "BtUnAltre", QT_TR_NOOP("Un altre"), Glif::TaulaResum,
       &TFTaulaResum::BtUnAltreClick},
      {BtImprimir, "BtImprimir", QT_TR_NOOP("&Imprimir"), Glif::Imprimir,
       &TFTaulaResum::BtImprimirClick},
      {BtAjuda, "BtAjuda", QT_TR_NOOP("Ajuda"), Glif::Ajuda, &TFTaulaResum::BtAjudaClick},
      {BtTancar, "BtTancar", QT_TR_NOOP("Tancar"), Glif::Tancar, nullptr}};
  int x = 8;
  for (const Def& d : defs) {
    d.boto = Botons::Crea(this, d.nom, tr(d.text), d.glif);
    d.boto->setGeometry(x, YBotonsOrdre, 98, 30);
    x += 103;
    if (d.handler) connect(d.boto, &QPushButton::clicked, this, d.handler);
  }
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
}

void TFTaulaResum::PosaOpcions(bool AUGInicial, bool STOPFinal, std::uint16_t AminoacidsInicials,
                               std::uint16_t InformacioInicial, bool STOPsInteriors) {
  exercici.PosaOpcions(AUGInicial, STOPFinal, AminoacidsInicials, InformacioInicial,
                       STOPsInteriors);
}

// ---------------------------------------------------------------------------
// Showing the exercise

void TFTaulaResum::Mostra(const TCella* contestada) {
  MostraEtiquetesDNA();
  MostraCelles();
  MostraSelectors();
  MostraErrors();
  AnunciaCella(contestada);
}

// The selected cell is where the student's letters go: screen readers hear
// it, after the answer just given, whenever either changes.
void TFTaulaResum::AnunciaCella(const TCella* contestada) {
  if (!exercici.EntradaActiva() || exercici.ColumnaActual() == 0) return;
  TCella* actual = Celles[exercici.FilaActual()][exercici.ColumnaActual() - 1];
  Teclat::AnunciaCella(actual, contestada && contestada != actual ? contestada->accessibleName()
                                                                   : QString());
}

// Back to the table after a command: Space writes a blank there again.
void TFTaulaResum::TornaALaTaula() { BEspai->setFocus(Qt::OtherFocusReason); }

// The row names: fixed labels when the transcribed strand is given, selectors
// the student must set in the fragments mode.
void TFTaulaResum::MostraEtiquetesDNA() {
  const bool fragments = exercici.ModeFragments();
  LbDNA1->setText(exercici.FilaTranscrita() == 0 ? Transcrita() : Complementaria());
  LbDNA2->setText(exercici.FilaTranscrita() == 1 ? Transcrita() : Complementaria());
  LbDNA1->setVisible(!fragments);
  LbDNA2->setVisible(!fragments);
  QComboBox* noms[2] = {CBDNA1, CBDNA2};
  for (int r = 0; r < 2; ++r) {
    const QSignalBlocker bloqueig(noms[r]);
    noms[r]->setVisible(fragments);
    noms[r]->setCurrentIndex(exercici.Etiqueta(r));
    noms[r]->setEnabled(!exercici.Acabat());
    Estils::PosaSelector(noms[r], false, exercici.EtiquetaErronia(r));
  }
}

void TFTaulaResum::MostraCelles() {
  for (std::uint16_t fila = 0; fila < TaulaResum::NombreFiles; ++fila)
    for (std::uint16_t p = 1; p <= TaulaResum::NombrePosicions; ++p)
      Celles[fila][p - 1]->Mostra(
          QString::fromStdString(TaulaResum::TextCela(exercici.Resposta(fila, p))),
          EstilCela(exercici.Estat(fila, p)), exercici.Erronia(fila, p));
}

void TFTaulaResum::MostraSelectors() {
  const bool entrada = !exercici.Acabat();
  for (int i = 0; i < TaulaResum::NombreSelectors; ++i) {
    QComboBox* cb = Selectors[i];
    const QSignalBlocker bloqueig(cb);
    cb->setCurrentIndex(exercici.Selector(i));
    cb->setEnabled(entrada && !exercici.SelectorDonat(i));
    Estils::PosaSelector(cb, exercici.SelectorDonat(i), exercici.SelectorErroni(i));
  }
  for (int k = 1; k <= 6; ++k)
    SBAminoacid[k - 1]->setEnabled(entrada && !exercici.SelectorDonat(k));
  for (QPushButton* b : {BAdenina, BGuanina, BCitosina, BTimina, BUracil, B5, B3})
    b->setEnabled(entrada);
}

void TFTaulaResum::MostraErrors() {
  LbErrorsComesos->setText(tr("Errors comesos: %1").arg(exercici.ErrorsComesos()));
  LbErrorsPendents->setText(tr("Errors pendents: %1").arg(exercici.ErrorsPendents()));
  PnErrorsPendents->setVisible(!exercici.Acabat());
  LbAvaluacio->setVisible(exercici.Acabat());
  LbAvaluacio->setText(exercici.Acabat()
                           ? Idioma::Model(TaulaResum::Avaluacio(exercici.ErrorsComesos()))
                           : QString());
}

// ---------------------------------------------------------------------------
// Handlers

void TFTaulaResum::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

// Every opening starts a fresh exercise.
void TFTaulaResum::FormActivate() {
  exercici.GeneraExercici();
  Mostra();
  BEspai->setFocus();
}

// The focus goes where the typed letters are taken, unless the table is done.
void TFTaulaResum::SeleccionaCela(std::uint16_t fila, std::uint16_t posicio) {
  exercici.SeleccionaCela(fila, posicio);
  Mostra();
  if (exercici.EntradaActiva()) BEspai->setFocus();
}

void TFTaulaResum::CBEnter() {
  exercici.DesseleccionaCela();
  Mostra();
}

void TFTaulaResum::BotoBaseClick(char lletra) {
  const bool triada = exercici.EntradaActiva() && exercici.ColumnaActual() != 0;
  const TCella* contestada =
      triada ? Celles[exercici.FilaActual()][exercici.ColumnaActual() - 1] : nullptr;
  exercici.EntraLletra(lletra);
  Mostra(contestada);
}

void TFTaulaResum::ComprovaSelector(int i, int item) {
  exercici.ComprovaSelector(i, item);
  Mostra();
}

void TFTaulaResum::ComprovaEtiquetaDNA(int r, int item) {
  exercici.ComprovaEtiquetaDNA(r, item);
  Mostra();
}

// The code table as a picker: the codon clicked gives the slot's amino acid,
// as if the student had chosen it in the list.
void TFTaulaResum::TriaDeLaTaula(int k) {
  if (const auto codo = FTaula->TriaCodo()) ComprovaSelector(k, RBGlobal::AminoacidCodo(*codo));
  TornaALaTaula();
}

void TFTaulaResum::BtUnAltreClick() {
  exercici.GeneraExercici();
  Mostra();
  TornaALaTaula();
}

void TFTaulaResum::BtTornemhiClick() {
  exercici.Tornemhi();
  Mostra();
  TornaALaTaula();
}

void TFTaulaResum::BtOpcionsClick() {
  if (Dialegs::Executa(FOpcionsTaulaResum) == QDialog::Accepted) {
    exercici.GeneraExercici();
    Mostra();
  }
  TornaALaTaula();
}

void TFTaulaResum::BtVeureTaulaClick() {
  Dialegs::Executa(FTaula);
  TornaALaTaula();
}
void TFTaulaResum::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }
void TFTaulaResum::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }

// A selector taking the focus stops base input. On the blank button, where
// the focus sits while the student types, the arrow keys move the selection.
bool TFTaulaResum::eventFilter(QObject* objecte, QEvent* e) {
  if (objecte != BEspai) {
    if (e->type() == QEvent::FocusIn) CBEnter();
  } else if (e->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(e)->key();
    const int files = tecla == Qt::Key_Up ? -1 : tecla == Qt::Key_Down ? 1 : 0;
    const int posicions = tecla == Qt::Key_Left ? -1 : tecla == Qt::Key_Right ? 1 : 0;
    if (files != 0 || posicions != 0) {
      exercici.MouSeleccio(files, posicions);
      Mostra();
      return true;
    }
  }
  return QDialog::eventFilter(objecte, e);
}

// The base buttons also answer to their bare letter, without Alt, when the
// focused control has no use for it (the focus sits on the blank button
// after a cell click).
void TFTaulaResum::keyPressEvent(QKeyEvent* e) {
  if (!Botons::PremPerTecla(e, TeclesBases)) QDialog::keyPressEvent(e);
}
