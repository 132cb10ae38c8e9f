// The help commands: each opens the help window on its own page while the game waits.
#include "app/dialogs/help_form.h"
#include "app/dialogs/pixel_image.h"
#include "app/window/sorimo.h"
#include "help/help_file.h"

namespace sorimo {

void TSorimo::CreateHelpForm() {
  HelpForm = new THelpForm(this, {.help = ReadHelpFile(ExeDir + "sorimo.rtf", "sorimo.rtf"),
                                  .whatsNew = ReadHelpFile(ExeDir + "whatsnew.rtf", "whatsnew.rtf"),
                                  .backdrop = BackdropPicture});
}

void TSorimo::HelpClick() { CallHelp(HelpPage::Help); }
void TSorimo::WhatsNew1Click() { CallHelp(HelpPage::WhatsNew); }
void TSorimo::French1Click() { CallHelp(HelpPage::French); }
void TSorimo::ViewTiles1Click() { CallHelp(HelpPage::Tiles); }

void TSorimo::CallHelp(HelpPage page) {
  CheckPause(game_);
  HelpForm->ShowPage(page);
  // Drawn at every opening, so the overview shows the tileset in use now.
  HelpForm->DrawTileOverview(ImageOf(renderer_.texture()));
  HelpForm->exec();
  UnCheckPause(game_);
  ShowPanelHOF();
}

}  // namespace sorimo
