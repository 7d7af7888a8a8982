#include "platform/GrupOpcions.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QRadioButton>

namespace {
const char* const NomTeclat = "TeclatOpcions";

// Qt gives tab focus to every choice until one of them has had the focus, and
// then to the one that had it last, checked or not; its arrow keys check the
// choice they reach only when the one they leave was checked. So a student
// tabbing in lands on an unchecked choice and the arrows only move the focus.
// This keeps tab focus on the checked choice alone and checks what an arrow
// reaches.
class TTeclatOpcions : public QObject {
 public:
  explicit TTeclatOpcions(QButtonGroup* grup) : QObject(grup), grup(grup) {
    setObjectName(QString::fromLatin1(NomTeclat));
    connect(grup, &QButtonGroup::buttonToggled, this, &TTeclatOpcions::PosaEntrada);
  }

  void Vigila() {
    for (QAbstractButton* boto : grup->buttons()) boto->installEventFilter(this);
    PosaEntrada();
  }

  bool eventFilter(QObject* objecte, QEvent* e) override {
    if (e->type() != QEvent::KeyPress || reenviant) return false;
    switch (static_cast<QKeyEvent*>(e)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Left:
      case Qt::Key_Right:
        break;
      default:
        return false;
    }
    // Qt moves the focus; then the choice reached is checked if Qt did not.
    reenviant = true;
    QCoreApplication::sendEvent(objecte, e);
    reenviant = false;
    auto* arribat = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (arribat && arribat != objecte && arribat->group() == grup && !arribat->isChecked())
      arribat->click();
    return e->isAccepted();
  }

 private:
  void PosaEntrada() {
    const QList<QAbstractButton*> botons = grup->buttons();
    QAbstractButton* entrada = grup->checkedButton();
    if (!entrada || !entrada->isEnabled())
      for (QAbstractButton* boto : botons)
        if (boto->isEnabled()) {
          entrada = boto;
          break;
        }
    for (QAbstractButton* boto : botons)
      boto->setFocusPolicy(boto == entrada ? Qt::StrongFocus : Qt::ClickFocus);
  }

  QButtonGroup* grup;
  bool reenviant = false;
};
}  // namespace

void EntradaPelTeclat(QButtonGroup* grup) {
  auto* teclat = static_cast<TTeclatOpcions*>(
      grup->findChild<QObject*>(QString::fromLatin1(NomTeclat), Qt::FindDirectChildrenOnly));
  if (!teclat) teclat = new TTeclatOpcions(grup);
  teclat->Vigila();
}

TGrupOpcions::TGrupOpcions(const char* nom, const QString& titol, const QStringList& items,
                           QWidget* pare, int columnes)
    : QGroupBox(titol, pare),
      grup(new QButtonGroup(this)),
      capa(new QGridLayout(this)),
      columnes(columnes < 1 ? 1 : columnes) {
  setObjectName(QString::fromLatin1(nom));
  connect(grup, &QButtonGroup::idClicked, this, &TGrupOpcions::Click);
  PosaItems(items);
}

void TGrupOpcions::PosaItems(const QStringList& items) {
  for (QAbstractButton* boto : grup->buttons()) {
    grup->removeButton(boto);
    delete boto;
  }
  const int files = (static_cast<int>(items.size()) + columnes - 1) / columnes;
  for (int i = 0; i < items.size(); ++i) {
    auto* boto = new QRadioButton(items[i], this);
    boto->setObjectName(objectName() + QString::number(i));
    grup->addButton(boto, i);
    capa->addWidget(boto, i % files, i / files);
  }
  EntradaPelTeclat(grup);
}

int TGrupOpcions::NombreItems() const { return static_cast<int>(grup->buttons().size()); }

int TGrupOpcions::ItemIndex() const { return grup->checkedId(); }

void TGrupOpcions::PosaItemIndex(int index) {
  if (QAbstractButton* boto = grup->button(index)) boto->setChecked(true);
}

QRadioButton* TGrupOpcions::Item(int index) const {
  return static_cast<QRadioButton*>(grup->button(index));
}
