// The help window "Sorimo Help ": the manual, the list of changes, a page in French and the
// overview of the tiles, on four pages over a bar with the button back to the game. It is made
// once, with the two documents read, and opened on a page by each help command.
#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>

#include "help/help_file.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace sorimo {

enum class HelpPage : uint8_t { Help, WhatsNew, French, Tiles };

struct HelpFormModel {
  HelpFile help;      // ExeDir + "sorimo.rtf"
  HelpFile whatsNew;  // ExeDir + "whatsnew.rtf"
  QImage backdrop;    // `BackdropPicture` behind the French and Tiles pages; may be null
};

class THelpForm : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 616, kClientHeight = 437;
  static constexpr int kBarHeight = 32;
  static constexpr int kFrenchWidth = 505, kFrenchHeight = 368;
  static constexpr int kTilesWidth = 593, kTilesHeight = 353;

  THelpForm(QWidget* parent, const HelpFormModel& model);

  void ShowPage(HelpPage page);
  HelpPage page() const;
  // Draws the tile overview of the Tiles page from the tile texture (tile_overview.h).
  void DrawTileOverview(const QImage& texture);

  QTabWidget* HelpControl = nullptr;
  QTextBrowser* RichEdit = nullptr;   // the manual
  QTextBrowser* RichEdit2 = nullptr;  // the list of changes
  QWidget* FrenchPanel = nullptr;
  QWidget* PaiPanel = nullptr;
  QLabel* Pai = nullptr;  // the tile overview
  QPushButton* SpeedButton1 = nullptr;

 private:
  QWidget* TextPage(QTextBrowser*& view, const HelpFile& file, const char* name);
  QWidget* CentredPage(QWidget* panel);
};

}  // namespace sorimo
