#include "platform/Ajuda.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Dialegs.h"
#include "platform/Dibuixos.h"
#include "platform/Idioma.h"
#include "platform/Llocs.h"

namespace {
constexpr QSize MidaPreferida(620, 520), MidaMinima(300, 300);
}  // namespace

TFitxerAjuda TFitxerAjuda::Analitza(const QString& contingut) {
  static const QRegularExpression capcalera(QStringLiteral("^@\\s*(\\d+)\\s+(.*)$"));
  TFitxerAjuda f;
  int actual = -1;
  QStringList linies = contingut.split(QLatin1Char('\n'));
  if (!linies.isEmpty() && linies.last().isEmpty()) linies.removeLast();
  for (const QString& linia : linies) {
    const QString neta = linia.endsWith(QLatin1Char('\r')) ? linia.chopped(1) : linia;
    const auto m = capcalera.match(neta);
    if (m.hasMatch()) {
      actual = m.captured(1).toInt();
      if (!f.Temes.contains(actual)) f.Ordre.append(actual);
      f.Temes[actual] = {m.captured(2).trimmed(), QString()};
    } else if (actual >= 0) {
      f.Temes[actual].Text += neta + QLatin1Char('\n');
    } else if (neta.startsWith(QLatin1Char('%'))) {
      f.Titol = neta.mid(1).trimmed();
    }
  }
  return f;
}

QString TFitxerAjuda::Contingut() const {
  QString md = QStringLiteral("# %1\n\n").arg(Titol);
  for (int context : Ordre)
    md += QStringLiteral("- [%1](tema:%2)\n").arg(Temes[context].Titol).arg(context);
  return md;
}

TFAjuda::TFAjuda(QWidget* pare, const QString& cami)
    : QDialog(pare, Qt::Window), cami(cami.isEmpty() ? Ajuda::CamiFitxer() : cami) {
  setObjectName(QStringLiteral("FAjuda"));
  setWindowTitle(tr("Ajuda de Ribolia"));
  resize(MidaPreferida);
  TBAjuda = new QTextBrowser(this);
  TBAjuda->setObjectName(QStringLiteral("TBAjuda"));
  TBAjuda->setAccessibleName(tr("Text de l'ajuda"));
  TBAjuda->setOpenLinks(false);
  BtIndex = new QPushButton(tr("Í&ndex"), this);
  BtIndex->setObjectName(QStringLiteral("BtIndex"));
  BtEnrere = new QPushButton(tr("&Enrere"), this);
  BtEnrere->setObjectName(QStringLiteral("BtEnrere"));
  BtTancar = new QPushButton(Dibuixos::Icona(Dibuixos::Glif::Tancar), tr("&Tancar"), this);
  BtTancar->setObjectName(QStringLiteral("BtTancar"));
  auto* botons = new QHBoxLayout;
  botons->addWidget(BtIndex);
  botons->addWidget(BtEnrere);
  botons->addStretch();
  botons->addWidget(BtTancar);
  auto* capa = new QVBoxLayout(this);
  capa->addLayout(botons);
  capa->addWidget(TBAjuda);
  connect(TBAjuda, &QTextBrowser::anchorClicked, this, &TFAjuda::EnllacClick);
  connect(BtIndex, &QPushButton::clicked, this, &TFAjuda::BtIndexClick);
  connect(BtEnrere, &QPushButton::clicked, this, &TFAjuda::BtEnrereClick);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::close);
}

bool TFAjuda::CarregaFitxer() {
  if (carregat) return true;
  QFile f(cami);
  if (!f.open(QIODevice::ReadOnly)) {
    Dialegs::Missatge(parentWidget(), tr("No s'ha pogut obrir el fitxer d'ajuda «Ribolia.hlp»."),
                      QMessageBox::Warning);
    return false;
  }
  fitxer = TFitxerAjuda::Analitza(QString::fromUtf8(f.readAll()));
  carregat = true;
  return true;
}

bool TFAjuda::MostraTema(int context) {
  if (!CarregaFitxer()) return false;
  if (!fitxer.Temes.contains(context)) {
    Dialegs::Missatge(parentWidget(),
                      tr("El fitxer d'ajuda no té cap tema amb el número %1.").arg(context),
                      QMessageBox::Warning);
    return false;
  }
  const TTemaAjuda& tema = fitxer.Temes[context];
  Mostra(context, tema.Titol, QStringLiteral("# %1\n\n%2").arg(tema.Titol, tema.Text));
  return true;
}

bool TFAjuda::MostraContingut() {
  if (!CarregaFitxer()) return false;
  Mostra(0, tr("Índex"), fitxer.Contingut());
  return true;
}

void TFAjuda::Mostra(int context, const QString& titol, const QString& markdown) {
  if (isVisible() && context != temaActual) historia.append(temaActual);
  temaActual = context;
  TBAjuda->setMarkdown(markdown);
  setWindowTitle(tr("Ajuda de Ribolia: %1").arg(titol));
  BtEnrere->setEnabled(!historia.isEmpty());
  Presenta();
}

// Help must answer even while a modal window is open: the viewer becomes a
// window of whichever modal window is active, so it is not blocked by it.
void TFAjuda::Presenta() {
  QWidget* amo = QApplication::activeModalWidget();
  if (amo == this) amo = parentWidget();
  const bool nouAmo = parentWidget() != amo;
  if (nouAmo) {
    const bool visible = isVisible();
    setParent(amo, Qt::Window);
    if (visible) show();
  }
  // Beside the window it explains, so that both can be read at once.
  QWidget* explicada = amo ? amo : QApplication::activeWindow();
  if ((nouAmo || !isVisible()) && explicada && explicada != this && explicada->screen())
    PosaAlCostat(explicada);
  show();
  raise();
  activateWindow();
}

// Beside the window where there is room, else narrower; never over its buttons.
void TFAjuda::PosaAlCostat(const QWidget* explicada) {
  QList<QRect> botons;
  for (const QAbstractButton* b : explicada->findChildren<QAbstractButton*>())
    if (b->isVisible()) botons.append(QRect(b->mapToGlobal(QPoint(0, 0)), b->size()));
  const QSize marc = frameGeometry().size() - size();
  const QRect lloc = LlocAlCostat(explicada->frameGeometry(), botons, MidaPreferida + marc,
                                  MidaMinima + marc, explicada->screen()->availableGeometry());
  resize(lloc.size() - marc);
  move(lloc.topLeft());
}

void TFAjuda::OblidaHistoria() {
  historia.clear();
  BtEnrere->setEnabled(false);
}

void TFAjuda::EnllacClick(const QUrl& url) {
  const QString desti = url.scheme() == QLatin1String("tema") ? url.path() : url.fragment();
  bool ok = false;
  const int context = desti.toInt(&ok);
  if (ok) MostraTema(context);
}

void TFAjuda::BtIndexClick() { MostraContingut(); }

void TFAjuda::BtEnrereClick() {
  if (historia.isEmpty()) return;
  const int anterior = historia.takeLast();
  const int abans = historia.size();
  if (anterior == 0)
    MostraContingut();
  else
    MostraTema(anterior);
  historia.resize(abans);  // going back does not add to the history
  BtEnrere->setEnabled(!historia.isEmpty());
}

namespace Ajuda {

QString CamiFitxer() {
  const QString catala = QStringLiteral("Ribolia.hlp");
  QString cami;
  if (Idioma::Actual() != QLatin1String("ca"))
    cami = Idioma::CamiRecurs(QStringLiteral("Ribolia.%1.hlp").arg(Idioma::Actual()));
  if (cami.isEmpty()) cami = Idioma::CamiRecurs(catala);
  return cami.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(catala) : cami;
}

TFAjuda* Finestra() {
  // Owned by the window it was last shown over, so it may go with it.
  static QPointer<TFAjuda> finestra;
  if (!finestra) finestra = new TFAjuda;
  return finestra;
}

void AlPremerF1(QWidget* finestra, std::function<void()> accio) {
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), finestra);
  QObject::connect(f1, &QShortcut::activated, finestra, std::move(accio));
}

void MostraTema(int context) {
  if (Finestra()->MostraTema(context)) Finestra()->OblidaHistoria();
}
void MostraContingut() {
  if (Finestra()->MostraContingut()) Finestra()->OblidaHistoria();
}

}  // namespace Ajuda
