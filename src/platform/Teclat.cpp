#include "platform/Teclat.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QSet>

namespace {

// The answer cells, and in each window the cell last announced and what
// was said of it. An entry goes when its object does.
QSet<const QObject*>& CellesMarcades() {
  static QSet<const QObject*> celles;
  return celles;
}
struct TAnunci {
  QPointer<QWidget> Cella;
  QString Text;
};
QHash<const QObject*, TAnunci>& Anuncis() {
  static QHash<const QObject*, TAnunci> anuncis;
  return anuncis;
}

// Eats the wheel over a closed list; the open list scrolls as usual.
class TFiltreRoda : public QObject {
 protected:
  bool eventFilter(QObject* objecte, QEvent* e) override {
    if (e->type() == QEvent::Wheel) {
      e->ignore();
      return true;
    }
    return QObject::eventFilter(objecte, e);
  }
};

// A non-editable list as screen readers should get it: Qt on Linux gives
// the item shown as its name, so "Aminoàcid 3" would be heard as "Ala".
// The item shown is its value and its text.
class TAccessibleLlista : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TAccessibleLlista(QComboBox* llista)
      : QAccessibleWidget(llista, QAccessible::ComboBox) {}
  QComboBox* Llista() const { return static_cast<QComboBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Llista()->currentText();
    if (t == QAccessible::Name && !Llista()->accessibleName().isEmpty())
      return Llista()->accessibleName();
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QStringList actionNames() const override {
    return {showMenuAction(), pressAction(), setFocusAction()};
  }
  void doAction(const QString& accio) override {
    if (accio == showMenuAction() || accio == pressAction())
      Llista()->showPopup();
    else
      QAccessibleWidget::doAction(accio);
  }

  // The item shown, read-only.
  QString text(int inici, int fi) const override {
    return Llista()->currentText().mid(inici, fi - inici);
  }
  int characterCount() const override { return int(Llista()->currentText().size()); }
  void selection(int, int* inici, int* fi) const override { *inici = *fi = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* inici, int* fi) const override {
    *inici = 0;
    *fi = characterCount();
    return {};
  }
};

// An answer cell: it takes the screen reader's focus when announced, so that
// its name (place, letter, verdict) is read as the student answers.
class TAccessibleCella : public QAccessibleWidget {
 public:
  explicit TAccessibleCella(QWidget* cella) : QAccessibleWidget(cella, QAccessible::Cell) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    s.focused = Teclat::CellaAnunciada(widget()->window()) == widget() &&
                widget()->window()->isActiveWindow();
    return s;
  }
};

QAccessibleInterface* Fabrica(const QString& classe, QObject* objecte) {
  if (!objecte || !objecte->isWidgetType()) return nullptr;
  if (CellesMarcades().contains(objecte))
    return new TAccessibleCella(static_cast<QWidget*>(objecte));
  if (classe == QLatin1String("QComboBox"))
    if (auto* llista = qobject_cast<QComboBox*>(objecte); llista && !llista->isEditable())
      return new TAccessibleLlista(llista);
  return nullptr;
}

void InstallaFabrica() {
  static const bool installada = [] {
    QAccessible::installFactory(Fabrica);
    return true;
  }();
  (void)installada;
}

}  // namespace

namespace Teclat {

void PreparaLlista(QComboBox* llista) {
  InstallaFabrica();
  static TFiltreRoda* filtre = new TFiltreRoda;
  llista->installEventFilter(filtre);
  llista->setFocusPolicy(Qt::StrongFocus);  // the wheel gives no focus either
}

void MarcaCella(QWidget* cella) {
  InstallaFabrica();
  if (CellesMarcades().contains(cella)) return;
  CellesMarcades().insert(cella);
  QObject::connect(cella, &QObject::destroyed, [cella] { CellesMarcades().remove(cella); });
}

QWidget* CellaAnunciada(const QWidget* finestra) {
  const auto anunci = Anuncis().constFind(finestra);
  return anunci == Anuncis().cend() ? nullptr : anunci->Cella.data();
}

void AnunciaCella(QWidget* cella, const QString& resposta) {
  QWidget* finestra = cella->window();
  const QString anunci = resposta + QLatin1Char('\n') + cella->accessibleName();
  if (CellaAnunciada(finestra) == cella && Anuncis().value(finestra).Text == anunci) return;
  if (!Anuncis().contains(finestra))
    QObject::connect(finestra, &QObject::destroyed, [finestra] { Anuncis().remove(finestra); });
  Anuncis()[finestra] = {cella, anunci};
  if (cella->accessibleDescription() != resposta) cella->setAccessibleDescription(resposta);
  QAccessibleEvent focus(cella, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

TGuardaFocus::TGuardaFocus(QWidget* finestra, QList<QWidget*> finals,
                           std::function<QWidget*()> treball)
    : QObject(finestra), finestra(finestra), finals(std::move(finals)), treball(std::move(treball)) {
  connect(qApp, &QApplication::focusChanged, this, &TGuardaFocus::FocusCanviat);
}

void TGuardaFocus::FocusCanviat(QWidget* abans, QWidget* ara) {
  if (!ara || ara->window() != finestra) return;
  // Qt moves the focus on by itself when the focused control is disabled
  // or hidden; the student moves it from a control that still works.
  const bool empes = abans && abans->window() == finestra &&
                     (!abans->isEnabled() || !abans->isVisibleTo(finestra));
  perAlumne = !empes && finals.contains(ara);
  if (empes) anterior = nullptr;
}

void TGuardaFocus::Reposa() {
  QWidget* focus = finestra->focusWidget();
  const bool perdut = !focus || !focus->isEnabled() || !focus->isVisibleTo(finestra);
  // Moved onto an end button during the step, and not by the student.
  const bool empes = finals.contains(focus) && focus != anterior && !perAlumne;
  anterior = focus;
  if (!perdut && !empes) return;
  QWidget* desti = treball();
  if (desti && desti->isEnabled() && desti->isVisibleTo(finestra)) {
    desti->setFocus(Qt::OtherFocusReason);
  } else if (focus && finals.contains(focus)) {
    focus->clearFocus();
  }
  anterior = finestra->focusWidget();
}

}  // namespace Teclat
