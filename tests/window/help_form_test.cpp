// The help window on its own model: its pages, the tile overview and the text conversion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <QAbstractTextDocumentLayout>

#include "app/dialogs/help_form.h"
#include "app/dialogs/pixel_image.h"
#include "app/dialogs/rtf_text_document.h"
#include "app/dialogs/tile_overview.h"
#include "help/rtf_reader.h"
#include "view/tileset_layout.h"

namespace sorimo {
namespace {

HelpFile Document(const char* rtf) {
  HelpFile f;
  RtfReadResult r = ReadRtf(rtf);
  f.ok = r.ok;
  f.document = std::move(r.document);
  return f;
}

HelpFile Missing(const char* message) {
  HelpFile f;
  f.message = message;
  return f;
}

TEST(HelpFormAlone, FourPagesTheTextsOrTheReasonAndPanelsWholeInTheMiddleOfTheirPages) {
  THelpForm form(nullptr, {Document("{\\rtf1 The manual.\\par}"), Missing("Cannot open whatsnew.rtf: gone."), {}});
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.windowTitle(), "Sorimo Help ");
  EXPECT_EQ(form.size(), QSize(616, 437));
  ASSERT_EQ(form.HelpControl->count(), 4);
  const QStringList captions = {"Help", "What's New", "French", "Tiles"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form.HelpControl->tabText(i), captions[i]);
  EXPECT_EQ(form.RichEdit->toPlainText(), "The manual.");
  EXPECT_TRUE(form.RichEdit->isReadOnly());
  EXPECT_EQ(form.RichEdit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(form.RichEdit->viewport()->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::ToolTipBase));
  EXPECT_EQ(form.RichEdit2->toPlainText(), "Cannot open whatsnew.rtf: gone.");

  // Each picture panel fits its page whole, centred to the pixel (or one off for odd room).
  for (const HelpPage p : {HelpPage::French, HelpPage::Tiles}) {
    form.ShowPage(p);
    EXPECT_EQ(form.page(), p);
    QApplication::processEvents();
    QWidget* panel = p == HelpPage::French ? form.FrenchPanel : form.PaiPanel;
    const QSize expected = p == HelpPage::French ? QSize(505, 368) : QSize(593, 353);
    EXPECT_EQ(panel->size(), expected);
    const QRect page = panel->parentWidget()->rect();
    EXPECT_TRUE(page.contains(panel->geometry())) << "the page is too small for its panel";
    EXPECT_LE(std::abs(panel->x() - (page.width() - panel->width()) / 2), 1);
    EXPECT_LE(std::abs(panel->y() - (page.height() - panel->height()) / 2), 1);
  }
  // The bar's button is the default one, in the middle, and closes the window with OK.
  EXPECT_TRUE(form.SpeedButton1->isDefault());
  EXPECT_EQ(form.SpeedButton1->text(), "Return to Sorimo");
  const QRect bar = form.SpeedButton1->parentWidget()->geometry();
  EXPECT_EQ(bar.height(), 32);
  EXPECT_EQ(bar.bottom(), form.height() - 1);
  EXPECT_LE(std::abs(form.SpeedButton1->geometry().center().x() - bar.width() / 2), 1);
  form.SpeedButton1->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
}

// A texture whose every pixel tells where it was taken from, made as the window makes its
// textures: from one of our pixel buffers.
QImage TellingTexture() {
  PixelBuffer t(kTextureWidth, kTextureHeight);
  for (int y = 0; y < t.height(); ++y)
    for (int x = 0; x < t.width(); ++x) t.setPixel(x, y, Rgb(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8)));
  return ImageOf(t);
}

TEST(TileOverview, EveryFaceComesFromItsTextureCellAndTheCaptionsDoNotCoverThem) {
  const QImage texture = TellingTexture();
  const QImage overview = TileOverview(texture);
  ASSERT_EQ(overview.size(), QSize(593, 353));
  QImage covered(overview.size(), QImage::Format_Mono);
  covered.fill(0);
  for (int face = 1; face <= 42; ++face) {
    const QPoint at = OverviewFacePosition(face);
    const TilesetPoint sprite = TextureSprite(FaceCellOf(face));
    for (int dy = 0; dy < 50; ++dy)
      for (int dx = 0; dx < 40; ++dx) {
        ASSERT_TRUE(overview.rect().contains(at + QPoint(dx, dy))) << "face " << face;
        ASSERT_EQ(overview.pixel(at + QPoint(dx, dy)), texture.pixel(sprite.x + 6 + dx, sprite.y + 1 + dy) | 0xFF000000u)
            << "face " << face << " at " << dx << "," << dy;
        covered.setPixel(at + QPoint(dx, dy), 1);
      }
  }
  EXPECT_EQ(OverviewFacePosition(1), QPoint(10, 34));
  EXPECT_EQ(OverviewFacePosition(35), QPoint(370, 274));
  EXPECT_EQ(OverviewFacePosition(42), QPoint(485, 114));
  EXPECT_EQ(OverviewFacePosition(0), QPoint(-1, -1));
  // Each caption is black text on white at its corner, clear of every face; elsewhere the
  // picture is transparent, so the backdrop shows.
  for (const OverviewCaption& c : kOverviewCaptions) {
    EXPECT_EQ(overview.pixel(c.x + 1, c.y + 1), qRgb(255, 255, 255)) << c.text;
    bool ink = false;
    for (int y = c.y; y < c.y + 14; ++y)
      for (int x = c.x; x < c.x + 60; ++x) {
        EXPECT_EQ(covered.pixelIndex(x, y), 0) << c.text << " over a face at " << x << "," << y;
        ink |= qGray(overview.pixel(x, y)) < 100;
      }
    EXPECT_TRUE(ink) << c.text;
    // A caption left of the divider keeps clear of it.
    int right = c.x;
    while (right < overview.width() && overview.pixel(right + 1, c.y + 1) == qRgb(255, 255, 255)) ++right;
    if (c.x < kOverviewDividerX) {
      EXPECT_LE(right + 8, kOverviewDividerX) << c.text;
    }
  }
  EXPECT_EQ(qAlpha(overview.pixel(5, 5)), 0);
  EXPECT_EQ(qAlpha(overview.pixel(430, 300)), 0);
}

TEST(RtfTextDocument, ParagraphsAndRunsKeepTheirFormattingInQt) {
  const RtfReadResult r = ReadRtf(
      "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}"
      "\\qc\\b\\fs40 Title\\b0\\fs20\\par"
      "\\pard\\li720\\fi-360\\sb150\\sa75\\tx720 \\bullet\\tab {\\cf1\\i red}\\line next\\par"
      "\\pard\\par"
      "\\pard\\qr\\ul end\\par}");
  ASSERT_TRUE(r.ok);
  QTextDocument doc;
  doc.setPlainText("left over from before");
  FillTextDocument(doc, r.document);
  ASSERT_EQ(doc.blockCount(), 4) << "one block a paragraph, nothing left over";
  QTextBlock title = doc.begin();
  EXPECT_EQ(title.text(), "Title");
  EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(title.begin().fragment().charFormat().fontPointSize(), 20.0);
  EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);

  QTextBlock item = title.next();
  EXPECT_EQ(item.text(), QString::fromUtf8("\u2022\tred") + QChar::LineSeparator + "next");
  const QTextBlockFormat f = item.blockFormat();
  EXPECT_EQ(f.leftMargin(), 48.0);
  EXPECT_EQ(f.textIndent(), -24.0);
  EXPECT_EQ(f.topMargin(), 10.0);
  EXPECT_EQ(f.bottomMargin(), 5.0);
  // The stop at the left indent, counted from where the hanging first line begins.
  ASSERT_EQ(f.tabPositions().size(), 1);
  EXPECT_EQ(f.tabPositions()[0].position, 24.0);
  QTextCharFormat red;
  for (auto it = item.begin(); !it.atEnd(); ++it)
    if (it.fragment().text().startsWith("red")) red = it.fragment().charFormat();
  EXPECT_EQ(red.foreground().color(), QColor(200, 0, 0));
  EXPECT_TRUE(red.fontItalic());
  EXPECT_EQ(red.fontWeight(), QFont::Normal);

  EXPECT_TRUE(item.next().text().isEmpty());
  const QTextBlock last = doc.lastBlock();
  EXPECT_EQ(last.text(), "end");
  EXPECT_EQ(last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_TRUE(last.begin().fragment().charFormat().fontUnderline());
}

// What the reader sees: the text after a hanging bullet's tab starts where its wrapped lines
// start, and a tab stop of a table lies at its distance from the paragraph's edge.
TEST(RtfTextDocument, HangingBulletsAndTableColumnsLineUpWhenLaidOut) {
  const RtfReadResult r = ReadRtf(
      "{\\rtf1\\li720\\fi-360\\tx720 \\bullet\\tab words that go on long enough to wrap onto a second line"
      " and a third\\par\\pard\\li360\\tx1800 F2\\tab New game\\par}");
  ASSERT_TRUE(r.ok);
  QTextDocument doc;
  doc.setDocumentMargin(0);
  doc.setTextWidth(200);
  FillTextDocument(doc, r.document);
  doc.documentLayout();  // lays the document out
  const QTextBlock bullet = doc.begin();
  const QTextLayout* layout = bullet.layout();
  ASSERT_GE(layout->lineCount(), 2);
  const int afterTab = int(bullet.text().indexOf('\t')) + 1;
  const double textStart = layout->lineAt(0).cursorToX(afterTab);
  EXPECT_NEAR(textStart, layout->lineAt(1).x(), 1.0);
  EXPECT_NEAR(layout->lineAt(1).x(), 48.0, 1.0) << "the wrapped lines start at the left indent";
  const QTextBlock row = bullet.next();
  const double column = row.layout()->lineAt(0).cursorToX(int(row.text().indexOf('\t')) + 1);
  EXPECT_NEAR(column, PixelsOfTwips(1800), 1.0);
}

}  // namespace
}  // namespace sorimo
