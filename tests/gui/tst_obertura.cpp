// Windows are built at their first showing: no window is built at start,
// and a first opening, in whatever order, looks as every later one does.
#include <QApplication>
#include <QDialog>
#include <QtTest>
#include <algorithm>

#include "helpers/Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Finestra.h"

using namespace RBGlobal;

namespace {
struct TObertura {
  QSize mida;
  QStringList controls;  // class and name of every descendant
  QString focus;
};

TObertura Obre(QDialog* d) {
  d->show();
  QApplication::setActiveWindow(d);
  if (!QTest::qWaitForWindowActive(d)) qWarning("%s no s'activa", qPrintable(d->objectName()));
  TObertura o{d->size(), {}, {}};
  for (const QObject* fill : d->findChildren<QObject*>())
    o.controls << QStringLiteral("%1 %2").arg(fill->metaObject()->className(), fill->objectName());
  std::sort(o.controls.begin(), o.controls.end());
  if (const QWidget* focus = QApplication::focusWidget()) o.focus = focus->objectName();
  d->hide();
  return o;
}
}  // namespace

class TestObertura : public QObject {
  Q_OBJECT

 private slots:
  void firstOpeningMatchesTheNext() {
    Entorn::Prepara();
    EstatRecerca.TipusPartida = CodiLliure;
    IniciaRecerca();
    QList<QDialog*> finestres = FPrincipal->findChildren<QDialog*>();
    QCOMPARE(finestres.size(), 22);
    for (QDialog* d : finestres) {
      const auto* f = qobject_cast<TFinestra*>(d);
      QVERIFY2(f && !f->Construida(), qPrintable(d->objectName()));
    }
    std::reverse(finestres.begin(), finestres.end());  // not the order they were created in
    for (QDialog* d : finestres) {
      const TObertura primera = Obre(d), segona = Obre(d);
      const QByteArray nom = d->objectName().toLatin1();
      QVERIFY2(!primera.controls.isEmpty(), nom);
      QVERIFY2(primera.mida == segona.mida, nom);
      QCOMPARE(primera.controls, segona.controls);
      QVERIFY2(primera.focus == segona.focus,
               qPrintable(d->objectName() + ": " + primera.focus + " / " + segona.focus));
    }
  }
};

QTEST_MAIN(TestObertura)
#include "tst_obertura.moc"
