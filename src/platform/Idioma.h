// The program's language: Catalan (the source of every text), Spanish or
// English. Qt's own texts (file dialogs, standard buttons) follow it; money,
// numbers and dates keep the Catalan look in every language.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace Idioma {

// The codes of the three languages, Catalan first.
inline const QStringList Codis = {QStringLiteral("ca"), QStringLiteral("es"), QStringLiteral("en")};

// The language to use: the one chosen in the menu (`desat`, empty when none),
// else the first of the system's languages (most preferred first, as
// "es_ES.UTF-8" or "en") that the program speaks, else Catalan.
QString Tria(const QString& desat, const QStringList& sistema);
// The system's languages, most preferred first: LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG.
QStringList IdiomesSistema();

// The choice remembered from the menu ("ca", "es", "en"; empty when none).
QString Desat();
// Remembers a choice for the next start.
void Desa(const QString& codi);
// The language in use since Prepara.
QString Actual();

// A translation file (ribolia_es.qm) or help file: the first folder that has
// it among $RIBOLIA_DIR_AJUDA, the executable's, the installed data folder
// and the source tree; empty when none has it.
QString CamiRecurs(const QString& nom);

// `text` (a source text of `context`) in the language `codi`, whether or not
// it is the one in use; the source text when there is no translation.
QString TextEn(const QString& codi, const char* context, const char* text);

// Before the QApplication exists: the file dialogs write dates in the
// system's locale, which becomes Catalan for them unless it already is.
void PreparaEntorn();

// Sets the program's names and the Catalan locale, and loads Qt's and the
// program's translations for the language chosen (Catalan under the tests'
// QStandardPaths test mode, whatever the machine says). Called once, after
// the Q(Core)Application exists.
void Prepara();

// The one translation point for texts that come from the Qt-free model
// (UTF-8 Catalan): its catalogue names and its messages, in context "Model".
QString Model(const std::string& text);

}  // namespace Idioma
