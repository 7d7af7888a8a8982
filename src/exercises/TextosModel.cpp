// The texts the model gives the exercise and experiment windows, listed for
// the translation tools. The model stays free of Qt, so its texts reach the
// screen through Idioma::Model, and lupdate can find them only here; nothing
// reads this table. A message the model composes of fixed parts is listed
// whole, once for each way it can come out.
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const TextosModel[] = {
    // The replication and transcription exercise.
    QT_TRANSLATE_NOOP("Model", "El teu RNA segurament no funcionarà bé."),
    QT_TRANSLATE_NOOP("Model", "Si no és ben reparat, això produirà una mutació."),
    QT_TRANSLATE_NOOP("Model", "El teu RNA és inservible! Repassa la transcripció!"),
    QT_TRANSLATE_NOOP("Model",
                      "La cèl·lula que rebi aquest DNA ho té clar! Repassa la replicació!"),
    QT_TRANSLATE_NOOP("Model", "Així ho fan normalment les teves cèl·lules!"),
    QT_TRANSLATE_NOOP("Model", "Així ho fan normalment les teves cèl·lules! (els errors són teus)"),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon DNA, domines la replicació."),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon RNA, domines la transcripció."),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon DNA, però has de concentrar-te més."),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon RNA, però has de concentrar-te més."),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon DNA, però amb una actuació lamentable!"),
    QT_TRANSLATE_NOOP("Model", "Has aconseguit fer un bon RNA, però amb una actuació lamentable!"),
    QT_TRANSLATE_NOOP("Model", "La RNA polimerasa va afegint ribonucleòtids en sentit 5'->3'."),
    QT_TRANSLATE_NOOP("Model",
                      "La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5'->3'."),
    QT_TRANSLATE_NOOP("Model", "La DNA polimerasa hidrolitza els nucleòtids erronis."),
    QT_TRANSLATE_NOOP("Model", "Comença la nova cadena per l'extrem 5'."),
    QT_TRANSLATE_NOOP("Model", "I acaba deixant lliure l'extrem 3'."),
    QT_TRANSLATE_NOOP("Model", "Davant Adenina hi posa Timina."),
    QT_TRANSLATE_NOOP("Model", "Davant Adenina hi posa Uracil."),
    QT_TRANSLATE_NOOP("Model", "Davant Guanina hi posa Citosina."),
    QT_TRANSLATE_NOOP("Model", "Davant Citosina hi posa Guanina."),
    QT_TRANSLATE_NOOP("Model", "Davant Timina hi posa Adenina."),

    // The summary table's grades.
    QT_TRANSLATE_NOOP("Model", "Molt bé!!"),
    QT_TRANSLATE_NOOP("Model", "Ho has fet bastant bé."),
    QT_TRANSLATE_NOOP("Model", "Has d'estudiar i practicar més."),
    QT_TRANSLATE_NOOP("Model", "Una actuació lamentable!"),

    // The protein synthesis exercise: its phases and what it asks.
    QT_TRANSLATE_NOOP("Model", "Fase d'iniciació"),
    QT_TRANSLATE_NOOP("Model", "Fase d'elongació"),
    QT_TRANSLATE_NOOP("Model", "Fase de finalització"),
    QT_TRANSLATE_NOOP("Model", "Final de la síntesi de proteïnes"),
    QT_TRANSLATE_NOOP("Model", "Introdueix l'anticodó de l'RNAt."),
    QT_TRANSLATE_NOOP("Model", "Introdueix l'aminoàcid que s'incorporarà."),

    // The amino acids' abbreviations, as the cells, lists and results show
    // them ("?" stands for a meaning the code does not give), and their names.
    QT_TRANSLATE_NOOP("Model", "Fi"),
    QT_TRANSLATE_NOOP("Model", "Gly"),
    QT_TRANSLATE_NOOP("Model", "Ala"),
    QT_TRANSLATE_NOOP("Model", "Val"),
    QT_TRANSLATE_NOOP("Model", "Leu"),
    QT_TRANSLATE_NOOP("Model", "Ile"),
    QT_TRANSLATE_NOOP("Model", "Pro"),
    QT_TRANSLATE_NOOP("Model", "Phe"),
    QT_TRANSLATE_NOOP("Model", "Trp"),
    QT_TRANSLATE_NOOP("Model", "Met"),
    QT_TRANSLATE_NOOP("Model", "Ser"),
    QT_TRANSLATE_NOOP("Model", "Thr"),
    QT_TRANSLATE_NOOP("Model", "Cys"),
    QT_TRANSLATE_NOOP("Model", "Tyr"),
    QT_TRANSLATE_NOOP("Model", "Asn"),
    QT_TRANSLATE_NOOP("Model", "Gln"),
    QT_TRANSLATE_NOOP("Model", "Asp"),
    QT_TRANSLATE_NOOP("Model", "Glu"),
    QT_TRANSLATE_NOOP("Model", "Lys"),
    QT_TRANSLATE_NOOP("Model", "Arg"),
    QT_TRANSLATE_NOOP("Model", "His"),
    QT_TRANSLATE_NOOP("Model", "?"),
    QT_TRANSLATE_NOOP("Model", "Aturada"),
    QT_TRANSLATE_NOOP("Model", "Glicina"),
    QT_TRANSLATE_NOOP("Model", "Alanina"),
    QT_TRANSLATE_NOOP("Model", "Valina"),
    QT_TRANSLATE_NOOP("Model", "Leucina"),
    QT_TRANSLATE_NOOP("Model", "Isoleucina"),
    QT_TRANSLATE_NOOP("Model", "Prolina"),
    QT_TRANSLATE_NOOP("Model", "Fenilalanina"),
    QT_TRANSLATE_NOOP("Model", "Triptòfan"),
    QT_TRANSLATE_NOOP("Model", "Metionina"),
    QT_TRANSLATE_NOOP("Model", "Serina"),
    QT_TRANSLATE_NOOP("Model", "Treonina"),
    QT_TRANSLATE_NOOP("Model", "Cisteïna"),
    QT_TRANSLATE_NOOP("Model", "Tirosina"),
    QT_TRANSLATE_NOOP("Model", "Asparagina"),
    QT_TRANSLATE_NOOP("Model", "Glutamina"),
    QT_TRANSLATE_NOOP("Model", "Aspartat"),
    QT_TRANSLATE_NOOP("Model", "Glutamat"),
    QT_TRANSLATE_NOOP("Model", "Lisina"),
    QT_TRANSLATE_NOOP("Model", "Arginina"),
    QT_TRANSLATE_NOOP("Model", "Histidina"),
};

}  // namespace
