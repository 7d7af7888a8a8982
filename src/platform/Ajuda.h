// The help viewer. Ribolia.hlp is plain text: a line "@ <number> <title>"
// starts a topic, the lines after it are the topic in Markdown, and a link
// "[text](tema:120)" leads to another topic. A line "% <title>" before the
// first topic names the contents page.
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class QTextBrowser;
class QPushButton;

struct TTemaAjuda {
  QString Titol;
  QString Text;  // Markdown
};

// The parsed help file: topics by context number, in file order.
struct TFitxerAjuda {
  QString Titol;
  QMap<int, TTemaAjuda> Temes;
  QList<int> Ordre;

  static TFitxerAjuda Analitza(const QString& contingut);
  QString Contingut() const;  // the contents page in Markdown
};

class TFAjuda : public QDialog {
  Q_OBJECT
 public:
  // Reads `cami`, or the program's help file when it is empty.
  explicit TFAjuda(QWidget* pare = nullptr, const QString& cami = QString());

  // Shows the topic; false (and a message) when it cannot.
  bool MostraTema(int context);
  bool MostraContingut();
  // A new visit (F1, a help button, the Ajuda menu): "Enrere" leads back
  // only within it, never to the pages of an earlier one.
  void OblidaHistoria();
  // The topic on screen; 0 for the contents.
  int TemaActual() const { return temaActual; }

 private slots:
  void EnllacClick(const QUrl& url);
  void BtIndexClick();
  void BtEnrereClick();

 private:
  bool CarregaFitxer();
  void Mostra(int context, const QString& titol, const QString& markdown);
  void Presenta();
  void PosaAlCostat(const QWidget* explicada);

  QTextBrowser* TBAjuda;
  QPushButton* BtIndex;
  QPushButton* BtEnrere;
  QPushButton* BtTancar;
  QString cami;
  TFitxerAjuda fitxer;
  bool carregat = false;
  int temaActual = 0;
  QList<int> historia;
};

namespace Ajuda {
// The help file in the language in use (Ribolia.es.hlp, Ribolia.en.hlp; the
// Catalan Ribolia.hlp when that one is missing): $RIBOLIA_DIR_AJUDA, beside
// the executable, in the installed data folder relative to it, or the
// source tree.
QString CamiFitxer();
// Opens the help window at a context number or at the contents, beside
// whatever window is modal now, as a new visit.
void MostraTema(int context);
void MostraContingut();
TFAjuda* Finestra();
// F1 anywhere in the window runs `accio` (its help button's handler).
void AlPremerF1(QWidget* finestra, std::function<void()> accio);
}  // namespace Ajuda
