#include "platform/GrupOpcions.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TGrupOpcions::TGrupOpcions(const char* nom, const QString& titol, const QStringList& items,
                           QWidget* pare)
    : QGroupBox(titol, pare), grup(new QButtonGroup(this)), capa(new QVBoxLayout(this)) {
  setObjectName(QString::fromLatin1(nom));
  connect(grup, &QButtonGroup::idClicked, this, &TGrupOpcions::Click);
  PosaItems(items);
}

void TGrupOpcions::PosaItems(const QStringList& items) {
  for (QAbstractButton* boto : grup->buttons()) {
    grup->removeButton(boto);
    delete boto;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* boto = new QRadioButton(items[i], this);
    boto->setObjectName(objectName() + QString::number(i));
    grup->addButton(boto, i);
    capa->addWidget(boto);
  }
}

int TGrupOpcions::NombreItems() const { return static_cast<int>(grup->buttons().size()); }

int TGrupOpcions::ItemIndex() const { return grup->checkedId(); }

void TGrupOpcions::PosaItemIndex(int index) {
  if (QAbstractButton* boto = grup->button(index)) boto->setChecked(true);
}

QRadioButton* TGrupOpcions::Item(int index) const {
  return static_cast<QRadioButton*>(grup->button(index));
}
