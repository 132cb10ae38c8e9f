// The Layout menu: choosing a layout file, loading it, and saving the layout in memory.
#include <QAction>
#include <QMenu>
#include <filesystem>

#include "app/dialogs/pixel_image.h"
#include "app/store/hall_file.h"
#include "app/window/sorimo.h"
#include "files/program_folders.h"
#include "files/whole_file_read.h"
#include "layouts/layout_reader.h"
#include "layouts/layout_save.h"
#include "layouts/layout_status.h"
#include "layouts/layout_writer.h"
#include "view/mini_board.h"

namespace sorimo {

// Anything at all stands under this name: a file, a folder, a dangling link.
static bool PathExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// The file of a Layout menu entry, as the folder listed it: the player's own copy when there
// is one, else the shipped one.
std::string TSorimo::LayoutsDirOf(const std::string& entry) const {
  const std::string shipped = ExeDir + "Layouts/";
  if (UserLayoutsDir == shipped) return shipped;
  const std::string file = entry + (IsExternalLayoutEntry(entry) ? "" : ".lay");
  return IsRegularFile(UserLayoutsDir + file) ? UserLayoutsDir : shipped;
}

std::string TSorimo::LayoutPathOf(const std::string& entry) const {
  return LayoutsDirOf(entry) + entry + (IsExternalLayoutEntry(entry) ? "" : ".lay");
}

// A layout chosen from the menu becomes the layout in play only when its file can be played
// as it is. A file that cannot be read, or one of another kind that would lend only its name
// to the cells in memory, changes nothing: the check mark, the hall of fame list, the file
// and the status line stay with the layout in play, so no result is filed under a layout that
// was never played; the message names the file and what is wrong with it.
void TSorimo::LoadlayoutClick(QAction* item) {
  PlayLayoutEntry(int(layoutMenu_->actions().indexOf(item)) - kFirstLayoutItem + 1);
}

void TSorimo::PlayLayoutEntry(int number) {
  if (number < 1 || number > int(layouts_.names.size())) return;
  // The name as the folder listed it: a menu caption cannot hold every byte of a file name.
  // An external entry is its file's whole name.
  const std::string path = LayoutPathOf(layouts_.names[size_t(number - 1)]);
  const LayoutReadResult read = LoadLayoutFile(path);
  if (read.status != LayoutReadStatus::Loaded) {
    ShowError(read.message);
    CheckLayoutItem();  // the click moved the mark; it goes back
    return;
  }
  CurrentLayoutFile = path;
  ChooseLayout(number);
  UseLayout(read);
}

// The chooser's "Edit": entry `number` becomes the layout chosen and in memory, as its menu
// item would make it, and the editor opens on it without dealing it first.
void TSorimo::EditLayoutEntry(int number) {
  if (number < 1 || number > int(layouts_.names.size())) return;
  const std::string path = LayoutPathOf(layouts_.names[size_t(number - 1)]);
  const LayoutReadResult read = LoadLayoutFile(path);
  if (read.status != LayoutReadStatus::Loaded) {
    ShowError(read.message);
    return;
  }
  CurrentLayoutFile = path;
  ChooseLayout(number);
  game_.Layout = read.cells;
  LayoutName = read.name;
  game_.LayoutFrom = LayoutOrigin::ListedFile;
  NewEntryRank = 0;
  Editlayout1Click();
}

// Loads a layout file into memory and, unless the program is starting, deals a new game on
// it. A file that cannot be used leaves the layout and the game in progress as they were.
void TSorimo::RunLayout(const std::string& path) {
  const LayoutReadResult read = LoadLayoutFile(path);
  if (read.status == LayoutReadStatus::Refused) {
    ShowError(read.message);
    return;
  }
  UseLayout(read);
}

void TSorimo::UseLayout(const LayoutReadResult& read, bool atStartup) {
  // A file with another header lends only its name; the cells in memory stay.
  if (read.status == LayoutReadStatus::Loaded) {
    game_.Layout = read.cells;
    game_.LayoutFrom = LayoutOrigin::ListedFile;
  }
  LayoutName = read.name;
  NewEntryRank = 0;
  if (atStartup) {
    game_.status.ShowStatus("Welcome to Sorimo 6.21 !");
    return;
  }
  game_.status.ShowStatus(LayoutSelectedText(LayoutName));
  ReportDeal(game_.BeginGame());
}

ChooseLayoutModel TSorimo::ChooserModel() {
  // The background scaled once for all the pictures of this run of the chooser.
  const PixelBuffer background = ScaledDown(renderer_.background(), kMiniBoardWidth, kMiniBoardHeight);
  const PixelBuffer miniTile = PixelBufferOf(QImage(":/minitile.png"));
  return {.names = layouts_.names,
          .read = [this](int index) { return LoadLayoutFile(LayoutPathOf(layouts_.names[size_t(index)])); },
          .picture =
              [background, miniTile](const LayoutCells& cells) {
                PixelBuffer board;
                MinusRedraw(cells, background, miniTile, board);
                return ImageOf(board);
              },
          .edit = [this](int index) { EditLayoutEntry(index + 1); },
          .create = [this] { CreateLayout1Click(); },
          .vertical = options_.Vertical,
          .shareCache = CacheFolder({.data = ExeDir, .config = ConfigDir, .userLayouts = UserLayoutsDir},
                                    RealFolderFacts()) +
                        "LayoutShares.txt"};
}

// "Select Layout" and the toolbar's "Layout": the game waits while the player looks, and a
// layout chosen there is played as its menu item would play it.
void TSorimo::SelectLayout1Click() {
  CheckPause(game_);
  int chosen = -1;
  if (desktop_.chooseLayout) {
    chosen = desktop_.chooseLayout(ChooserModel());
  } else {
    TChooseLayout chooser(this, ChooserModel());
    if (chooser.exec() == QDialog::Accepted) chosen = chooser.chosen();
  }
  if (chosen >= 0) PlayLayoutEntry(chosen + 1);
  UnCheckPause(game_);
}

// Writes the layout in memory to CurrentLayoutFile, asking for a file first when there is
// none (proposing `proposal` in the layouts folder). A file chosen in the dialog that exists
// already is replaced only when the player says so; otherwise the dialog comes back.
// A shipped layout of a copy that keeps the player's layouts apart is saved as the player's
// own copy, which the menu plays from then on; a file saved outside the layouts folders is
// kept where the player put it, but never listed, since the menu could not find it again.
TSorimo::SaveOutcome TSorimo::SaveLayout(const std::string& proposal) {
  const LayoutFolders folders{.shipped = ExeDir + "Layouts/", .player = UserLayoutsDir};
  std::string asked;  // the file the command or the dialog names
  std::string path;   // the file written
  if (CurrentLayoutFile.empty()) {
    MakeFolders(UserLayoutsDir);
    for (;;) {
      const std::string chosen = desktop_.chooseFile("Please choose a name for your layout file",
                                                     "LAY Layout files (*.lay)|*.lay", UserLayoutsDir + proposal, true);
      if (chosen.empty()) return SaveOutcome::Cancelled;
      asked = LayoutSavePath(chosen);
      path = folders.SaveTarget(asked);
      if (!PathExists(path) ||
          desktop_.ask("Sorimo", FileNameOf(path) + " already exists.\n\nDo you want to replace it?", true,
                       EnterAnswers::Refuse))
        break;
    }
  } else {
    asked = LayoutSavePath(CurrentLayoutFile);
    path = folders.SaveTarget(asked);
  }
  if (path != asked) MakeFolders(UserLayoutsDir);
  const std::string error = WriteLayoutFile(path, game_.Layout, LayoutName);
  if (!error.empty()) {
    ShowError(error);
    return SaveOutcome::Failed;
  }
  if (path != asked) {
    const std::string problem = FolderWriteProblem(folders.shipped);
    ShowError(folders.shipped +
              (problem.empty() ? " holds the layouts installed with the program"
                               : " cannot be written to (" + problem + ")") +
              ": " + FileNameOf(path) + " is saved in " + UserLayoutsDir +
              " instead, and the Layout menu plays that copy from now on.");
  }
  CurrentLayoutFile = path;
  game_.IM(ModeIdle);
  if (!folders.Lists(path)) {
    ShowError(FileNameOf(path) + " is saved in " + FolderOf(path) +
              ", which is not a layouts folder: the Layout menu does not list it. To play it from the menu, "
              "save it in " + UserLayoutsDir + ".");
    return SaveOutcome::Unlisted;
  }
  const std::string name = LayoutNameOfPath(CurrentLayoutFile);
  const SavedLayoutEntry entry = ListSavedLayout(layouts_.names, name);
  if (!entry.message.empty()) {
    ShowError(entry.message);
    return SaveOutcome::Unlisted;
  }
  if (entry.appended) {
    AddLayoutItem(name);
    RegisterLayoutColumn(*HallStore, hall_, entry.boardNumber, name);
  }
  ChooseLayout(entry.boardNumber);
  return SaveOutcome::Listed;
}

// A layout entry of the Layout menu: checkable, tagged -2, choosing it loads the layout.
QAction* TSorimo::AddLayoutItem(const std::string& name) {
  // A lone "&" in a caption marks the next letter as the item's key: "&&" shows one "&".
  QAction* item = layoutMenu_->addAction(QString::fromStdString(name).replace("&", "&&"));
  item->setCheckable(true);
  item->setData(-2);
  connect(item, &QAction::triggered, this, [this, item] { LoadlayoutClick(item); });
  return item;
}

// The layout chosen is the one classic games are dealt on and the hall of fame list shown;
// exactly its item carries the check mark.
void TSorimo::ChooseLayout(int number) {
  options_.LayoutChoice = number;
  game_.BoardNumber = number;
  CheckLayoutItem();
}

void TSorimo::CheckLayoutItem() {
  const auto items = layoutMenu_->actions();
  for (int i = kFirstLayoutItem; i < items.size(); ++i)
    items[i]->setChecked(i - kFirstLayoutItem + 1 == options_.LayoutChoice);
}

}  // namespace sorimo
