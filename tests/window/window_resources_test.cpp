// The pictures built into the program have the sizes the window draws them at.
#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(BuiltInPictures, HaveTheirSizes) {
  const struct {
    const char* name;
    int w, h;
  } pictures[] = {
      {":/splash.png", 261, 136},     {":/hofpic.png", 92, 472},      {":/minitile.png", 13, 15},
      {":/clicks1.png", 38, 38},      {":/clicks6.png", 38, 38},      {":/girl1.png", 92, 166},
      {":/girl4_mood2.png", 92, 166}, {":/toolbar/new.png", 24, 24},  {":/toolbar/exit.png", 24, 24},
  };
  for (const auto& p : pictures) {
    const QImage image(p.name);
    ASSERT_FALSE(image.isNull()) << p.name;
    EXPECT_EQ(image.size(), QSize(p.w, p.h)) << p.name;
  }
}

// Side-panel pictures are drawn with RGB(132, 255, 132) as their transparent colour: a mood is
// drawn over the plain picture and must leave most of it showing.
TEST(BuiltInPictures, GirlsUseTheirTransparentColour) {
  for (int k = 1; k <= 4; ++k) {
    for (int mood = 1; mood <= 2; ++mood) {
      const QImage m = QImage(QString(":/girl%1_mood%2.png").arg(k).arg(mood)).convertToFormat(QImage::Format_RGB32);
      int key = 0;
      for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) key += (m.pixel(x, y) & 0xFFFFFF) == 0x84FF84u;
      EXPECT_GT(key, m.width() * m.height() / 2) << k << " mood " << mood;
    }
  }
}

}  // namespace
