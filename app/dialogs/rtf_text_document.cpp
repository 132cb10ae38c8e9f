#include "app/dialogs/rtf_text_document.h"

#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace sorimo {

namespace {

Qt::Alignment AlignmentOf(RtfAlignment a) {
  switch (a) {
    case RtfAlignment::Centre:
      return Qt::AlignHCenter;
    case RtfAlignment::Right:
      return Qt::AlignRight;
    case RtfAlignment::Justified:
      return Qt::AlignJustify;
    case RtfAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat BlockFormatOf(const RtfParagraphFormat& f) {
  QTextBlockFormat block;
  block.setAlignment(AlignmentOf(f.alignment));
  block.setLeftMargin(PixelsOfTwips(f.leftIndent));
  block.setTextIndent(PixelsOfTwips(f.firstLineIndent));
  block.setTopMargin(PixelsOfTwips(f.spaceBefore));
  block.setBottomMargin(PixelsOfTwips(f.spaceAfter));
  // RTF measures tab stops from the paragraph's left edge, Qt from where the line begins: for
  // the first line that is the left indent plus the first-line indent. (A hanging bullet with
  // its stop at the left indent thus lines its text up with the lines that wrap.)
  const int firstLineStart = f.leftIndent + f.firstLineIndent;
  QList<QTextOption::Tab> tabs;
  for (int t : f.tabStops)
    if (t > firstLineStart) tabs.append(QTextOption::Tab(PixelsOfTwips(t - firstLineStart), QTextOption::LeftTab));
  block.setTabPositions(tabs);
  return block;
}

QTextCharFormat CharFormatOf(const RtfCharFormat& f) {
  QTextCharFormat chars;
  chars.setFontPointSize(f.halfPoints / 2.0);
  chars.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  chars.setFontItalic(f.italic);
  chars.setFontUnderline(f.underline);
  if (f.colour) chars.setForeground(QColor::fromRgb(QRgb(*f.colour)));
  return chars;
}

}  // namespace

void FillTextDocument(QTextDocument& target, const RtfDocument& document) {
  target.clear();
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  bool first = true;
  for (const RtfParagraph& p : document.paragraphs) {
    const QTextBlockFormat block = BlockFormatOf(p.format);
    // An empty line is as high as text of the default size.
    const QTextCharFormat blockChars = CharFormatOf(p.runs.empty() ? RtfCharFormat{} : p.runs.front().format);
    if (first) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(blockChars);
      first = false;
    } else {
      cursor.insertBlock(block, blockChars);
    }
    for (const RtfRun& r : p.runs) {
      QString text = QString::fromUtf8(r.text.data(), qsizetype(r.text.size()));
      text.replace(QChar('\n'), QChar::LineSeparator);
      cursor.insertText(text, CharFormatOf(r.format));
    }
  }
  cursor.endEditBlock();
}

}  // namespace sorimo
