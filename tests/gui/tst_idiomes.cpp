// Every window, in each language the program speaks: no text is cut by the
// width of its control, measured with the font the control uses, and no two
// controls of a window answer to the same Alt key. The language comes from
// RIBOLIA_IDIOMA_PROVA ("ca", "es" or "en"): a translation is installed
// before the windows exist, so each language runs in a process of its own.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "helpers/Entorn.h"
#include "helpers/Recorregut.h"
#include "mainwindow/Rbmain.h"

using Recorregut::Nom;

namespace {

// Width of a text as its control draws it: line by line, with the mnemonic's
// ampersand only where the control turns it into an underline.
int Amplada(const QWidget* w, const QString& text, bool mnemonic = true) {
  return w->fontMetrics().size(mnemonic ? Qt::TextShowMnemonic : 0, text).width();
}

QString Tallat(const QWidget* w, const QString& text, int cal, int hiHa) {
  return QStringLiteral("%1 \"%2\" (cal %3 px, n'hi ha %4)").arg(Nom(w), text).arg(cal).arg(hiHa);
}

// What a button leaves for its caption and icon: inside the frame of a push
// or tool button, beside the mark of a check or radio box.
int EspaiBoto(const QAbstractButton* b) {
  if (qobject_cast<const QToolButton*>(b))
    return b->width() - 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
  QStyleOptionButton opcio;
  opcio.initFrom(b);
  opcio.text = b->text();
  auto element = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(b)) element = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(b)) element = QStyle::SE_RadioButtonContents;
  if (auto* p = qobject_cast<const QPushButton*>(b); p && (p->isDefault() || p->autoDefault()))
    opcio.features |= QStyleOptionButton::AutoDefaultButton;
  return b->style()->subElementRect(element, &opcio, b).width();
}

// A caption with its icon beside it, or under it for a tool button so set.
int AmpladaBoto(const QAbstractButton* b) {
  const auto* eina = qobject_cast<const QToolButton*>(b);
  const auto estil = eina ? eina->toolButtonStyle() : Qt::ToolButtonTextBesideIcon;
  const int text = Amplada(b, b->text());
  if (b->icon().isNull() || estil == Qt::ToolButtonTextOnly) return text;
  if (estil == Qt::ToolButtonTextUnderIcon) return std::max(text, b->iconSize().width());
  return text + b->iconSize().width() + 4;
}

int EspaiLlista(const QComboBox* c) {
  QStyleOptionComboBox opcio;
  opcio.initFrom(c);
  opcio.editable = c->isEditable();
  opcio.frame = c->hasFrame();
  return c->style()
      ->subControlRect(QStyle::CC_ComboBox, &opcio, QStyle::SC_ComboBoxEditField, c)
      .width();
}

bool TitolCap(const QGroupBox* g) {
  QStyleOptionGroupBox opcio;
  opcio.initFrom(g);
  opcio.text = g->title();
  opcio.lineWidth = 1;
  opcio.textAlignment = g->alignment();
  opcio.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (g->isCheckable()) opcio.subControls |= QStyle::SC_GroupBoxCheckBox;
  QRect titol =
      g->style()->subControlRect(QStyle::CC_GroupBox, &opcio, QStyle::SC_GroupBoxLabel, g);
  if (g->isCheckable())
    titol |=
        g->style()->subControlRect(QStyle::CC_GroupBox, &opcio, QStyle::SC_GroupBoxCheckBox, g);
  return g->rect().contains(titol);
}

// The texts of a visible control that do not fit it; none for a control
// without text or one that wraps its text.
QStringList Tallats(QWidget* w) {
  QStringList tallats;
  auto comprova = [&](const QString& text, int cal, int hiHa) {
    if (!text.isEmpty() && cal > hiHa) tallats << Tallat(w, text, cal, hiHa);
  };
  if (auto* l = qobject_cast<QLabel*>(w)) {
    const bool ric = l->textFormat() == Qt::RichText ||
                     (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (!l->wordWrap() && !ric)
      comprova(l->text(), Amplada(l, l->text(), l->buddy()),
               l->contentsRect().width() - 2 * l->margin());
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    const auto* eina = qobject_cast<QToolButton*>(w);
    if (!(eina && eina->toolButtonStyle() == Qt::ToolButtonIconOnly && !eina->icon().isNull()))
      comprova(b->text(), AmpladaBoto(b), EspaiBoto(b));
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    if (!g->title().isEmpty() && !TitolCap(g)) tallats << Tallat(w, g->title(), 0, g->width());
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    const int icona = c->iconSize().width() + 4;
    for (int i = 0; i < c->count(); ++i)
      comprova(c->itemText(i),
               Amplada(c, c->itemText(i), false) + (c->itemIcon(i).isNull() ? 0 : icona),
               EspaiLlista(c));
  } else if (auto* t = qobject_cast<QTabBar*>(w)) {
    if (t->shape() == QTabBar::RoundedNorth || t->shape() == QTabBar::TriangularNorth)
      for (int i = 0; i < t->count(); ++i)
        comprova(t->tabText(i), t->sizeHint().width(), t->width());
  } else if (auto* m = qobject_cast<QMenuBar*>(w)) {
    comprova(m->actions().constLast()->text(), m->sizeHint().width(), m->width());
  } else if (auto* h = qobject_cast<QHeaderView*>(w); h && h->orientation() == Qt::Horizontal) {
    // A table's column titles, each within its column.
    for (int i = 0; i < h->count(); ++i)
      if (!h->isSectionHidden(i))
        comprova(h->model()->headerData(i, Qt::Horizontal).toString(), h->sectionSizeHint(i),
                 h->sectionSize(i));
  }
  return tallats;
}

// The Alt keys of a window's visible, enabled controls, each with the
// controls that answer to it.
QMap<QKeySequence, QStringList> Dreceres(QWidget* finestra) {
  QMap<QKeySequence, QStringList> dreceres;
  auto afegeix = [&](const QString& text, const QString& nom) {
    if (const QKeySequence tecla = QKeySequence::mnemonic(text); !tecla.isEmpty())
      dreceres[tecla] << nom;
  };
  for (QWidget* w : finestra->findChildren<QWidget*>()) {
    if (w->window() != finestra || !w->isVisible() || !w->isEnabled()) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) afegeix(b->text(), Nom(w));
    if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy() && l->buddy()->isEnabled())
      afegeix(l->text(), Nom(w));
    if (auto* g = qobject_cast<QGroupBox*>(w)) afegeix(g->title(), Nom(w));
    if (auto* t = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < t->count(); ++i)
        if (t->isTabEnabled(i)) afegeix(t->tabText(i), Nom(w) + '/' + t->tabText(i));
    if (auto* m = qobject_cast<QMenuBar*>(w))
      for (QAction* a : m->actions())
        if (a->isVisible()) afegeix(a->text(), a->text());
  }
  return dreceres;
}

// Two texts the class window was given that share Alt+C: pressing it moves
// between the two buttons, and Enter or Space then clicks the one chosen.
bool Exempt(const QWidget* finestra, const QStringList& noms) {
  return finestra->objectName() == QLatin1String("FClasse") &&
         QSet<QString>(noms.begin(), noms.end()) ==
             QSet<QString>{QStringLiteral("BtAfegirCarpeta"), QStringLiteral("BtExportarCsv")};
}

// The items of a menu and of its submenus, each menu on its own.
void DreceresMenu(const QMenu* menu, QStringList& repetides) {
  QMap<QKeySequence, QStringList> dreceres;
  for (QAction* a : menu->actions()) {
    if (!a->isVisible() || a->isSeparator()) continue;
    if (const QKeySequence tecla = QKeySequence::mnemonic(a->text()); !tecla.isEmpty())
      dreceres[tecla] << a->text();
    if (a->menu()) DreceresMenu(a->menu(), repetides);
  }
  for (auto it = dreceres.cbegin(); it != dreceres.cend(); ++it)
    if (it.value().size() > 1) repetides << menu->title() + ": " + it.value().join(" / ");
}

}  // namespace

class TestIdiomes : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QString idioma = qEnvironmentVariable("RIBOLIA_IDIOMA_PROVA", QStringLiteral("ca"));
    QVERIFY2(QStringList({"ca", "es", "en"}).contains(idioma), qPrintable(idioma));
    static QTranslator programa, qt;
    if (idioma != QLatin1String("ca")) {
      const QString dir = qEnvironmentVariable("RIBOLIA_DIR_TRADUCCIONS",
                                               QCoreApplication::applicationDirPath() + "/../src");
      if (!programa.load("ribolia_" + idioma, dir))
        QSKIP(qPrintable(QStringLiteral("No hi ha ribolia_%1.qm a %2: cal construir-lo abans")
                             .arg(idioma, dir)));
      if (!qt.load("qtbase_" + idioma, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qWarning("Sense la traducció de Qt a %s", qPrintable(idioma));
    }
    Entorn::Prepara([] {
      QCoreApplication::installTranslator(&qt);
      QCoreApplication::installTranslator(&programa);
    });
  }

  void everyTextFitsAndEveryMnemonicIsUnique_data() {
    QTest::addColumn<QWidget*>("finestra");
    QTest::addColumn<QString>("pas");
    for (const auto& [f, pas] : Recorregut::Passos())
      QTest::newRow(qPrintable((f->objectName() + ' ' + pas).trimmed())) << f << pas;
  }
  void everyTextFitsAndEveryMnemonicIsUnique() {
    QFETCH(QWidget*, finestra);
    QFETCH(QString, pas);
    Recorregut::Mostra(finestra, pas);
    QVERIFY(QTest::qWaitForWindowExposed(finestra));
    QStringList errors;
    for (QWidget* w : finestra->findChildren<QWidget*>())
      if (w->window() == finestra && w->isVisible())
        for (const QString& tallat : Tallats(w)) errors << "no hi cap: " + tallat;
    const auto dreceres = Dreceres(finestra);
    for (auto it = dreceres.cbegin(); it != dreceres.cend(); ++it)
      if (it.value().size() > 1 && !Exempt(finestra, it.value()))
        errors << it.key().toString() + " repetida: " + it.value().join(", ");
    finestra->hide();
    QVERIFY2(errors.isEmpty(), qPrintable(Nom(finestra) + ":\n  " + errors.join("\n  ")));
  }

  void menuMnemonicsAreUnique() {
    QStringList repetides;
    for (QAction* a : FPrincipal->menuBar()->actions())
      if (a->menu()) DreceresMenu(a->menu(), repetides);
    QVERIFY2(repetides.isEmpty(), qPrintable(repetides.join("\n")));
  }
};

QTEST_MAIN(TestIdiomes)
#include "tst_idiomes.moc"
