// Every window can be used without a mouse and read by a screen reader:
// each control a student acts on has a name that says what it is, Tab
// reaches every control that takes the keyboard, Escape closes a dialog.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "exercises/DNAComplementari.h"
#include "exercises/SintProt.h"
#include "exercises/TaulaResum.h"
#include "experiments/Copolim.h"
#include "experiments/Polimer.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "helpers/Recorregut.h"
#include "lab/Comprar.h"
#include "lab/Invntari.h"
#include "lab/Novatecn.h"
#include "lab/Tecnica.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Cella.h"
#include "platform/GraellaText.h"

using namespace RBGlobal;
using Recorregut::Finestres;
using Recorregut::Mostra;
using Recorregut::Nom;

namespace {

// Parts of a composite control (the edit inside a spin box, the headers of a
// table) are named by the control that holds them.
bool DinsDUnControl(const QWidget* w, const QWidget* finestra) {
  for (const QWidget* p = w->parentWidget(); p && p != finestra; p = p->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QTextEdit*>(p) ||
        qobject_cast<const QPlainTextEdit*>(p))
      return true;
  return false;
}

bool Interactiu(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const TCella*>(w) ||
         qobject_cast<const TGraellaText*>(w);
}

// A name says something when it holds at least two letters or digits.
bool DiuAlgu(QString text) {
  text.remove(QLatin1Char('&'));
  int lletres = 0;
  for (QChar c : text) lletres += c.isLetterOrNumber();
  return lletres >= 2;
}

QString TextVisible(const QWidget* w, const QWidget* finestra) {
  if (const auto* eina = qobject_cast<const QToolButton*>(w);
      eina && eina->toolButtonStyle() == Qt::ToolButtonIconOnly && !eina->icon().isNull())
    return {};
  if (const auto* boto = qobject_cast<const QAbstractButton*>(w)) return boto->text();
  if (const auto* cella = qobject_cast<const QLabel*>(w)) return cella->text();
  for (const QLabel* etiqueta : finestra->findChildren<QLabel*>())
    if (etiqueta->buddy() == w) return etiqueta->text();
  return {};
}

// Controls a student can reach: the window's own, not the parts of another.
QList<QWidget*> Controls(QWidget* finestra) {
  QList<QWidget*> controls;
  for (QWidget* w : finestra->findChildren<QWidget*>())
    if (w->window() == finestra && Interactiu(w) && !DinsDUnControl(w, finestra) &&
        !w->objectName().startsWith(QLatin1String("qt_")))  // Qt's own, such as the menu bar's
      controls.append(w);
  return controls;
}

// What a screen reader gets: the name through Qt's accessibility interface,
// which for some controls is not the accessibleName property.
QString NomAccessible(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

}  // namespace

class TestAccessibilitat : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Entorn::Prepara(); }

  void everyControlHasANameAndATabStop_data() {
    QTest::addColumn<QWidget*>("finestra");
    QTest::addColumn<QString>("pas");
    for (const auto& [f, pas] : Recorregut::Passos())
      QTest::newRow(qPrintable((f->objectName() + ' ' + pas).trimmed())) << f << pas;
  }
  // Hidden controls need a name too: they show at some step of the window.
  // Tab stops once in a group of radio buttons, whose arrows move within it,
  // and never on cells, reached with the arrows from their window's keys.
  void everyControlHasANameAndATabStop() {
    QFETCH(QWidget*, finestra);
    QFETCH(QString, pas);
    Mostra(finestra, pas);
    QApplication::setActiveWindow(finestra);
    QVERIFY(QTest::qWaitForWindowActive(finestra));
    QSet<QWidget*> visitats;
    for (int i = 0; i < 400; ++i) {
      if (QWidget* focus = QApplication::focusWidget()) visitats.insert(focus);
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : finestra,
                      Qt::Key_Tab);
    }
    QStringList senseNom, noAbastats;
    for (QWidget* w : Controls(finestra)) {
      const QString nom = NomAccessible(w);
      if (!DiuAlgu(nom) && !DiuAlgu(TextVisible(w, finestra))) senseNom << Nom(w);
      // A list is heard by its meaning, then by the item shown.
      if (auto* llista = qobject_cast<QComboBox*>(w);
          llista && !llista->accessibleName().isEmpty()) {
        if (nom != llista->accessibleName()) senseNom << Nom(w) + " (" + nom + ")";
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value),
                 llista->currentText());
      }
      if (!w->isVisible() || !w->isEnabled() || visitats.contains(w) || qobject_cast<TCella*>(w) ||
          qobject_cast<TGraellaText*>(w))
        continue;
      auto* radio = qobject_cast<QRadioButton*>(w);
      const bool grupAbastat =
          radio && std::any_of(visitats.begin(), visitats.end(), [&](QWidget* v) {
            return qobject_cast<QRadioButton*>(v) && v->parentWidget() == radio->parentWidget();
          });
      if (!grupAbastat) noAbastats << Nom(w);
    }
    finestra->hide();
    QVERIFY2(senseNom.isEmpty(), qPrintable(Nom(finestra) + ": sense nom: " + senseNom.join(", ")));
    QVERIFY2(noAbastats.isEmpty(),
             qPrintable(Nom(finestra) + ": Tab no hi arriba: " + noAbastats.join(", ")));
  }

  // Whatever the student types and however the scene moves, each cell's name tells what the cell
  // shows: its letter, red type as "errònia", the yellow cursor as "triada".
  void cellNamesFollowTheCells_data() {
    QTest::addColumn<QDialog*>("finestra");
    QTest::newRow("FDNAComplementari") << static_cast<QDialog*>(FDNAComplementari);
    QTest::newRow("FTaulaResum") << static_cast<QDialog*>(FTaulaResum);
    QTest::newRow("FSintProt") << static_cast<QDialog*>(FSintProt);
  }
  void cellNamesFollowTheCells() {
    QFETCH(QDialog*, finestra);
    Mostra(finestra, QString());
    QApplication::setActiveWindow(finestra);
    QVERIFY(QTest::qWaitForWindowActive(finestra));
    Sembra(13);
    auto* timer = finestra->findChild<QTimer*>(QStringLiteral("Timer1"));
    for (int pas = 0; pas < 200; ++pas) {
      if (timer && timer->isActive())  // a move under way: one step of it
        QMetaObject::invokeMethod(finestra, "Timer1Timer");
      else
        QTest::keyClick(finestra, "AGCTU53"[Aleatori(7)]);
      for (QLabel* cella : finestra->findChildren<QLabel*>(QRegularExpression("^ST")))
        if (cella->isVisible()) {
          const QString text = cella->text().trimmed();
          const QString nom = cella->accessibleName();
          const QPalette& p = cella->palette();
          const bool coincideix =
              nom.contains(QStringLiteral(": ") + (text.isEmpty() ? "buida" : text)) &&
              nom.contains("errònia") == (p.color(QPalette::WindowText) == Qt::red) &&
              nom.contains("triada") == (p.color(QPalette::Window) == Qt::yellow);
          QVERIFY2(coincideix, qPrintable(Nom(cella) + ": " + nom));
        }
    }
    finestra->hide();
  }

  void okIsDefaultAndEscapeCloses_data() {
    QTest::addColumn<QWidget*>("finestra");
    for (QWidget* f : Finestres())
      if (f != FPrincipal) QTest::newRow(qPrintable(f->objectName())) << f;
  }
  void okIsDefaultAndEscapeCloses() {
    QFETCH(QWidget*, finestra);
    Mostra(finestra, QString());
    QApplication::setActiveWindow(finestra);
    QVERIFY(QTest::qWaitForWindowActive(finestra));
    for (auto* ok :
         finestra->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^BtDa[cC]ord$"))))
      if (ok->isVisible()) QVERIFY2(ok->isDefault(), qPrintable(Nom(finestra) + ": " + Nom(ok)));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : finestra, Qt::Key_Escape);
    QVERIFY2(!finestra->isVisible(), qPrintable(Nom(finestra) + ": Escape no la tanca"));
  }
};

QTEST_MAIN(TestAccessibilitat)
#include "tst_accessibilitat.moc"
