// The Layout menu: choosing a layout file, loading it, and saving the layout in memory.
#include <QAction>
#include <QMenu>

#include "app/store/hall_file.h"
#include "app/window/sorimo.h"
#include "layouts/layout_reader.h"
#include "layouts/layout_save.h"
#include "layouts/layout_status.h"
#include "layouts/layout_writer.h"

namespace sorimo {

// A layout chosen from the menu becomes the layout in play only when its file can be played
// as it is. A file that cannot be read, or one of another kind that would lend only its name
// to the cells in memory, changes nothing: the check mark, the hall of fame list, the file
// and the status line stay with the layout in play, so no result is filed under a layout that
// was never played; the message names the file and what is wrong with it.
void TSorimo::LoadlayoutClick(QAction* item) {
  const int number = int(layoutMenu_->actions().indexOf(item)) - kFirstLayoutItem + 1;
  if (number < 1 || number > int(layouts_.names.size())) return;
  // The name as the folder listed it: a menu caption cannot hold every byte of a file name.
  // An external entry is its file's whole name.
  const std::string& entry = layouts_.names[size_t(number - 1)];
  const std::string path = ExeDir + "Layouts/" + entry + (IsExternalLayoutEntry(entry) ? "" : ".lay");
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

void TSorimo::UseLayout(const LayoutReadResult& read) {
  // A file with another header lends only its name; the cells in memory stay.
  if (read.status == LayoutReadStatus::Loaded) game_.Layout = read.cells;
  LayoutName = read.name;
  NewEntryRank = 0;
  if (StartupLoad) {
    game_.ShowStatus("Welcome to Sorimo 6.21 !");
    return;
  }
  game_.ShowStatus(LayoutSelectedText(LayoutName));
  ReportDeal(game_.BeginGame());
}

bool TSorimo::SaveLayout() {
  if (CurrentLayoutFile.empty()) {
    const std::string chosen = desktop_.chooseFile("Please choose a name for your layout file",
                                                   "LAY Layout files (*.lay)|*.lay", ExeDir + "Layouts/", true);
    if (chosen.empty()) return false;
    CurrentLayoutFile = chosen;
  }
  CurrentLayoutFile = LayoutSavePath(CurrentLayoutFile);
  const std::string error = WriteLayoutFile(CurrentLayoutFile, game_.Layout, LayoutName);
  if (!error.empty()) {
    ShowError(error);
    return false;
  }
  game_.IM(ModeIdle);
  const std::string name = LayoutNameOfPath(CurrentLayoutFile);
  const SavedLayoutEntry entry = ListSavedLayout(layouts_.names, name);
  if (!entry.message.empty()) {
    ShowError(entry.message);
    return true;
  }
  if (entry.appended) {
    AddLayoutItem(name);
    RegisterLayoutColumn(*HallStore, hall_, entry.boardNumber, name);
  }
  ChooseLayout(entry.boardNumber);
  return true;
}

// A layout entry of the Layout menu: checkable, tagged -2, choosing it loads the layout.
QAction* TSorimo::AddLayoutItem(const std::string& name) {
  QAction* item = layoutMenu_->addAction(QString::fromStdString(name));
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
