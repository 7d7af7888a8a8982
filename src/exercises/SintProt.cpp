#include "exercises/SintProt.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "exercises/OpcSinPr.h"
#include "experiments/Taula.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Cella.h"
#include "platform/Dialegs.h"
#include "platform/DibuixosRibosoma.h"
#include "platform/Estils.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Teclat.h"

using namespace SintesiProteines;

TFSintProt* FSintProt = nullptr;

namespace {

constexpr int ContextAjuda = 140;
// The scene is composed off screen and drawn at this corner of the window.
constexpr QPoint OrigenEscena(100, 24);
constexpr QSize MidaEscena(521, 201);
constexpr int AmpleCella = 24, AltCella = 20, YRNAm = 204;

// The large subunit and its name, which stands outside it below the way the
// tRNAs and the release factor come in, where nothing passes over it.
constexpr QPoint LlocSubunitatGran(240, 40);
constexpr QPoint LlocNomSubunitat(490, 186);

QPoint AFinestra(TPunt p) { return {p.x, p.y}; }

QFont Negreta(int pixels, const char* familia = "DejaVu Sans") {
  QFont f(QString::fromLatin1(familia));
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

// Yellow while it awaits input, otherwise the button face; a wrong entry
// in red type.
Estils::Cella Estat(TMarca marca) {
  return marca.Demanada ? Estils::Cella::Seleccionada : Estils::Cella::Normal;
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction

TFSintProt::TFSintProt(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FSintProt"));
  setWindowTitle(tr("Exercici de síntesi de proteïnes"));
  setWindowFlags(windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
}

void TFSintProt::ConstrueixFinestra() {
  setFixedSize(634, 394);
  CreaTitols();
  CreaRNAm();
  CreaRNAts();
  CreaCadena();
  CreaBotonsBases();
  CreaErrors();
  CreaBotonsOrdre();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(120);
  Connecta();
  // The keyboard stays on the base buttons, or on the amino-acid picker when
  // it is asked; the commands that end the exercise hold it only when the
  // student takes it there.
  guardaFocus =
      new Teclat::TGuardaFocus(this, {BtRepetir, BtUnAltre, BtOpcions, BtTancar}, [this] {
        if (exercici.BasesActives()) return static_cast<QWidget*>(BAdenina);
        if (exercici.SelectorVisible()) return static_cast<QWidget*>(SBAaRNAt);
        return static_cast<QWidget*>(nullptr);
      });
}

TCella* TFSintProt::Cella(QWidget* pare, const QString& nom, const QString& lloc, int amplada,
                          int alcada) {
  auto* cella = new TCella(pare, nom, lloc);
  cella->resize(amplada, alcada);
  cella->PosaFons(palette().color(QPalette::Button));
  cella->Mostra(QString(), Estils::Cella::Normal, false);
  return cella;
}

// The pictures and the fixed part of the scene (the window's colour and the
// large subunit), drawn at the first opening: the program creates all its
// windows at start, and most runs never open this one.
void TFSintProt::DibuixaEscena() {
  fons = QPixmap(MidaEscena);
  fons.fill(palette().color(QPalette::Window));
  QPainter p(&fons);
  p.drawPixmap(LlocSubunitatGran - OrigenEscena, DibuixosRibosoma::SubunitatGran());
  p.drawPixmap(LlocNomSubunitat - OrigenEscena, DibuixosRibosoma::NomSubunitatGran());
  p.end();
  rnat = DibuixosRibosoma::RNAt();
  factor = DibuixosRibosoma::FactorAlliberament();
  marcador3 = DibuixosRibosoma::Marcador(true);
  marcador5 = DibuixosRibosoma::Marcador(false);
  subunitatPetita = DibuixosRibosoma::SubunitatPetita();
}

void TFSintProt::CreaTitols() {
  LbNomFase = new QLabel(this);
  LbNomFase->setObjectName(QStringLiteral("LbNomFase"));
  LbNomFase->setGeometry(8, 2, 400, 22);
  LbNomFase->setFont(Negreta(17, "DejaVu Serif"));
  LbInstruccions = new QLabel(this);
  LbInstruccions->setObjectName(QStringLiteral("LbInstruccions"));
  LbInstruccions->setGeometry(8, 28, 230, 36);
  LbInstruccions->setWordWrap(true);
  LbInstruccions->setFont(Negreta(12));
  LbInstruccions->setStyleSheet(QStringLiteral("color: rgb(20, 60, 140);"));
}

// Cell i stands 24 pixels right of cell i - 1, cell 1 at the window's edge.
void TFSintProt::CreaRNAm() {
  PnRNAm = new QFrame(this);
  PnRNAm->setObjectName(QStringLiteral("PnRNAm"));
  PnRNAm->setGeometry(0, YRNAm, AmpleCella * CellesRNAm, AmpleCella);
  QFont lletra = Negreta(15, "DejaVu Sans Mono");
  for (int i = 1; i <= CellesRNAm; ++i) {
    TCella* cella = Cella(PnRNAm, QStringLiteral("STRNAm%1").arg(i),
                          tr("Posició %1 de l'RNAm").arg(i), AmpleCella, AmpleCella);
    cella->move(AmpleCella * (i - 1), 0);
    cella->setFont(lletra);
    STRNAm[i - 1] = cella;
  }
}

void TFSintProt::CreaRNAts() {
  for (int slot = 1; slot <= 2; ++slot) {
    for (int i = 1; i <= 3; ++i) {
      TCella* cella =
          Cella(this, QStringLiteral("STRNAt%1%2").arg(slot).arg(i),
                tr("Posició %1 de l'anticodó de l'RNAt %2").arg(i).arg(slot), AmpleCella, AltCella);
      cella->setFont(Negreta(14, "DejaVu Sans Mono"));
      Teclat::MarcaCella(cella);
      STRNAt[slot - 1][i - 1] = cella;
    }
    TCella* aa = Cella(this, QStringLiteral("STAaRNAt%1").arg(slot),
                       tr("Aminoàcid de l'RNAt %1").arg(slot), AmpleResidu, AltCella);
    aa->setFont(Negreta(12));
    Teclat::MarcaCella(aa);
    STAaRNAt[slot - 1] = aa;
  }
  SBAaRNAt = new QToolButton(this);
  SBAaRNAt->setObjectName(QStringLiteral("SBAaRNAt"));
  SBAaRNAt->setIcon(Dibuixos::Icona(Dibuixos::Glif::TaulaCodi));
  SBAaRNAt->setIconSize(QSize(20, 20));
  SBAaRNAt->setGeometry(604, 22, 26, 24);
  SBAaRNAt->setShortcut(QKeySequence(Qt::ALT | Qt::Key_T));
  SBAaRNAt->setToolTip(
      tr("Tria a la taula del codi genètic l'aminoàcid que porta aquest RNAt (Alt+T)."));
  SBAaRNAt->setAccessibleName(tr("Triar a la taula del codi genètic l'aminoàcid d'aquest RNAt"));
}

void TFSintProt::CreaCadena() {
  for (int d = 1; d <= MaxCadena; ++d) {
    TCella* residu = Cella(this, QStringLiteral("STAminoacid%1").arg(d),
                           tr("Aminoàcid %1 de la cadena").arg(d), AmpleResidu, AltCella);
    residu->setFont(Negreta(12));
    residu->hide();
    STAminoacid[d - 1] = residu;
  }
}

void TFSintProt::CreaBotonsBases() {
  TeclesBases = Botons::CreaBases(
      this, {{'A', BAdenina}, {'G', BGuanina}, {'C', BCitosina}, {'U', BUracil}},
      [this](char lletra) { EntraLletra(lletra); });
  int i = 0;
  for (const auto& [tecla, boto] : TeclesBases) {
    boto->setGeometry(8 + 128 * (i % 2), 242 + 34 * (i / 2), 122, 28);
    ++i;
  }
}

void TFSintProt::CreaErrors() {
  GBErrors = new QGroupBox(tr("Errors"), this);
  GBErrors->setObjectName(QStringLiteral("GBErrors"));
  GBErrors->setGeometry(466, 236, 160, 72);
  // A layout, so that the counter shown alone stands at the top.
  auto* capa = new QVBoxLayout(GBErrors);
  for (QLabel** lb : {&LbErrorsAa, &LbErrorsAnticodo}) {
    *lb = new QLabel(GBErrors);
    capa->addWidget(*lb);
  }
  capa->addStretch();
  LbErrorsAa->setObjectName(QStringLiteral("LbErrorsAa"));
  LbErrorsAnticodo->setObjectName(QStringLiteral("LbErrorsAnticodo"));
}

void TFSintProt::CreaBotonsOrdre() {
  using Dibuixos::Glif;
  BtRepetir = Botons::Crea(this, "BtRepetir", tr("Tornem-hi"), Glif::Repetir);
  BtUnAltre = Botons::Crea(this, "BtUnAltre", tr("Un altre"), Glif::UnAltre);
  BtOpcions = Botons::Crea(this, "BtOpcions", tr("Opcions..."), Glif::Opcions);
  BtVeureTaula = Botons::Crea(this, "BtVeureTaula", tr("Veure Taula"), Glif::TaulaCodi);
  BtImprimir = Botons::Crea(this, "BtImprimir", tr("&Imprimir"), Glif::Imprimir);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Ajuda"), Glif::Ajuda);
  BtTancar = Botons::Crea(this, "BtTancar", tr("Tancar"), Glif::Tancar);
  int x = 6;
  for (QPushButton* b :
       {BtRepetir, BtUnAltre, BtOpcions, BtVeureTaula, BtImprimir, BtAjuda, BtTancar}) {
    b->setGeometry(x, 354, 86, 32);
    x += 89;
  }
  Botons::AjustaFila(
      {BtRepetir, BtUnAltre, BtOpcions, BtVeureTaula, BtImprimir, BtAjuda, BtTancar});
}

void TFSintProt::Connecta() {
  connect(BtRepetir, &QPushButton::clicked, this, &TFSintProt::BtRepetirClick);
  connect(BtUnAltre, &QPushButton::clicked, this, &TFSintProt::BtUnAltreClick);
  connect(BtOpcions, &QPushButton::clicked, this, &TFSintProt::BtOpcionsClick);
  connect(BtVeureTaula, &QPushButton::clicked, this, &TFSintProt::BtVeureTaulaClick);
  connect(BtImprimir, &QPushButton::clicked, this, &TFSintProt::BtImprimirClick);
  connect(BtAjuda, &QPushButton::clicked, this, &TFSintProt::BtAjudaClick);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
  connect(SBAaRNAt, &QToolButton::clicked, this, &TFSintProt::SBAaRNAtClick);
  connect(Timer1, &QTimer::timeout, this, &TFSintProt::Timer1Timer);
  // F1 is the help button's key: it waits, as the button does, while a tRNA moves.
  Ajuda::AlPremerF1(this, [this] {
    if (BtAjuda->isEnabled()) BtAjudaClick();
  });
}

// ---------------------------------------------------------------------------
// Showing the exercise

void TFSintProt::Mostra(const QLabel* contestada) {
  LbNomFase->setText(Idioma::Model(NomFase(exercici.Fase())));
  LbInstruccions->setText(Idioma::Model(exercici.Instruccio()));
  LbInstruccions->setVisible(!exercici.Instruccio().empty());
  MostraRNAm();
  MostraRNAt(1);
  MostraRNAt(2);
  MostraCadena();
  MostraControls();
  ComposaEscena();
  update(QRect(OrigenEscena, MidaEscena));
  // The scene is painted, not a control: the window tells what it shows.
  const QString escena = tr("Ribosoma: %1. %2").arg(LbNomFase->text(), LbInstruccions->text());
  if (escena != accessibleDescription()) setAccessibleDescription(escena);
  guardaFocus->Reposa();
  if (QLabel* actual = CellaDemanada())
    Teclat::AnunciaCella(actual, contestada && contestada != actual ? contestada->accessibleName()
                                                                     : QString());
}

// The anticodon cell or the amino acid the exercise asks for, if any.
QLabel* TFSintProt::CellaDemanada() const {
  for (int slot = 1; slot <= 2; ++slot) {
    const TRNAt& r = exercici.RNAt(slot);
    for (int i = 1; i <= 3; ++i)
      if (r.MarquesCelles[i - 1].Demanada && r.Visible) return STRNAt[slot - 1][i - 1];
    if (r.MarcaAminoacid.Demanada && r.AminoacidVisible) return STAaRNAt[slot - 1];
  }
  return nullptr;
}

void TFSintProt::MostraRNAm() {
  for (int i = 1; i <= CellesRNAm; ++i) {
    const bool marcada = i >= 13 && i <= 18 && exercici.CellaMarcada(i);
    STRNAm[i - 1]->Mostra(QString(QChar::fromLatin1(exercici.LletraCella(i))),
                          Estat({marcada, false}), false);
  }
}

// The cells and the label go where the tRNA stands; the label may show
// while its tRNA still waits hidden at the entry.
void TFSintProt::MostraRNAt(int slot) {
  const TRNAt& r = exercici.RNAt(slot);
  for (int i = 1; i <= 3; ++i) {
    TCella* cella = STRNAt[slot - 1][i - 1];
    cella->move(AFinestra(PosicioCellaAnticodo(r.Posicio, i)));
    const TMarca marca = r.MarquesCelles[i - 1];
    cella->Mostra(QString(QChar::fromLatin1(r.Celles[i - 1])), Estat(marca), marca.Erronia);
    cella->setVisible(r.Visible);
  }
  TCella* aa = STAaRNAt[slot - 1];
  aa->move(AFinestra(PosicioAminoacid(r.Posicio)));
  aa->Mostra(Idioma::Model(r.Aminoacid), Estat(r.MarcaAminoacid), r.MarcaAminoacid.Erronia);
  aa->setVisible(r.AminoacidVisible);
  aa->raise();
}

void TFSintProt::MostraCadena() {
  for (int d = 1; d <= MaxCadena; ++d) {
    TCella* residu = STAminoacid[d - 1];
    const bool visible = d <= exercici.NombreAminoacids();
    if (visible) {
      residu->Mostra(Idioma::Model(exercici.Residu(d)), Estils::Cella::Normal, false);
      residu->move(AFinestra(exercici.PosicioResidu(d)));
      residu->raise();
    }
    residu->setVisible(visible);
  }
}

// While a tRNA or the release factor moves the timer runs and every
// command waits; the base buttons work only while an anticodon is asked.
void TFSintProt::MostraControls() {
  for (QPushButton* b : {BAdenina, BGuanina, BCitosina, BUracil})
    b->setEnabled(exercici.BasesActives());
  const bool ordres = exercici.OrdresActives();
  for (QPushButton* b :
       {BtVeureTaula, BtRepetir, BtUnAltre, BtOpcions, BtImprimir, BtAjuda, BtTancar})
    b->setEnabled(ordres);
  SBAaRNAt->setVisible(exercici.SelectorVisible());
  const TOpcions& o = exercici.Opcions();
  LbErrorsAa->setText(tr("Aminoàcids: %1").arg(exercici.ErrorsAminoacids()));
  LbErrorsAa->setVisible(o.DemanaAminoacids);
  LbErrorsAnticodo->setText(tr("Anticodons: %1").arg(exercici.ErrorsAnticodons()));
  LbErrorsAnticodo->setVisible(o.DemanaAnticodons);
  if (exercici.EsperaAra() == Espera::Moviment) {
    if (!Timer1->isActive() && isVisible()) Timer1->start();
    setCursor(Qt::WaitCursor);
  } else {
    Timer1->stop();
    unsetCursor();
  }
}

// Every visible tRNA with the markers at the ends of its anticodon, then the
// release factor, over the fixed background.
void TFSintProt::ComposaEscena() {
  if (fons.isNull()) return;  // not opened yet
  escena = fons;
  QPainter p(&escena);
  using T = TFigura::Tipus;
  for (const TFigura& f : Figures(exercici)) {
    const QPoint lloc = f.lloc.topLeft() - OrigenEscena;
    switch (f.tipus) {
      case T::RNAt: p.drawPixmap(lloc, rnat); break;
      case T::Marcador3: p.drawPixmap(lloc, marcador3); break;
      case T::Marcador5: p.drawPixmap(lloc, marcador5); break;
      case T::Factor: p.drawPixmap(lloc, factor); break;
      default: break;  // fixed in the background, or a label of its own
    }
  }
}

std::vector<TFSintProt::TFigura> TFSintProt::Figures(const TExercici& e) {
  using T = TFigura::Tipus;
  std::vector<TFigura> figures;
  const QRect p = DibuixosRibosoma::LletraLloc('P'), a = DibuixosRibosoma::LletraLloc('A');
  figures.push_back({T::LletraP, 0, p.translated(LlocSubunitatGran)});
  figures.push_back({T::LletraA, 0, a.translated(LlocSubunitatGran)});
  figures.push_back(
      {T::NomSubunitat, 0, QRect(LlocNomSubunitat, DibuixosRibosoma::NomSubunitatGran().size())});
  for (int slot : {1, 2}) {
    const TRNAt& r = e.RNAt(slot);
    if (r.Visible) {
      const QPoint lloc = AFinestra(r.Posicio);
      figures.push_back({T::RNAt, slot, QRect(lloc, DibuixosRibosoma::MidaRNAt)});
      for (bool extrem3 : {true, false})
        figures.push_back({extrem3 ? T::Marcador3 : T::Marcador5, slot,
                           QRect(lloc + DibuixosRibosoma::LlocMarcador(extrem3), DibuixosRibosoma::MidaMarcador)});
      for (int i = 1; i <= 3; ++i)
        figures.push_back({T::Cella, slot,
                           QRect(AFinestra(PosicioCellaAnticodo(r.Posicio, i)),
                                 QSize(AmpleCella, AltCella))});
    }
    if (r.AminoacidVisible)
      figures.push_back({T::Aminoacid, slot,
                         QRect(AFinestra(PosicioAminoacid(r.Posicio)), QSize(AmpleResidu, AltCella))});
  }
  if (e.Visible(Objecte::Factor))
    figures.push_back({T::Factor, 0, QRect(AFinestra(e.Posicio(Objecte::Factor)), DibuixosRibosoma::MidaFactor)});
  for (int d = 1; d <= e.NombreAminoacids(); ++d)
    figures.push_back(
        {T::Residu, 0, QRect(AFinestra(e.PosicioResidu(d)), QSize(AmpleResidu, AltCella))});
  return figures;
}

void TFSintProt::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter p(this);
  p.drawPixmap(272, 232, subunitatPetita);
  p.drawPixmap(OrigenEscena, escena);
  // The messenger's ends, under its first and last cells: it is read 5' to 3'.
  p.setFont(Negreta(11));
  const int fi = AmpleCella * CellesRNAm;
  p.drawText(QRect(2, YRNAm + AmpleCella, 30, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("5'"));
  p.drawText(QRect(fi - 32, YRNAm + AmpleCella, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("3'"));
}

// ---------------------------------------------------------------------------
// Handlers

void TFSintProt::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

// Closed in the middle of a move: no tick may reach the hidden window.
void TFSintProt::hideEvent(QHideEvent* e) {
  if (!e->spontaneous()) {
    Timer1->stop();
    unsetCursor();
  }
  QDialog::hideEvent(e);
}

// Every opening starts on a new mRNA.
void TFSintProt::FormActivate() {
  if (fons.isNull()) DibuixaEscena();
  exercici.NouExercici();
  Mostra();
}

void TFSintProt::BtUnAltreClick() {
  exercici.NouExercici();
  Mostra();
}

void TFSintProt::BtRepetirClick() {
  exercici.Reinicia();
  Mostra();
}

void TFSintProt::BtOpcionsClick() {
  if (Dialegs::Executa(FOpcionsSintesiProteines) == QDialog::Accepted) exercici.NouExercici();
  Mostra();
}

void TFSintProt::BtVeureTaulaClick() { Dialegs::Executa(FTaula); }
void TFSintProt::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }
void TFSintProt::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }

void TFSintProt::EntraLletra(char lletra) {
  const QLabel* contestada = CellaDemanada();
  exercici.EntraLletra(lletra);
  Mostra(contestada);
}

void TFSintProt::SBAaRNAtClick() {
  if (exercici.EsperaAra() != Espera::Aminoacid) return;
  const auto codo = FTaula->TriaCodo();
  const QLabel* contestada = CellaDemanada();
  if (codo) exercici.TriaAminoacid(*codo);
  Mostra(codo ? contestada : nullptr);
}

void TFSintProt::Timer1Timer() {
  if (!isVisible()) {
    Timer1->stop();
    return;
  }
  exercici.Tic();
  Mostra();
}

// The base buttons also answer to their bare letter, without Alt; Shift or
// Caps Lock give the same letters.
void TFSintProt::keyPressEvent(QKeyEvent* e) {
  if (!Botons::PremPerTecla(e, TeclesBases)) QDialog::keyPressEvent(e);
}
