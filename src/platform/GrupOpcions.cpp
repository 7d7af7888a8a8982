#include "platform/GrupOpcions.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QGridLayout>

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
}

int TGrupOpcions::NombreItems() const { return static_cast<int>(grup->buttons().size()); }

int TGrupOpcions::ItemIndex() const { return grup->checkedId(); }

void TGrupOpcions::PosaItemIndex(int index) {
  if (QAbstractButton* boto = grup->button(index)) boto->setChecked(true);
}

QRadioButton* TGrupOpcions::Item(int index) const {
  return static_cast<QRadioButton*>(grup->button(index));
}
