#include "exercises/DNAComplementari.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "platform/Ajuda.h"
#include "platform/Cella.h"
#include "platform/Dibuixos.h"
#include "platform/Estils.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Teclat.h"

using Complementaria::Fase;
using Complementaria::TExercici;

TFDNAComplementari* FDNAComplementari = nullptr;

namespace {

// Geometry of the scene: cell i of both rows stands at x = 32 i - 8.
constexpr int AmpleCella = 33, AltCella = 41;
constexpr int YPlantilla = 80, YNova = 160;
constexpr int AmpleEnzim = 92, AltEnzim = 44;
int XCella(int i) { return 32 * i - 8; }

const QColor FonsDNA(222, 233, 248), FonsRNA(226, 244, 226), FonsPlantilla(236, 236, 228);
const QColor DNAPolimerasa(38, 132, 150), RNAPolimerasa(128, 72, 160);

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLabel* Etiqueta(QWidget* pare, const char* nom, const QString& text, int x, int y) {
  auto* etiqueta = new QLabel(text, pare);
  etiqueta->setObjectName(QString::fromLatin1(nom));
  etiqueta->move(x, y);
  return etiqueta;
}

QFont Negreta(int pixels) {
  QFont f;
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

// --- Glyphs of the buttons that the shared set does not have

QPixmap Llenc() {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A light bulb: watch how it is done.
QIcon GlifDemostracio() {
  QPixmap pixmap = Llenc();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(150, 110, 20));
  p.setBrush(QColor(250, 215, 60));
  p.drawEllipse(QRectF(4, 1, 12, 12));
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(QRectF(7, 13, 6, 5));
  p.drawLine(7, 15, 13, 15);
  return QIcon(pixmap);
}

// The polymerase: a rounded body whose open mouth, the active site, faces
// the cursor cell; mirrored when the strand grows leftwards.
QPixmap DibuixaEnzim(const QColor& color, bool boca_a_lesquerra) {
  QPixmap pixmap(AmpleEnzim, AltEnzim);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (!boca_a_lesquerra) {
    p.translate(AmpleEnzim, 0);
    p.scale(-1, 1);
  }
  QPainterPath cos;
  cos.addRoundedRect(QRectF(6, 1, AmpleEnzim - 8, AltEnzim - 2), 18, 18);
  QPainterPath boca;
  boca.addEllipse(QPointF(4, AltEnzim / 2.0), 9, 8);
  QLinearGradient degradat(0, 0, 0, AltEnzim);
  degradat.setColorAt(0, color.lighter(145));
  degradat.setColorAt(1, color.darker(115));
  p.setPen(QPen(color.darker(150), 1.2));
  p.setBrush(degradat);
  p.drawPath(cos.subtracted(boca));
  return pixmap;
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction

TFDNAComplementari::TFDNAComplementari(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FDNAComplementari"));
  setWindowTitle(tr("Exercici de construcció d'un DNA complementari"));
}

void TFDNAComplementari::ConstrueixFinestra() {
  setFixedSize(625, 346);
  CreaCelles();
  CreaEnzim();
  CreaInformacio();
  CreaBotonsEntrada();
  CreaBotonsOrdre();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(2000);
  Connecta();
  // The keyboard stays on the placing buttons; Tornem-hi, Un altre and
  // Tancar hold it only when the student takes it there.
  guardaFocus = new Teclat::TGuardaFocus(this, {BtRepetir, BtUnAltre, BtTancar}, [this] {
    for (const auto& [tecla, b] : TeclesBases)
      if (b->isEnabled() && b->isVisibleTo(this)) return b;
    return static_cast<QPushButton*>(nullptr);
  });
  PreparaReplicacio();
  exercici.IniciaExercici();
  MostraPlantilla();
  Mostra();
}

TCella* TFDNAComplementari::Cella(const char* prefix, const QString& lloc, int i, int y) {
  auto* cella =
      new TCella(this, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i), lloc.arg(i));
  cella->setGeometry(XCella(i), y, AmpleCella, AltCella);
  QFont lletra(QStringLiteral("DejaVu Sans Mono"));
  lletra.setStyleHint(QFont::Monospace);
  lletra.setPixelSize(22);
  lletra.setBold(true);
  cella->setFont(lletra);
  return cella;
}

void TFDNAComplementari::CreaCelles() {
  LbCadenaLlegida = Etiqueta(this, "LbCadenaLlegida", QString(), XCella(1), YPlantilla - 20);
  LbCadenaLlegida->setFont(Negreta(13));
  for (int i = 1; i <= 18; ++i) {
    STDNA[i - 1] = Cella("STDNA", tr("Posició %1 de la cadena motlle"), i, YPlantilla);
    STDNA[i - 1]->PosaFons(FonsPlantilla);
    STCompl[i - 1] = Cella("STCompl", tr("Posició %1 de la cadena nova"), i, YNova);
    Teclat::MarcaCella(STCompl[i - 1]);
  }
  LbNovaCadena = Etiqueta(this, "LbNovaCadena", QString(), 64, YNova + AltCella + 4);
  LbNovaCadena->setFont(Negreta(13));
}

void TFDNAComplementari::CreaEnzim() {
  PnEnzim = new QFrame(this);
  PnEnzim->setObjectName(QStringLiteral("PnEnzim"));
  PnEnzim->setFrameShape(QFrame::NoFrame);
  PnEnzim->setGeometry(0, YNova, AmpleEnzim, AltEnzim);
  PnEnzim->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image1 = Etiqueta(PnEnzim, "Image1", QString(), 0, 0);
  Image1->setFixedSize(AmpleEnzim, AltEnzim);
  LbEnzim = Etiqueta(PnEnzim, "LbEnzim", QString(), 14, 0);
  LbEnzim->setFixedSize(AmpleEnzim - 20, AltEnzim);
  LbEnzim->setAlignment(Qt::AlignCenter);
  LbEnzim->setWordWrap(true);
  LbEnzim->setFont(Negreta(11));
  LbEnzim->setStyleSheet(QStringLiteral("color: white;"));
}

void TFDNAComplementari::CreaInformacio() {
  auto panell = [this](const char* nom, QLabel*& etiqueta, const char* nomEtiqueta,
                       const QString& text, int x, int ample) {
    auto* pn = new QFrame(this);
    pn->setObjectName(QString::fromLatin1(nom));
    pn->setFrameShape(QFrame::StyledPanel);
    pn->setFrameShadow(QFrame::Sunken);
    pn->setGeometry(x, 226, ample, 24);
    etiqueta = Etiqueta(pn, nomEtiqueta, text, 8, 4);
    etiqueta->setFixedWidth(ample - 12);
    return pn;
  };
  PnErrorsComesos = panell("PnErrorsComesos", LbErrorsComesos, "LbErrorsComesos",
                           tr("Errors comesos: "), XCella(1), 170);
  PnErrorsPendents = panell("PnErrorsPendents", LbErrorsPendents, "LbErrorsPendents",
                            tr("Errors a la nova cadena:"), XCella(1) + 180, 210);
  LbAvaluacio = Etiqueta(this, "LbAvaluacio", QString(), 8, 256);
  LbAvaluacio->setFixedSize(609, 42);
  LbAvaluacio->setAlignment(Qt::AlignCenter);
  LbAvaluacio->setWordWrap(true);
  LbAvaluacio->setFont(Negreta(14));
  LbAvaluacio->setStyleSheet(QStringLiteral("color: rgb(20, 60, 140);"));
}

void TFDNAComplementari::CreaBotonsEntrada() {
  TeclesBases = Botons::CreaBases(this,
                                  {{'A', BAdenina},
                                   {'G', BGuanina},
                                   {'C', BCitosina},
                                   {'T', BTimina},
                                   {'U', BUracil},
                                   {'5', B5},
                                   {'3', B3}},
                                  [this](char lletra) { BotoBaseClick(lletra); });
  BHidrolitzar = Botons::Crea(this, "BHidrolitzar", tr("&Hidrolitzar"));
  TeclesBases.emplace_back(Qt::Key_H, BHidrolitzar);
  int x = 10;
  for (const auto& [tecla, boto] : TeclesBases) {
    boto->setGeometry(x, 12, boto == BHidrolitzar ? 90 : 68, 28);
    x += boto == B3 ? 86 : 72;
  }
}

void TFDNAComplementari::CreaBotonsOrdre() {
  using Dibuixos::Glif;
  struct Def {
    QPushButton*& boto;
    const char* nom;
    const char* text;
    QIcon icona;
  };
  const Def defs[] = {
      {BtRepetir, "BtRepetir", QT_TR_NOOP("Tornem-hi"), Dibuixos::Icona(Glif::Repetir)},
      {BtUnAltre, "BtUnAltre", QT_TR_NOOP("Un altre"), Dibuixos::Icona(Glif::UnAltre)},
      {BtImprimir, "BtImprimir", QT_TR_NOOP("&Imprimir"), Dibuixos::Icona(Glif::Imprimir)},
      {BtDemostracio, "BtDemostracio", QT_TR_NOOP("Demostració"), GlifDemostracio()},
      {BtAjuda, "BtAjuda", QT_TR_NOOP("Ajuda"), Dibuixos::Icona(Glif::Ajuda)},
      {BtTancar, "BtTancar", QT_TR_NOOP("Tancar"), Dibuixos::Icona(Glif::Tancar)}};
  // A row of 96-pixel buttons, "Demostració" wider so its caption shows whole.
  int x = 8;
  for (const Def& d : defs) {
    d.boto = new QPushButton(d.icona, tr(d.text), this);
    d.boto->setObjectName(QString::fromLatin1(d.nom));
    const int ample = d.boto == BtDemostracio ? 108 : 96;
    d.boto->setGeometry(x, 306, ample, 30);
    d.boto->setAutoDefault(false);
    x += ample + 4;
  }
  auto control = [this](const char* nom, const char* hint, Glif glif, int x) {
    auto* sb = new QToolButton(this);
    sb->setObjectName(QString::fromLatin1(nom));
    sb->setIcon(Dibuixos::Icona(glif));
    sb->setIconSize(QSize(20, 20));
    sb->setGeometry(x, 225, 26, 26);
    sb->setAutoRaise(true);
    sb->setToolTip(tr(hint).section(QLatin1Char('|'), 0, 0));
    sb->setAccessibleName(sb->toolTip());
    sb->hide();
    return sb;
  };
  SBPlay = control("SBPlay", QT_TR_NOOP("Continuar la demostració.|"), Glif::Play, 520);
  SBPause = control("SBPause", QT_TR_NOOP("Fer una pausa a la demostració.|"), Glif::Pausa, 548);
  SBStop = control("SBStop", QT_TR_NOOP("Aturar la demostració.|"), Glif::Atura, 576);
}

void TFDNAComplementari::Connecta() {
  connect(BHidrolitzar, &QPushButton::clicked, this, &TFDNAComplementari::BHidrolitzarClick);
  connect(BtRepetir, &QPushButton::clicked, this, &TFDNAComplementari::BtRepetirClick);
  connect(BtUnAltre, &QPushButton::clicked, this, &TFDNAComplementari::BtUnAltreClick);
  connect(BtImprimir, &QPushButton::clicked, this, &TFDNAComplementari::BtImprimirClick);
  connect(BtDemostracio, &QPushButton::clicked, this, &TFDNAComplementari::BtDemostracioClick);
  connect(BtAjuda, &QPushButton::clicked, this, &TFDNAComplementari::BtAjudaClick);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::accept);
  connect(SBPlay, &QToolButton::clicked, this, &TFDNAComplementari::SBPlayClick);
  connect(SBPause, &QToolButton::clicked, this, &TFDNAComplementari::SBPauseClick);
  connect(SBStop, &QToolButton::clicked, this, &TFDNAComplementari::SBStopClick);
  connect(Timer1, &QTimer::timeout, this, &TFDNAComplementari::Timer1Timer);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

// ---------------------------------------------------------------------------
// Modes

void TFDNAComplementari::PreparaReplicacio() {
  setWindowTitle(tr("Exercici de replicació del DNA"));
  LbCadenaLlegida->setText(tr("Cadena de DNA original"));
  LbNovaCadena->setText(tr("Cadena de DNA nova"));
  LbEnzim->setText(tr("DNA polimerasa"));
  Image1->setAccessibleName(
      tr("Dibuix de la DNA polimerasa, al costat de la casella triada de la cadena nova"));
  BHidrolitzar->setVisible(true);
  for (QLabel* l : {LbCadenaLlegida, LbNovaCadena}) l->adjustSize();
}

void TFDNAComplementari::PreparaTranscripcio() {
  setWindowTitle(tr("Exercici de transcripció"));
  LbCadenaLlegida->setText(tr("Cadena de DNA que és transcrita"));
  LbNovaCadena->setText(tr("Cadena de RNA"));
  LbEnzim->setText(tr("RNA polimerasa"));
  Image1->setAccessibleName(
      tr("Dibuix de l'RNA polimerasa, al costat de la casella triada de la cadena d'RNA"));
  BHidrolitzar->setVisible(false);
  for (QLabel* l : {LbCadenaLlegida, LbNovaCadena}) l->adjustSize();
}

int TFDNAComplementari::ContextAjuda() const { return Transcripcio ? 150 : 120; }

// ---------------------------------------------------------------------------
// Showing the exercise


void TFDNAComplementari::PintaEnzim() {
  const bool rna = exercici.Transcripcio();
  Image1->setPixmap(
      DibuixaEnzim(rna ? RNAPolimerasa : DNAPolimerasa, exercici.PrimeraOrientacio()));
  // The name sits on the body, clear of the mouth.
  LbEnzim->move(exercici.PrimeraOrientacio() ? 16 : 4, 0);
}

void TFDNAComplementari::MostraPlantilla() {
  for (int i = 1; i <= 18; ++i) {
    STDNA[i - 1]->Mostra(Q(Complementaria::TextCella(exercici.Plantilla(i))),
                         Estils::Cella::Donada, false);
  }
  // At 480 a long caption would run past the window's edge: keep it inside.
  const int x =
      exercici.PrimeraOrientacio() ? 64 : std::min(480, width() - LbNovaCadena->width() - 8);
  LbNovaCadena->move(x, LbNovaCadena->y());
  PintaEnzim();
}

void TFDNAComplementari::Mostra(const QLabel* contestada) {
  MostraNovaCadena();
  CompteErrors();
  SituaEnzim();
  HabilitaControls();
  LbAvaluacio->setText(Idioma::Model(exercici.Missatge()));
  update();  // the pairing bonds between the rows
  guardaFocus->Reposa();
  // The cursor cell is where the next letter goes: screen readers hear it,
  // after the answer just given.
  const int p = exercici.Posicio();
  if (exercici.FaseActual() == Fase::Acabat || p < 1 || p > 18) return;
  QLabel* actual = STCompl[p - 1];
  Teclat::AnunciaCella(actual, contestada && contestada != actual ? contestada->accessibleName()
                                                                   : QString());
}

void TFDNAComplementari::MostraNovaCadena() {
  int visibles = 0;
  for (int i = 1; i <= 18; ++i) {
    const bool visible = exercici.CellaVisible(i);
    STCompl[i - 1]->setVisible(visible);
    visibles += visible;
  }
  LbNovaCadena->setVisible(visibles > 2);
}

// A wrong letter in red type, on the cell's usual background.
void TFDNAComplementari::MostraCella(int i) {
  TCella* cella = STCompl[i - 1];
  const bool cursor = i == exercici.Posicio() && exercici.FaseActual() != Fase::Acabat;
  cella->PosaFons(exercici.Transcripcio() ? FonsRNA : FonsDNA);
  cella->Mostra(Q(Complementaria::TextCella(exercici.Nova(i))),
                cursor ? Estils::Cella::Seleccionada : Estils::Cella::Normal, exercici.Erronia(i));
}

void TFDNAComplementari::CompteErrors() {
  LbErrorsComesos->setText(tr("Errors comesos: %1").arg(exercici.ErrorsComesos()));
  for (int i = 1; i <= 18; ++i) MostraCella(i);
  LbErrorsPendents->setText(tr("Errors a la nova cadena: %1").arg(exercici.ErrorsPendents()));
}

// Just past the cursor cell in the direction of growth, on the new row.
// By the last cells there is no room left there: the enzyme then stays at
// the window's edge, between the two strands, so it hides no letter.
void TFDNAComplementari::SituaEnzim() {
  const int p = exercici.Posicio();
  const int x = exercici.PrimeraOrientacio() ? 32 * p + 28 : 32 * p - 100;
  const int dins = std::clamp(x, 0, width() - AmpleEnzim);
  PnEnzim->move(dins, dins == x ? YNova : YPlantilla + AltCella - 3);
  PnEnzim->raise();
}

void TFDNAComplementari::HabilitaControls() {
  const Complementaria::TDisponibles d = exercici.Disponibles();
  for (QPushButton* b : {BAdenina, BGuanina, BCitosina, BTimina, BUracil}) b->setEnabled(d.Bases);
  B5->setEnabled(d.Extrems);
  B3->setEnabled(d.Extrems);
  BHidrolitzar->setEnabled(d.Hidrolitzar);
  BtDemostracio->setEnabled(d.Demostracio);
  const Fase fase = exercici.FaseActual();
  LbAvaluacio->setVisible(fase != Fase::Construint);
  for (QPushButton* b : {BtRepetir, BtUnAltre, BtAjuda}) b->setEnabled(fase != Fase::Demostrant);
  for (QToolButton* sb : {SBPlay, SBPause, SBStop}) sb->setVisible(fase == Fase::Demostrant);
}

// Hydrogen bonds between each right pair: two for A-T and A-U, three for G-C.
void TFDNAComplementari::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter p(this);
  p.setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
  for (int i = 1; i <= 18; ++i) {
    const char nova = exercici.Nova(i);
    if (nova == ' ' || nova == '3' || nova == '5' || exercici.Erronia(i)) continue;
    const int ponts = nova == 'G' || nova == 'C' ? 3 : 2;
    const int centre = XCella(i) + AmpleCella / 2;
    for (int k = 0; k < ponts; ++k) {
      const int x = centre + (2 * k - (ponts - 1)) * 4;
      p.drawLine(x, YPlantilla + AltCella + 6, x, YNova - 6);
    }
  }
}

// ---------------------------------------------------------------------------
// Handlers

void TFDNAComplementari::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFDNAComplementari::hideEvent(QHideEvent* e) {
  if (!e->spontaneous()) FormDeactivate();
  QDialog::hideEvent(e);
}

// Every opening starts a new exercise on a new template.
void TFDNAComplementari::FormActivate() {
  if (Transcripcio)
    PreparaTranscripcio();
  else
    PreparaReplicacio();
  exercici.PosaTranscripcio(Transcripcio);
  exercici.GeneraCadena();
  exercici.IniciaExercici();
  MostraPlantilla();
  Mostra();
}

void TFDNAComplementari::FormDeactivate() { Timer1->stop(); }

void TFDNAComplementari::BotoBaseClick(char lletra) {
  const int p = exercici.Posicio();
  const QLabel* contestada = p >= 1 && p <= 18 ? STCompl[p - 1] : nullptr;
  exercici.Posa(lletra);
  Mostra(contestada);
}

void TFDNAComplementari::BHidrolitzarClick() {
  exercici.Hidrolitza();
  Mostra();
}

void TFDNAComplementari::BtRepetirClick() {
  exercici.IniciaExercici();
  Mostra();
}

void TFDNAComplementari::BtUnAltreClick() {
  exercici.GeneraCadena();
  exercici.IniciaExercici();
  MostraPlantilla();
  Mostra();
}

void TFDNAComplementari::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }

void TFDNAComplementari::BtDemostracioClick() {
  exercici.IniciaDemostracio();
  if (exercici.FaseActual() != Fase::Demostrant) return;
  SBPlay->setEnabled(false);
  SBPause->setEnabled(true);
  Mostra();
  Timer1->start();
}

void TFDNAComplementari::Timer1Timer() {
  exercici.Timer1Timer();
  if (exercici.FaseActual() != Fase::Demostrant) AturaDemostracio();
  Mostra();
}

void TFDNAComplementari::SBPlayClick() {
  Timer1->start();
  SBPause->setEnabled(true);
  SBPlay->setEnabled(false);
}

void TFDNAComplementari::SBPauseClick() {
  Timer1->stop();
  SBPause->setEnabled(false);
  SBPlay->setEnabled(true);
}

void TFDNAComplementari::SBStopClick() {
  exercici.AturaDemostracio();
  AturaDemostracio();
  Mostra();
}

void TFDNAComplementari::AturaDemostracio() { Timer1->stop(); }

void TFDNAComplementari::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda()); }

// The placing buttons also answer to their bare letter, without Alt; a
// hidden one (Uracil while replicating) does not.
void TFDNAComplementari::keyPressEvent(QKeyEvent* e) {
  if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier)
    for (const auto& [tecla, boto] : TeclesBases)
      if (e->key() == tecla && boto->isEnabled() && boto->isVisible()) {
        boto->click();
        return;
      }
  QDialog::keyPressEvent(e);
}
