#include "app/dialogs/help_form.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/dialogs/backdrop_panel.h"
#include "app/dialogs/centre_on_screen.h"
#include "app/dialogs/french_help.h"
#include "app/dialogs/rtf_text_document.h"
#include "app/dialogs/tile_overview.h"

namespace sorimo {

namespace {

// The vertical line between the suits and the honours on the Tiles page.
constexpr int kBevelX = kOverviewDividerX, kBevelY = 8, kBevelLength = 337;

}  // namespace

THelpForm::THelpForm(QWidget* parent, const HelpFormModel& model)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle("Sorimo Help ");
  setObjectName("HelpForm");
  setFixedSize(kClientWidth, kClientHeight);
  setStyleSheet(
      "#HelpForm { background: #2b0f0a; }"
      "QTabWidget::pane { border: 1px solid #8a6420; top: -1px; }"
      "QTabBar::tab { color: #f3d27a; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a1410,"
      " stop:1 #2b0b08); border: 1px solid #8a6420; border-bottom: none; border-top-left-radius: 5px;"
      " border-top-right-radius: 5px; padding: 4px 16px; margin: 3px 2px 0 0; }"
      "QTabBar::tab:first { margin-left: 4px; }"
      "QTabBar::tab:selected { color: #ffd24a; background: #6a2015; font-weight: bold; }"
      "QTabBar::tab:hover:!selected { color: #ffffff; background: #7a2a1a; }"
      "#HelpBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a0d0d, stop:1 #140404);"
      " border-top: 1px solid #8a6420; }"
      "#HelpBar QPushButton { color: #2a1200; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #fff4d6, stop:1 #e8c987); border: 1px solid #8a6420; border-radius: 4px; padding: 3px 16px;"
      " font-weight: bold; }"
      "#HelpBar QPushButton:hover { background: #fff8e4; }"
      "#FrenchText { color: #f6e6c0; background: rgba(24, 6, 4, 170); border: 1px solid #8a6420;"
      " border-radius: 6px; padding: 4px 10px; }");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  HelpControl = new QTabWidget(this);
  HelpControl->setObjectName("HelpControl");
  HelpControl->addTab(TextPage(RichEdit, model.help, "RichEdit"), "Help");
  HelpControl->addTab(TextPage(RichEdit2, model.whatsNew, "RichEdit2"), "What's New");

  FrenchPanel = new BackdropPanel(nullptr, model.backdrop);
  FrenchPanel->setObjectName("FrenchPanel");
  FrenchPanel->setFixedSize(kFrenchWidth, kFrenchHeight);
  auto* frenchColumn = new QVBoxLayout(FrenchPanel);
  frenchColumn->setContentsMargins(14, 12, 14, 12);
  auto* text = new QLabel(FrenchHelpText(), FrenchPanel);
  text->setObjectName("FrenchText");
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  frenchColumn->addWidget(text);
  HelpControl->addTab(CentredPage(FrenchPanel), "French");

  PaiPanel = new BackdropPanel(nullptr, model.backdrop);
  PaiPanel->setObjectName("PaiPanel");
  PaiPanel->setFixedSize(kTilesWidth, kTilesHeight);
  Pai = new QLabel(PaiPanel);
  Pai->setObjectName("Pai");
  Pai->setGeometry(0, 0, kTilesWidth, kTilesHeight);
  auto* Bevel14 = new QFrame(PaiPanel);
  Bevel14->setObjectName("Bevel14");
  Bevel14->setFrameShape(QFrame::VLine);
  Bevel14->setFrameShadow(QFrame::Sunken);
  Bevel14->setGeometry(kBevelX, kBevelY, 2, kBevelLength);
  HelpControl->addTab(CentredPage(PaiPanel), "Tiles");
  column->addWidget(HelpControl, 1);

  auto* Panel2 = new QFrame(this);
  Panel2->setObjectName("HelpBar");
  Panel2->setFixedHeight(kBarHeight);
  auto* bar = new QHBoxLayout(Panel2);
  bar->setContentsMargins(0, 2, 0, 2);
  SpeedButton1 = new QPushButton(QIcon(":/toolbar/back.png"), "Return to Sorimo", Panel2);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setDefault(true);
  connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::accept);
  bar->addStretch(1);
  bar->addWidget(SpeedButton1);
  bar->addStretch(1);
  column->addWidget(Panel2);

  CentreOnScreen(this);
}

QWidget* THelpForm::TextPage(QTextBrowser*& view, const HelpFile& file, const char* name) {
  view = new QTextBrowser;
  view->setObjectName(name);
  view->setReadOnly(true);
  view->setOpenLinks(false);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setFrameShape(QFrame::NoFrame);
  QPalette colours = view->palette();
  colours.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
  view->setPalette(colours);
  QTextDocument* document = view->document();
  document->setDocumentMargin(14);
  document->setDefaultFont(QFont("Liberation Sans", 10));
  if (file.ok)
    FillTextDocument(*document, file.document);
  else
    view->setPlainText(QString::fromStdString(file.message));
  view->moveCursor(QTextCursor::Start);  // the page opens at its top
  return view;
}

// A page in the button-shadow colour with the panel in its middle.
QWidget* THelpForm::CentredPage(QWidget* panel) {
  auto* page = new QWidget;
  page->setAutoFillBackground(true);
  QPalette colours = page->palette();
  colours.setColor(QPalette::Window, QApplication::palette().color(QPalette::Dark));
  page->setPalette(colours);
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(panel, 0, 0, Qt::AlignCenter);
  return page;
}

void THelpForm::ShowPage(HelpPage page) { HelpControl->setCurrentIndex(int(page)); }

HelpPage THelpForm::page() const { return HelpPage(HelpControl->currentIndex()); }

void THelpForm::DrawTileOverview(const QImage& texture) { Pai->setPixmap(QPixmap::fromImage(TileOverview(texture))); }

}  // namespace sorimo
