#include "app/dialogs/about_box.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/dialogs/centre_on_screen.h"

namespace sorimo {

TAboutBox::TAboutBox(QWidget* parent, const AboutBoxModel& model) : QDialog(parent) {
  setWindowTitle("About Sorimo ");
  setObjectName("AboutBox");
  setStyleSheet(
      "#AboutBox { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a1410, stop:1 #1c0604); }"
      "QLabel { color: #f6e6c0; }"
      "QLabel[link=\"true\"] { color: #8fd8ff; }"
      "QPushButton { color: #2a1200; background: #f0d590; border: 1px solid #8a6420; border-radius: 4px;"
      " padding: 4px 18px; font-weight: bold; }");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(18, 14, 18, 14);
  auto* logo = new QLabel(this);
  logo->setPixmap(QPixmap(":/splash.png"));
  logo->setAlignment(Qt::AlignCenter);
  column->addWidget(logo);
  auto* title = new QLabel("SORIMO 6.21", this);
  QFont big = title->font();
  big.setPointSize(16);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  title->setStyleSheet("color: #ffd24a;");
  column->addWidget(title);
  auto* credits = new QLabel(
      "Mahjong tile-matching solitaire, two players on one computer,\n"
      "Rivers, Memory and Clicks.\n\n"
      "Program, tiles, pictures and layouts made by the Sorimo team.\n"
      "Built with Qt and libjpeg-turbo.",
      this);
  credits->setAlignment(Qt::AlignCenter);
  column->addWidget(credits);
  struct Link {
    const char* text;
    const char* url;
  };
  const Link links[] = {
      {"Qt: www.qt.io", "https://www.qt.io/"},
      {"libjpeg-turbo: libjpeg-turbo.org", "https://libjpeg-turbo.org/"},
      {"Mahjong solitaire on Wikipedia", "https://en.wikipedia.org/wiki/Mahjong_solitaire"},
      {"The mahjong tiles on Wikipedia", "https://en.wikipedia.org/wiki/Mahjong_tiles"},
      {"Debian: www.debian.org", "https://www.debian.org/"},
  };
  for (const Link& l : links) {
    auto* label = new QLabel(QString("<a href=\"%1\" style=\"color:#8fd8ff\">%2</a>").arg(l.url, l.text), this);
    label->setProperty("link", true);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(label, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    column->addWidget(label);
  }
  auto* ok = new QPushButton("OK", this);
  ok->setIcon(QIcon(":/toolbar/back.png"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(ok, 0, Qt::AlignCenter);
  adjustSize();
  setFixedSize(sizeHint());
  if (!model.backdrop.isNull()) {
    auto* fond = new QLabel(this);
    fond->setPixmap(QPixmap::fromImage(model.backdrop));
    fond->setScaledContents(true);
    fond->setGeometry(rect());
    fond->lower();
  }
  CentreOnScreen(this);
}

}  // namespace sorimo
