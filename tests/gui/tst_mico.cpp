// The monkey: random clicks, keys and timer ticks on whichever window is
// active, across every window of the program, with modal windows, message
// boxes and file dialogs answered at random. After every event the research
// must still be one that "Obrir recerca" would accept, money and tubes must
// not have gone negative, and the windows must show what the research holds.
//
// RIBOLIA_MICO_EVENTS (5000) and RIBOLIA_MICO_LLAVOR (1) choose the run; the
// same pair replays it. RIBOLIA_MICO_TRACA=1 prints every event.
#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <random>

#include "Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "model/RecercaDesada.h"
#include "platform/Dialegs.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {

constexpr int MaxProfunditat = 4;  // modal windows opened one over another
constexpr int MaxRafega = 40;      // events on one modal window before it is closed

long Variable(const char* nom, long perDefecte) {
  bool ok = false;
  const long valor = qEnvironmentVariable(nom).toLong(&ok);
  return ok ? valor : perDefecte;
}

// "BtDAcord", or the class and the named window it sits in.
QString Nom(const QObject* o) {
  if (!o->objectName().isEmpty()) return o->objectName();
  QString nom = QString::fromLatin1(o->metaObject()->className());
  for (const QObject* p = o->parent(); p; p = p->parent())
    if (!p->objectName().isEmpty()) return nom + QStringLiteral(" de ") + p->objectName();
  return nom;
}

// What a student sees of each control: "+" enabled, "x" disabled, "-" hidden.
QStringList Aspecte(const QList<QObject*>& objectes) {
  QStringList s;
  for (const QObject* o : objectes) {
    if (auto* a = qobject_cast<const QAction*>(o))
      s << Nom(a) + (a->isVisible() ? (a->isEnabled() ? " +" : " x") : " -");
    else if (auto* w = qobject_cast<const QWidget*>(o))
      s << Nom(w) + (w->isHidden() ? " -" : (w->isEnabled() ? " +" : " x"));
  }
  return s;
}

struct TTecla {
  Qt::Key tecla;
  Qt::KeyboardModifiers modificadors;
};

class TMico {
 public:
  TMico(std::uint32_t llavor, long esdeveniments) : llavor(llavor), total(esdeveniments) {
    generador.seed(llavor);
    PreparaFitxers();
  }

  std::uint32_t llavor;
  long total;
  long fets = 0;
  long limit = 0;  // where the current start ends
  QString error;   // the first fault found, with how to replay it

  unsigned Dau(unsigned n) {
    return n == 0 ? 0 : std::uniform_int_distribution<unsigned>(0, n - 1)(generador);
  }
  std::uint32_t Llavor() { return generador(); }
  bool Queden() const { return fets < limit && error.isEmpty(); }

  // Starts the research the monkey plays in this stretch of the run.
  void Comenca(const QString& com, const std::function<void()>& prepara) {
    inici = com;
    prepara();
    FPrincipal->UpdateMenuItems();
    FPrincipal->ActualitzaInformacio();
    Anterior();
    Mostra(FPrincipal);
  }

  // One event on the window in front, then the checks.
  void Pas(QDialog* modal) {
    const long numero = ++fets;
    obert = false;
    Esdeveniment(Objectiu(modal));
    Assenta();
    if (!FPrincipal->isVisible()) Mostra(FPrincipal);  // it was closed: start again
    Comprova(modal, numero);
  }

  // Answers a modal window as a student would: a burst of events in it,
  // then its OK button, Escape or its close box if it is still open.
  int Modal(QDialog* d) {
    ++profunditat;
    d->setResult(QDialog::Rejected);
    d->setWindowModality(Qt::ApplicationModal);  // as exec() would
    Mostra(d);
    const int rafega = profunditat > MaxProfunditat ? 0 : int(Dau(MaxRafega + 1));
    for (int i = 0; i < rafega && d->isVisible() && Queden(); ++i) Pas(d);
    if (d->isVisible()) Tanca(d);
    --profunditat;
    Assenta();
    return d->result();
  }

  QMessageBox::StandardButton Missatge(const QString& text, QMessageBox::StandardButtons botons) {
    QList<QMessageBox::StandardButton> ofertes;
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
      if (botons.testFlag(QMessageBox::StandardButton(bit)))
        ofertes << QMessageBox::StandardButton(bit);
    const auto resposta = ofertes.isEmpty() ? QMessageBox::NoButton : ofertes[Dau(ofertes.size())];
    Traca(QStringLiteral("  missatge «%1» -> %2").arg(text.left(60)).arg(resposta));
    return resposta;
  }

  QString Fitxer(bool desar, const QString& titol) {
    const QString nom = desar ? NomDesar(titol) : NomObrir();
    Traca(QStringLiteral("  fitxer «%1» -> %2").arg(titol, nom));
    if (!desar) obert = true;
    if (desar && titol.startsWith(QStringLiteral("Desar")))
      perDesar = Dialegs::AmbExtensio(nom, QStringLiteral("*.srb"));
    return nom;
  }

 private:
  std::mt19937 generador;
  QString inici;  // how this stretch of the run began
  int profunditat = 0;
  bool obert = false;  // a file was offered to "Obrir recerca" in this event
  QString perDesar;    // the research file this event may have written
  std::int32_t diners = 0, provetes = 0;
  QStringList recents;
  QTemporaryDir dir;
  QStringList bons;  // research files this program wrote

  // -- Windows -------------------------------------------------------------

  void Mostra(QWidget* w) {
    w->show();
    w->activateWindow();
    Assenta();
  }

  // Posted events and window activation, but never a tick of the program's
  // own timers: those come only as events of the run. Outside an event loop
  // Qt keeps deferred deletions for later; the real loop runs them here.
  static void Assenta() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The modal window in front, or now and then a window it keeps beside it
  // (the help, the triplet frequencies), or the menu that is open.
  QWidget* Objectiu(QDialog* modal) {
    if (QWidget* menu = QApplication::activePopupWidget()) return menu;
    QWidget* base = modal ? static_cast<QWidget*>(modal) : FPrincipal;
    QList<QWidget*> costat;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != base && w->isVisible() && qobject_cast<QDialog*>(w) &&
          (w->parentWidget() == base || (!modal && !w->parentWidget())))
        costat << w;
    return !costat.isEmpty() && Dau(5) == 0 ? costat[Dau(costat.size())] : base;
  }

  // A button that pops a menu up runs that menu's own loop, which would
  // wait for a person; the commands it holds are reached otherwise.
  static bool ObreMenu(QWidget* w) {
    auto* b = qobject_cast<QToolButton*>(w);
    return b && (b->menu() || b->popupMode() == QToolButton::InstantPopup);
  }

  static QList<QWidget*> Controls(QWidget* finestra) {
    QList<QWidget*> controls{finestra};
    for (QWidget* w : finestra->findChildren<QWidget*>())
      if (w->window() == finestra && w->isVisible() && w->isEnabled() && !ObreMenu(w))
        controls << w;
    return controls;
  }

  template <class T>
  static QList<T*> DeTipus(const QList<QWidget*>& controls) {
    QList<T*> r;
    for (QWidget* w : controls)
      if (auto* t = qobject_cast<T*>(w)) r << t;
    return r;
  }

  // Menu items a student can reach: enabled and shown, in a menu that is too.
  static QList<QAction*> Items(QWidget* finestra) {
    QList<QAction*> items;
    auto* principal = qobject_cast<QMainWindow*>(finestra);
    if (!principal) return items;
    for (QAction* menu : principal->menuBar()->actions()) {
      if (!menu->menu() || !menu->isVisible() || !menu->isEnabled()) continue;
      for (QAction* a : menu->menu()->actions())
        if (!a->isSeparator() && a->isVisible() && a->isEnabled()) items << a;
    }
    return items;
  }

  static QList<QTimer*> Rellotges(QWidget* finestra) {
    QList<QTimer*> r;
    for (QTimer* t : finestra->findChildren<QTimer*>())
      if (!t->objectName().isEmpty() && t->isActive()) r << t;
    return r;
  }

  // -- Events --------------------------------------------------------------

  void Esdeveniment(QWidget* finestra) {
    const QList<QWidget*> controls = Controls(finestra);
    const QList<QAbstractButton*> botons = DeTipus<QAbstractButton>(controls);
    const QList<QAction*> items = Items(finestra);
    const QList<QTimer*> rellotges = Rellotges(finestra);
    const unsigned tria = Dau(100);
    if (tria < 40 && !rellotges.isEmpty()) {  // a running animation mostly runs on
      QTimer* t = rellotges[Dau(rellotges.size())];
      Anota(finestra, QStringLiteral("tic de ") + Nom(t));
      if (!QMetaObject::invokeMethod(t, "timeout")) error = QStringLiteral("no puc fer tic");
    } else if (tria < 20 && !items.isEmpty()) {
      QAction* a = items[Dau(items.size())];
      Anota(finestra, QStringLiteral("menú ") + Nom(a));
      a->trigger();
    } else if (tria < 50 && !botons.isEmpty()) {
      QAbstractButton* b = botons[Dau(botons.size())];
      Anota(finestra, QStringLiteral("prem ") + Nom(b));
      b->click();
    } else if (tria < 75) {
      Clic(controls[Dau(controls.size())], finestra);
    } else if (tria < 98) {
      Tecla(finestra);
    } else {
      Anota(finestra, QStringLiteral("tanca la finestra"));
      finestra->close();
    }
  }

  void Clic(QWidget* w, QWidget* finestra) {
    const QPoint p(int(Dau(std::max(1, w->width()))), int(Dau(std::max(1, w->height()))));
    // No right button: a context menu runs a loop of its own.
    const bool doble = Dau(10) == 0;
    Anota(finestra, QStringLiteral("%1 a %2 (%3,%4)")
                        .arg(doble ? "doble clic" : "clic", Nom(w))
                        .arg(p.x())
                        .arg(p.y()));
    if (doble)
      QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    else
      QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
  }

  TTecla TriaTecla() {
    static const Qt::Key especials[] = {
        Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,
        Qt::Key_Escape, Qt::Key_F1,      Qt::Key_Left,   Qt::Key_Right,
        Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Space,  Qt::Key_Backspace,
        Qt::Key_Delete, Qt::Key_Home,    Qt::Key_End,    Qt::Key_PageDown};
    static const char lletres[] = "ACGTUACGTUBDEFHIJKLMNOPQRSVWXYZ0123456789";
    const unsigned tria = Dau(10);
    if (tria < 4) return {especials[Dau(std::size(especials))], Qt::NoModifier};
    const auto lletra = Qt::Key(lletres[Dau(sizeof lletres - 1)]);
    if (tria < 7) return {lletra, Qt::NoModifier};
    if (tria < 9) return {lletra, Qt::AltModifier};  // mnemonics and menus
    return {lletra, Qt::ShiftModifier};
  }

  void Tecla(QWidget* finestra) {
    const TTecla t = TriaTecla();
    QWidget* focus = finestra->focusWidget();
    const bool alFocus = t.modificadors != Qt::AltModifier && t.tecla != Qt::Key_F1 && focus &&
                         focus->window() == finestra && focus->isVisible();
    QWidget* desti = alFocus ? focus : finestra;
    Anota(finestra, QStringLiteral("tecla %1 a %2")
                        .arg(QKeySequence(t.tecla | t.modificadors).toString(), Nom(desti)));
    QTest::keyClick(desti, t.tecla, t.modificadors);
    AcabaClicsAnimats(finestra);
  }

  // A mnemonic presses its button and clicks it after a blink; the click
  // belongs to this event, so the blink is cut short.
  static void AcabaClicsAnimats(QWidget* finestra) {
    for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>()) {
      if (!b->isDown()) continue;
      for (const auto& t : QAbstractEventDispatcher::instance()->registeredTimers(b)) {
        QTimerEvent tic(t.timerId);
        QCoreApplication::sendEvent(b, &tic);
      }
    }
  }

  // The button that Enter presses, when it can be pressed.
  static QPushButton* PerDefecte(QDialog* d) {
    for (QPushButton* b : d->findChildren<QPushButton*>())
      if (b->window() == d && b->isDefault() && b->isVisible() && b->isEnabled()) return b;
    return nullptr;
  }

  void Tanca(QDialog* d) {
    const unsigned forma = Dau(3);
    if (forma == 0) {
      // The default button, as often as it leads on ("Polimeritzar", then "Traduir").
      for (int i = 0; i < 3 && d->isVisible(); ++i)
        if (QPushButton* b = PerDefecte(d)) {
          Traca(QStringLiteral("  %1: %2").arg(Nom(d), Nom(b)));
          b->click();
        }
    } else if (forma == 1) {
      Traca(QStringLiteral("  %1: Escape").arg(Nom(d)));
      QTest::keyClick(d, Qt::Key_Escape);
    } else {
      Traca(QStringLiteral("  %1: es tanca").arg(Nom(d)));
      d->close();
    }
    // A window that still holds on (it asks, and the answer was no) is
    // left as a student who gives up would leave it.
    if (d->isVisible()) d->reject();
    if (d->isVisible()) d->hide();
  }

  void Anota(QWidget* finestra, const QString& que) {
    const QString text = QStringLiteral("%1 [%2] %3").arg(fets).arg(Nom(finestra), que);
    recents << text;
    if (recents.size() > 12) recents.removeFirst();
    Traca(text);
  }

  void Traca(const QString& text) {
    static const bool traca = qEnvironmentVariableIntValue("RIBOLIA_MICO_TRACA") != 0;
    if (traca) fprintf(stderr, "%s\n", qPrintable(text));
  }

  // -- Files ---------------------------------------------------------------

  QString Cami(const QString& nom) const { return dir.filePath(nom); }

  static void Escriu(const QString& cami, const QByteArray& bytes) {
    QFile f(cami);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  }

  static QByteArray Bytes(const TEstatRecerca& e) {
    const TImatge imatge = CodificaEstat(e);
    return QByteArray(reinterpret_cast<const char*>(imatge.data()), int(imatge.size()));
  }

  // Researches of every kind to open, and files that are not researches.
  void PreparaFitxers() {
    const TEstatRecerca abans = EstatRecerca;
    for (std::uint16_t centre = 0; centre < OfertesCentres.size(); ++centre) {
      EstatRecerca = TEstatRecerca{};
      EstatRecerca.TipusPartida = JocPressupost;
      EstatRecerca.Centre = centre;
      IniciaRecerca();
      bons << Cami(QStringLiteral("joc%1.srb").arg(centre));
      Escriu(bons.last(), Bytes(EstatRecerca));
    }
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.TipusPartida = CodiLliure;
    EstatRecerca.TipusCodi = 1;
    IniciaRecerca();
    bons << Cami(QStringLiteral("lliure.srb"));
    Escriu(bons.last(), Bytes(EstatRecerca));
    EstatRecerca = abans;
    Escriu(Cami(QStringLiteral("buit.srb")), {});
    Escriu(Cami(QStringLiteral("curt.srb")), QByteArray(100, 'x'));
    Escriu(Cami(QStringLiteral("nom.srb")), QByteArray());
    QDir(dir.path()).mkdir(QStringLiteral("carpeta.srb"));
  }

  QString NomObrir() {
    switch (Dau(8)) {
      case 0: return {};
      case 1: return Cami(QStringLiteral("no-hi-es.srb"));
      case 2: return Cami(QStringLiteral("carpeta.srb"));
      case 3: return Cami(Dau(2) ? QStringLiteral("buit.srb") : QStringLiteral("curt.srb"));
      case 4: return Soroll();
      case 5: return Mutat();
      default: return bons[Dau(bons.size())];
    }
  }

  QString NomDesar(const QString& titol) {
    if (!titol.startsWith(QStringLiteral("Desar")) && Dau(4) != 0) return {};  // a PDF: mostly not
    switch (Dau(6)) {
      case 0: return {};
      case 1: return Cami(QStringLiteral("nom.srb/dins.srb"));  // a folder that is a file
      case 2: return Cami(QStringLiteral("carpeta.srb"));
      case 3: return bons[Dau(bons.size())];
      default: return Cami(QStringLiteral("desada%1").arg(Dau(20)));
    }
  }

  // Random bytes of the right size or not.
  QString Soroll() {
    QByteArray bytes(int(Dau(2) ? MidaImatge : Dau(MidaImatge * 2)), '\0');
    for (char& c : bytes) c = char(Dau(256));
    const QString cami = Cami(QStringLiteral("soroll.srb"));
    Escriu(cami, bytes);
    return cami;
  }

  // A research this program wrote with a few fields overwritten: most are
  // refused, the rest open states that no playing could have reached.
  QString Mutat() {
    QFile f(bons[Dau(bons.size())]);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = f.readAll();
    const auto& camps = CampsImatge();
    for (unsigned n = 1 + Dau(3); n > 0; --n) {
      const TCampImatge& camp = camps[Dau(camps.size())];
      const std::size_t posicio = camp.Posicio + Dau(unsigned(camp.Mida));
      static const char extrems[] = {'\0', '\1', '\x7f', '\x80', '\xff'};
      for (std::size_t i = posicio; i < posicio + 1 + Dau(4) && i < std::size_t(bytes.size()); ++i)
        bytes[qsizetype(i)] = Dau(2) ? extrems[Dau(5)] : char(Dau(256));
    }
    const QString cami = Cami(QStringLiteral("mutat.srb"));
    Escriu(cami, bytes);
    return cami;
  }

  // -- Checks --------------------------------------------------------------

  void Anterior() {
    diners = EstatRecerca.Diners;
    provetes = EstatRecerca.Provetes;
  }

  // `numero`: the event just ended, which may have held the events of a
  // modal window it opened.
  void Comprova(QDialog* modal, long numero) {
    if (!perDesar.isEmpty() && QFileInfo(perDesar).isFile() && !bons.contains(perDesar) &&
        QFileInfo(perDesar).size() == qint64(MidaImatge))
      bons << perDesar;
    perDesar.clear();
    QString motiu = Incoherencia(modal);
    if (!motiu.isEmpty())
      error = QStringLiteral(
                  "RIBOLIA_MICO_LLAVOR=%1 RIBOLIA_MICO_EVENTS=%2, començant %3, "
                  "esdeveniment %4: %5\nDarrers esdeveniments:\n  %6")
                  .arg(llavor)
                  .arg(total)
                  .arg(inici)
                  .arg(numero)
                  .arg(motiu, recents.join(QStringLiteral("\n  ")));
    Anterior();
  }

  QString Incoherencia(QDialog* modal) {
    const TEstatRecerca& e = EstatRecerca;
    const TLecturaRecerca lectura = LlegeixRecerca(CodificaEstat(e));
    if (!lectura.Acceptada())
      return QStringLiteral("la recerca no s'obriria: ") + QString::fromStdString(lectura.Motiu);
    if (!(lectura.Estat == e)) return QStringLiteral("la recerca desada no s'obriria igual");
    if (!obert && ((diners >= 0 && e.Diners < 0) || (provetes >= 0 && e.Provetes < 0)))
      return QStringLiteral("diners %1 -> %2, provetes %3 -> %4")
          .arg(diners)
          .arg(e.Diners)
          .arg(provetes)
          .arg(e.Provetes);
    // Windows under this one are in the middle of a handler: only the one
    // in front has finished answering.
    if (modal)
      return modal->isVisible() ? Caixes(modal) + Comptadors(modal) + ErrorsVermells(modal)
                                : QString();
    if (QApplication::activePopupWidget()) return {};
    return Principal();
  }

  // The money and tubes lines of a laboratory window.
  static QString Caixes(QWidget* finestra) {
    const TEstatRecerca& e = EstatRecerca;
    const QString caixa = QString::fromStdString(Labs::TextCaixa(e.Diners));
    const QString provetes = QStringLiteral("Aquest mes queden  ") +
                             QString::fromStdString(FormataNombre(e.Provetes, 5));
    for (QLabel* l : finestra->findChildren<QLabel*>()) {
      if (l->window() != finestra || !l->isVisible()) continue;
      if ((l->objectName() == QLatin1String("LbCaixa") && l->text() != caixa) ||
          (l->objectName() == QLatin1String("LbProvetesRestants") && l->text() != provetes))
        return QStringLiteral("%1 de %2 diu «%3»").arg(l->objectName(), Nom(finestra), l->text());
    }
    return {};
  }

  // No count of errors goes below zero.
  static QString Comptadors(QWidget* finestra) {
    static const QRegularExpression negatiu(QStringLiteral(":\\s*-\\d"));
    for (QLabel* l : finestra->findChildren<QLabel*>())
      if (l->objectName().startsWith(QLatin1String("LbErrors")) && l->text().contains(negatiu))
        return QStringLiteral("%1 de %2 diu «%3»").arg(l->objectName(), Nom(finestra), l->text());
    return {};
  }

  // The replication exercise counts as errors in the new strand the cells
  // it shows in red.
  static QString ErrorsVermells(QWidget* finestra) {
    if (finestra->objectName() != QLatin1String("FDNAComplementari")) return {};
    auto* comptador = Fill<QLabel>(finestra, "LbErrorsPendents");
    if (!comptador->isVisible()) return {};
    int vermelles = 0;
    for (int i = 1; i <= 18; ++i) {
      auto* cella = finestra->findChild<QLabel*>(QStringLiteral("STCompl%1").arg(i));
      if (cella && cella->isVisible() && cella->palette().color(QPalette::WindowText) == Qt::red)
        ++vermelles;
    }
    const QString text = QStringLiteral("Errors a la nova cadena: %1").arg(vermelles);
    if (comptador->text() == text) return {};
    return QStringLiteral("%1 diu «%2», i hi ha %3 cel·les vermelles")
        .arg(Nom(finestra), comptador->text())
        .arg(vermelles);
  }

  // The main window, back in front, shows the research as it stands:
  // applying its rules again changes nothing on screen.
  static QString Principal() {
    QList<QObject*> objectes;
    for (QAction* a : FPrincipal->findChildren<QAction*>())
      if (!a->objectName().isEmpty()) objectes << a;
    for (QToolButton* b : FPrincipal->findChildren<QToolButton*>())
      if (b->objectName().startsWith(QLatin1String("SB"))) objectes << b;
    auto* diners = Fill<QLabel>(FPrincipal, "LbDiners");
    auto* provetes = Fill<QLabel>(FPrincipal, "LbProvetes");
    auto* panell = Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral");
    const auto vist = [&] {
      return Aspecte(objectes) + Aspecte({panell}) +
             QStringList{diners->text(), provetes->text(), panell->title()};
    };
    const QStringList abans = vist();
    FPrincipal->UpdateMenuItems();
    FPrincipal->ActualitzaInformacio();
    const QStringList despres = vist();
    QStringList diferencies;
    for (qsizetype i = 0; i < abans.size(); ++i)
      if (abans[i] != despres[i])
        diferencies << abans[i] + QStringLiteral(" (calia ") + despres[i] + ")";
    if (diferencies.isEmpty()) return {};
    return QStringLiteral("la finestra principal no mostrava la recerca: ") +
           diferencies.join(", ");
  }
};

// Named timers tick only when the monkey says so, never by the clock, so
// that a seed replays the same run.
class TAturaRellotges : public QObject {
 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    return e->type() == QEvent::Timer && qobject_cast<QTimer*>(o) && !o->objectName().isEmpty();
  }
};

}  // namespace

class TestMico : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    // The offscreen platform says so at every window shown.
    static const QtMessageHandler anterior = qInstallMessageHandler(
        [](QtMsgType tipus, const QMessageLogContext& context, const QString& text) {
          if (!text.startsWith(QLatin1String("This plugin does not support")))
            anterior(tipus, context, text);
        });
    Entorn::Prepara();
    if (!QPrinterInfo::defaultPrinter().isNull())
      QSKIP("hi ha una impressora: no s'hi ha d'imprimir");
  }

  void nothingBreaksTheResearch() {
    const auto llavor = std::uint32_t(Variable("RIBOLIA_MICO_LLAVOR", 1));
    const long total = Variable("RIBOLIA_MICO_EVENTS", 5000);
    TMico mico(llavor, total);
    TAturaRellotges atura;
    qApp->installEventFilter(&atura);
    RBGlobal::InstallaFontLlavors([&mico] { return mico.Llavor(); });
    Dialegs::InstallaManejadorModal([&mico](QDialog* d) { return mico.Modal(d); });
    Dialegs::InstallaManejadorMissatges(
        [&mico](const QString& text, QMessageBox::StandardButtons botons) {
          return mico.Missatge(text, botons);
        });
    Dialegs::InstallaManejadorFitxers(
        [&mico](bool desar, const QString& titol) { return mico.Fitxer(desar, titol); });

    // Every kind of research the program can hold, each for a share of the run.
    // A new research starts from the one before, as the program's own do.
    const auto nova = [](std::uint16_t tipus, std::uint8_t codi) {
      return [tipus, codi] {
        EstatRecerca.TipusPartida = tipus;
        EstatRecerca.TipusCodi = codi;
        IniciaRecerca();
      };
    };
    QList<QPair<QString, std::function<void()>>> inicis{
        {QStringLiteral("els exercicis"), nova(FluxInformacio, 0)},
        {QStringLiteral("el codi real"), nova(CodiLliure, 0)},
        {QStringLiteral("un codi aleatori"), nova(CodiLliure, 1)}};
    for (std::uint16_t centre = 0; centre < OfertesCentres.size(); ++centre)
      inicis.append({QStringLiteral("el joc, centre %1").arg(centre), [centre, &mico, nova] {
                       EstatRecerca.Centre = centre;
                       EstatRecerca.Oferta = std::uint16_t(mico.Dau(6));
                       nova(JocPressupost, std::uint8_t(mico.Dau(2)))();
                     }});
    // A game played long enough to own and master everything.
    inicis.append({QStringLiteral("el joc, amb tot"), [&mico, nova] {
                     EstatRecerca.Centre = std::uint16_t(mico.Dau(5));
                     nova(JocPressupost, 0)();
                     EstatRecerca.MaterialBiologic.fill(true);
                     EstatRecerca.Aparells.fill(true);
                     EstatRecerca.Reactius.fill(true);
                     EstatRecerca.TecniquesDominades.fill(true);
                   }});
    QElapsedTimer rellotge;
    rellotge.start();
    for (qsizetype i = 0; i < inicis.size() && mico.error.isEmpty(); ++i) {
      mico.limit = total * (i + 1) / inicis.size();
      RBGlobal::Sembra(mico.Llavor());
      mico.Comenca(inicis[i].first, inicis[i].second);
      while (mico.Queden()) mico.Pas(nullptr);
    }
    qApp->removeEventFilter(&atura);
    Dialegs::InstallaManejadorFitxers({});
    RBGlobal::InstallaFontLlavors({});
    Entorn::Prepara();  // the usual answers again
    qInfo("%ld esdeveniments amb la llavor %u en %.1f s", mico.fets, llavor,
          double(rellotge.elapsed()) / 1000);
    QVERIFY2(mico.error.isEmpty(), qPrintable(mico.error));
  }
};

QTEST_MAIN(TestMico)
#include "tst_mico.moc"
