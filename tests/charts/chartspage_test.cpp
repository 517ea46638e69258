#include "charts/chartspage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <regex>

#include "chart_fixture.h"
#include "charts/grsel.h"

namespace wattora {
namespace {

using testing::WorkedEstimate;

class ChartsPageTest : public ::testing::Test {
 protected:
  ChartsPageTest() : page(style) {
    ProgramSettings settings;
    settings.currencySymbol = "€";
    settings.custom1Selected = true;
    settings.custom1Title = "Variateur magnétique";
    page.setEstimate(WorkedEstimate(), ApplicationType::Fan, settings);
    page.windowShown();
  }

  std::vector<ChartView*> Views() const {
    std::vector<ChartView*> views;
    for (int s = 1; s <= kChartStyleCount; ++s)
      views.push_back(page.view(static_cast<ChartStyle>(s)));
    return views;
  }

  template <typename Field>
  void ExpectAllViews(Field field, decltype(field(ViewSettings())) expected) const {
    for (ChartView* v : Views())
      EXPECT_EQ(field(v->settings()), expected) << v->objectName().toStdString();
  }

  ChartStyle style = ChartStyle::Line;
  ChartsPage page;
};

TEST_F(ChartsPageTest, StartsOnTheBarStyleIn3DWithTheCostGraph) {
  EXPECT_EQ(style, ChartStyle::VerticalBar);
  EXPECT_EQ(page.ChartsPanel->currentWidget(), page.Chart5);
  EXPECT_TRUE(page.CheckBox1->isChecked());
  EXPECT_TRUE(page.Bar3D->isEnabled());
  EXPECT_TRUE(page.ScrollBar3->isEnabled());
  ExpectAllViews([](const ViewSettings& s) { return s.view3D; }, true);
  EXPECT_EQ(page.SelectionGraphType->currentIndex(), 0);
  EXPECT_EQ(page.model().title, "Coût annuel d'exploitation / Application Ventilateur");
  EXPECT_EQ(page.Label6A->text(), "Vue 3D 15%");
}

TEST_F(ChartsPageTest, ControlsCarryTheirNamesAndTexts) {
  struct Case {
    const char* name;
    const char* text;
    const char* hint;
  };
  const Case cases[] = {
      {"BitBtn9", "&Type de graphique",
       "Sélectionner le type de graphique (surface, barres, etc.)"},
      {"CheckBox1", "3D :", "Alterner la vue en 2D/3D"},
      {"Bar3D", nullptr, "Modifier la perspective 3D"},
      {"Label60", "&Rotation :", nullptr},
      {"ScrollBar3", nullptr, "Faire pivoter le graphique"},
      {"BitBtn16", "&Réinitialiser le graphique", "Réinitialiser la position du graphique"},
      {"BitBtn17", "&Imprimer le graphique", "Imprimer le graphique"},
      {"Label71", "Sélectionnez la représentation graphique :", nullptr},
      {"SelectionGraphType", nullptr,
       "Sélectionner le graphique d'estimation de consommation d'énergie"},
      {"BW", "Modèle",
       "Cochez cette case pour utiliser un modèle de remplissage avec une imprimante N/B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* widget = page.findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr);
    if (c.text) {
      EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(c.text));
    }
    if (c.hint) {
      EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.hint));
    }
  }
  for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4", "Chart5", "Chart6", "Panel24",
                           "Panel25", "Label1N", "Label5N", "Label6A"})
    EXPECT_NE(page.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(page.Label60->buddy(), page.ScrollBar3);

  ASSERT_EQ(page.SelectionGraphType->count(), 3);
  EXPECT_EQ(page.SelectionGraphType->itemText(1),
            QString::fromUtf8("Graphique Nombre annuel d'heures par rapport au %flux/débit"));
  EXPECT_EQ(page.Bar3D->minimum(), 1);
  EXPECT_EQ(page.Bar3D->maximum(), 100);
  EXPECT_EQ(page.ScrollBar3->minimum(), 270);
  EXPECT_EQ(page.ScrollBar3->maximum(), 360);
  EXPECT_EQ(page.ScrollBar3->value(), 345);
}

TEST_F(ChartsPageTest, Unchecking3DDisablesBothBarsAndCheckingBringsTheLookBack) {
  page.Bar3D->setValue(40);
  page.ScrollBar3->setValue(300);
  page.CheckBox1->click();
  ExpectAllViews([](const ViewSettings& s) { return s.view3D; }, false);
  EXPECT_FALSE(page.Bar3D->isEnabled());
  EXPECT_FALSE(page.ScrollBar3->isEnabled());

  page.ScrollBar3->setValue(280);  // a disabled bar changes nothing
  ExpectAllViews([](const ViewSettings& s) { return s.rotation; }, 300);

  page.CheckBox1->click();
  EXPECT_TRUE(page.Bar3D->isEnabled());
  EXPECT_TRUE(page.ScrollBar3->isEnabled());
  ExpectAllViews([](const ViewSettings& s) { return s.view3D; }, true);
  ExpectAllViews([](const ViewSettings& s) { return s.depthPercent; }, 40);
  ExpectAllViews([](const ViewSettings& s) { return s.orthogonal; }, false);
}

TEST_F(ChartsPageTest, ResetLeavesTheBarsWhereTheyAreAndTheNextMoveAppliesAgain) {
  page.Bar3D->setValue(40);
  page.ScrollBar3->setValue(300);
  page.BitBtn16->click();
  ExpectAllViews([](const ViewSettings& s) { return s.orthogonal; }, true);
  ExpectAllViews([](const ViewSettings& s) { return s.rotation; }, 345);
  ExpectAllViews([](const ViewSettings& s) { return s.depthPercent; }, 15);
  EXPECT_EQ(page.Bar3D->value(), 40);
  EXPECT_EQ(page.ScrollBar3->value(), 300);
  EXPECT_EQ(page.Label6A->text(), "Vue 3D 40%");

  page.ScrollBar3->setValue(310);
  ExpectAllViews([](const ViewSettings& s) { return s.orthogonal; }, false);
  ExpectAllViews([](const ViewSettings& s) { return s.rotation; }, 310);
}

TEST_F(ChartsPageTest, TheDepthLabelFollowsTheBarDownToOne) {
  page.Bar3D->setSliderDown(true);  // dragging
  page.Bar3D->setValue(1);
  EXPECT_EQ(page.Label6A->text(), "Vue 3D 1%");
  ExpectAllViews([](const ViewSettings& s) { return s.depthPercent; }, 1);
  page.Bar3D->setValue(page.Bar3D->minimum() - 5);
  EXPECT_EQ(page.Label6A->text(), "Vue 3D 1%");
  page.Bar3D->setSliderDown(false);
}

TEST_F(ChartsPageTest, PatternsReachEveryViewButTheFastLineAndSurviveRedrawing) {
  page.BW->click();
  for (ChartView* v : Views())
    EXPECT_EQ(v->settings().fillPatterns, v->style() != ChartStyle::FastLine)
        << v->objectName().toStdString();
  page.SelectionGraphType->setCurrentIndex(2);
  page.DrawCostGraph();
  EXPECT_TRUE(page.Chart4->settings().fillPatterns);
  page.BW->click();
  ExpectAllViews([](const ViewSettings& s) { return s.fillPatterns; }, false);
}

TEST_F(ChartsPageTest, TheGraphListDrawsTheChosenKindAndFillsTheHiddenLegendLabels) {
  QSignalSpy drawn(&page, &ChartsPage::graphDrawn);
  page.SelectionGraphType->setCurrentIndex(1);
  EXPECT_EQ(page.model().title,
            "Nombre annuel d'heures d'utilisation par pourcentage Graphique de flux/débit pour les "
            "ventilateurs");
  EXPECT_EQ(page.Label1N->text(), "");
  EXPECT_FALSE(page.Label1N->isVisibleTo(&page));

  page.SelectionGraphType->setCurrentIndex(0);
  EXPECT_EQ(page.Label1N->text(), "Variateur de vitesse");
  EXPECT_EQ(page.Label4N->text(), QString::fromUtf8("Variateur magnétique"));
  EXPECT_EQ(page.Label5N->text(), "");
  ASSERT_EQ(drawn.count(), 2);
  EXPECT_EQ(drawn.at(1).at(0).value<GraphKind>(), GraphKind::Cost);
}

TEST_F(ChartsPageTest, ShowingTheWindowAgainReturnsToTheCostGraphAndOneOrientation) {
  page.SelectionGraphType->setCurrentIndex(2);
  page.Bar3D->setValue(60);
  page.ScrollBar3->setValue(290);
  page.windowShown();
  EXPECT_EQ(page.SelectionGraphType->currentIndex(), 0);
  EXPECT_EQ(page.model().valueAxisTitle, "Coût d'exploitation€");
  ExpectAllViews([](const ViewSettings& s) { return s.orthogonal; }, true);
  ExpectAllViews([](const ViewSettings& s) { return s.rotation; }, 345);
  ExpectAllViews([](const ViewSettings& s) { return s.depthPercent; }, 60);
  EXPECT_EQ(page.Bar3D->value(), 60);
  EXPECT_EQ(page.Label6A->text(), "Vue 3D 60%");
}

TEST_F(ChartsPageTest, ThePickerClosedWithEscapeShowsTheStyleClickedLast) {
  style = ChartStyle::Line;
  page.ShowChartStyle();
  QSignalSpy changed(&page, &ChartsPage::chartStyleChanged);
  bool sawFrame = false;
  QTimer::singleShot(0, [&] {
    auto* picker = qobject_cast<TGRSEL*>(QApplication::activeModalWidget());
    if (!picker) return;
    sawFrame = !picker->Shape2->isHidden() && picker->Shape5->isHidden();
    QTest::mouseClick(picker->Image1, Qt::LeftButton);
    QTest::mouseClick(picker->Image3, Qt::LeftButton);
    QTest::keyClick(picker, Qt::Key_Escape);
  });
  // Should anything above fail, the dialog still closes.
  QTimer::singleShot(5000, [] {
    if (auto* w = QApplication::activeModalWidget()) w->close();
  });
  page.BitBtn9->click();

  EXPECT_TRUE(sawFrame);
  EXPECT_EQ(style, ChartStyle::VerticalBar);
  EXPECT_EQ(page.ChartsPanel->currentWidget(), page.Chart5);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).value<ChartStyle>(), ChartStyle::VerticalBar);
}

TEST_F(ChartsPageTest, PrintingUsesLandscapeAndRestoresThePrinterOrientation) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("graph.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageOrientation(QPageLayout::Portrait);
  style = ChartStyle::HorizontalBar;
  page.SelectionGraphType->setCurrentIndex(2);

  ASSERT_TRUE(page.PrintChart(printer));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);

  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const std::string content = pdf.readAll().toStdString();
  std::smatch box;
  ASSERT_TRUE(
      std::regex_search(content, box, std::regex(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")));
  EXPECT_GT(std::stod(box[1]), std::stod(box[2]));
}

TEST_F(ChartsPageTest, PicturesComeFromTheCurrentStyleWhateverTheGraphKind) {
  page.SelectionGraphType->setCurrentIndex(1);
  style = ChartStyle::HorizontalBar;
  const QSize size(771, 272);
  const QImage picture = page.renderPicture(size);
  const ChartView* horizontal = page.Chart3;
  EXPECT_EQ(picture, RenderChartImage(size, page.model(), ChartStyle::HorizontalBar,
                                      horizontal->settings(), horizontal->options()));
  style = ChartStyle::VerticalBar;
  EXPECT_NE(picture, page.renderPicture(size));
}

TEST_F(ChartsPageTest, SeparatorsReachEveryView) {
  page.setSeparators(Separators::French());
  for (ChartView* v : Views()) EXPECT_EQ(v->options().separators.group, "\u202F");
}

}  // namespace
}  // namespace wattora
