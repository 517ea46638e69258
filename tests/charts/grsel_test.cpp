#include "charts/grsel.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace wattora {
namespace {

std::vector<ChartStyle> VisibleFrames(const TGRSEL& picker) {
  std::vector<ChartStyle> visible;
  for (int s = 1; s <= kChartStyleCount; ++s)
    if (!picker.frame(static_cast<ChartStyle>(s))->isHidden())
      visible.push_back(static_cast<ChartStyle>(s));
  return visible;
}

TEST(StylePicker, OpensWithOnlyTheFrameOfTheCurrentStyle) {
  ChartStyle style = ChartStyle::Point;
  TGRSEL picker(style);
  picker.show();
  EXPECT_EQ(VisibleFrames(picker), std::vector<ChartStyle>{ChartStyle::Point});
  EXPECT_FALSE(picker.Shape4->isHidden());
  picker.close();

  style = ChartStyle::FastLine;  // changed elsewhere while closed
  picker.show();
  EXPECT_EQ(VisibleFrames(picker), std::vector<ChartStyle>{ChartStyle::FastLine});
}

TEST(StylePicker, EachPictureSelectsItsStyleAtOnceAndTheLastClickStays) {
  ChartStyle style = ChartStyle::VerticalBar;
  TGRSEL picker(style);
  picker.show();
  struct Case {
    QLabel* image;
    QFrame* frame;
    ChartStyle style;
  };
  const Case cases[] = {{picker.Image1, picker.Shape1, ChartStyle::Area},
                        {picker.Image2, picker.Shape2, ChartStyle::Line},
                        {picker.Image5, picker.Shape3, ChartStyle::HorizontalBar},
                        {picker.Image4, picker.Shape4, ChartStyle::Point},
                        {picker.Image3, picker.Shape5, ChartStyle::VerticalBar},
                        {picker.Image7, picker.Shape6, ChartStyle::FastLine}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.image->objectName().toStdString());
    QTest::mouseClick(c.image, Qt::LeftButton);
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(VisibleFrames(picker), std::vector<ChartStyle>{c.style});
    EXPECT_FALSE(c.frame->isHidden());
    EXPECT_TRUE(picker.isVisible());  // the picker stays open
  }
  QTest::mouseClick(picker.Image2, Qt::LeftButton);
  QTest::keyClick(&picker, Qt::Key_Escape);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(style, ChartStyle::Line);
}

TEST(StylePicker, TheCloseButtonClosesWithoutUndoingTheChoice) {
  ChartStyle style = ChartStyle::VerticalBar;
  TGRSEL picker(style);
  picker.show();
  QTest::mouseClick(picker.Image5, Qt::LeftButton);
  picker.close_button->click();
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(style, ChartStyle::HorizontalBar);
}

TEST(StylePicker, WindowTextsSizeAndThumbnails) {
  ChartStyle style = ChartStyle::VerticalBar;
  TGRSEL picker(style);
  EXPECT_EQ(picker.windowTitle(),
            QString::fromUtf8("Type de graphique d'estimation de la consommation d'énergie"));
  EXPECT_EQ(picker.size(), QSize(406, 283));
  EXPECT_EQ(picker.SELLABEL->text(), QString::fromUtf8("Sélectionner le type du graphique"));
  EXPECT_EQ(picker.close_button->text(), "&Fermer");
  EXPECT_EQ(picker.Image3->toolTip(), QString::fromUtf8("Sélectionner un graphique à barres"));
  EXPECT_EQ(picker.Image7->toolTip(),
            QString::fromUtf8("Sélectionner un graphique à tracé rapide"));

  // Six different pictures, each drawn by the chart renderer.
  std::vector<QImage> pictures;
  for (int s = 1; s <= kChartStyleCount; ++s) {
    QLabel* image = picker.image(static_cast<ChartStyle>(s));
    EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    pictures.push_back(image->pixmap().toImage());
    ASSERT_FALSE(pictures.back().isNull());
  }
  for (size_t a = 0; a < pictures.size(); ++a)
    for (size_t b = a + 1; b < pictures.size(); ++b) EXPECT_NE(pictures[a], pictures[b]);
}

}  // namespace
}  // namespace wattora
