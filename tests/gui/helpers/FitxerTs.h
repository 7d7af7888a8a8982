// A Qt translation file (.ts) read as the tests need it: each message's
// context, source and translations (one per plural form), and its type.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TMissatgeTs {
  QString Context;
  QString Font;
  QStringList Traduccions;  // numerus forms, or the one translation
  QString Tipus;            // "", "unfinished", "vanished", "obsolete"
};

// The messages of `cami`; `error` says why it could not be read.
QList<TMissatgeTs> LlegeixTs(const QString& cami, QString* error = nullptr);
