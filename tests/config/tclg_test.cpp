#include "config/tclg.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "config_fixture.h"

namespace wattora {
namespace {

using testing::FakeMessages;
using testing::RecordingSink;

class LogoPickerTest : public ::testing::Test {
 protected:
  QString Picture(const char* name, const char* format, QColor colour = Qt::red) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.path() + "/" + name;
    EXPECT_TRUE(image.save(path, format)) << name;
    return path;
  }
  // Qt writes no GIF; this is a 1 x 1 GIF whose only pixel has `colour`.
  QString Gif(const char* name, QColor colour) {
    QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    bytes += char(colour.red());
    bytes += char(colour.green());
    bytes += char(colour.blue());
    bytes +=
        QByteArray("\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;", 19);
    const QString path = folder.path() + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QString TextFile(const char* name) {
    const QString path = folder.path() + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Wattora: not a picture\n");
    return path;
  }
  void Choose(const QString& path) {
    picker.SetFileChooser([path](QWidget*) { return path; });
    picker.SpeedButton3->click();
  }
  QRgb ShownColour() const { return picker.LG1->pixmap().toImage().pixel(0, 0); }

  QTemporaryDir folder;
  RecordingSink sink;
  Workspace ws{sink};
  FakeMessages messages;
  TCLG picker{ws, messages};
};

TEST_F(LogoPickerTest, OnlyDecodablePicturesOfTheOfferedFormatsAreValid) {
  struct Case {
    QString path;
    bool valid;
  } cases[] = {
      {Picture("a.png", "PNG"), true},         {Picture("a.jpg", "JPG"), true},
      {Picture("a.jpeg", "JPEG"), true},       {Picture("a.bmp", "BMP"), true},
      {Gif("a.gif", Qt::red), true},           {Picture("a.ico", "ICO"), true},
      {Picture("png-named.bmp", "PNG"), true},  // the content decides
      {Picture("a.tif", "TIFF"), false},        // decodes, but is not an offered type
      {TextFile("notes.bmp"), false},          {folder.path() + "/missing.png", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    EXPECT_EQ(LoadLogoPicture(c.path, nullptr), c.valid);
  }
}

TEST_F(LogoPickerTest, FileDialogOffersTheNinePictureTypesAllFirst) {
  const QStringList filters = LogoPictureFilters();
  ASSERT_EQ(filters.size(), 9);
  // Qt reads blank-separated patterns from the parentheses.
  EXPECT_EQ(filters[0].toStdString(),
            "Tous les fichiers (*.png *.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf)");
  EXPECT_EQ(filters[2].toStdString(), "Image GIF (*.gif)");
  EXPECT_EQ(filters[8].toStdString(), "Métafichiers (*.wmf)");
}

TEST_F(LogoPickerTest, ShowingLoadsAnExistingLogoAndOkAcceptsIt) {
  ws.settings.logoFile = Picture("logo.png", "PNG").toStdString();
  picker.show();
  EXPECT_EQ(picker.windowTitle(), QString::fromUtf8("Logo de société, Taille 250 x 100 pixels"));
  EXPECT_TRUE(picker.Loaded());
  EXPECT_FALSE(picker.Accepted());
  EXPECT_EQ(ShownColour(), QColor(Qt::red).rgb());
  picker.SpeedButton1->click();
  EXPECT_TRUE(picker.Accepted());
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LogoPickerTest, MissingLogoGivesNoMessageAndKeepsThePreviousPicture) {
  // First showing with no logo at all: empty area, OK hands nothing back.
  picker.show();
  EXPECT_TRUE(picker.LG1->pixmap().isNull());
  picker.SpeedButton1->click();
  EXPECT_FALSE(picker.Accepted());

  const QString logo = Picture("logo.png", "PNG", Qt::blue);
  ws.settings.logoFile = logo.toStdString();
  picker.show();
  picker.SpeedButton1->click();
  ASSERT_TRUE(QFile::remove(logo));

  picker.show();
  EXPECT_FALSE(picker.Loaded());
  EXPECT_EQ(ShownColour(), QColor(Qt::blue).rgb());
  picker.SpeedButton1->click();
  EXPECT_FALSE(picker.Accepted());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LogoPickerTest, ChoosingTakesThePathAtOnceAndCancelRestoresIt) {
  const std::string original = Picture("old.png", "PNG").toStdString();
  ws.settings.logoFile = original;
  picker.show();
  const QString chosen = Gif("new.gif", Qt::green);
  Choose(chosen);
  EXPECT_EQ(ws.settings.logoFile, chosen.toStdString());
  EXPECT_TRUE(picker.Loaded());
  EXPECT_EQ(ShownColour(), QColor(Qt::green).rgb());
  picker.SpeedButton2->click();
  EXPECT_FALSE(picker.Accepted());
  EXPECT_EQ(ws.settings.logoFile, original);

  // Escape is the same way out.
  picker.show();
  Choose(chosen);
  QTest::keyClick(&picker, Qt::Key_Escape);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(ws.settings.logoFile, original);
}

TEST_F(LogoPickerTest, InvalidPictureWarnsAndIsNotAccepted) {
  const std::string original = Picture("old.png", "PNG").toStdString();
  ws.settings.logoFile = original;
  picker.show();
  ASSERT_TRUE(picker.Loaded());
  const QString fake = TextFile("fake.bmp");
  Choose(fake);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(messages.shown[0].text,
            "Format graphique non valide. Le logo de société n'a pas été chargé !");
  EXPECT_FALSE(picker.Loaded());
  EXPECT_EQ(ws.settings.logoFile, fake.toStdString());
  picker.SpeedButton1->click();
  EXPECT_FALSE(picker.Accepted());
}

TEST_F(LogoPickerTest, CancelledFileDialogChangesNothing) {
  const std::string original = Picture("old.png", "PNG").toStdString();
  ws.settings.logoFile = original;
  picker.show();
  Choose(QString());
  EXPECT_EQ(ws.settings.logoFile, original);
  EXPECT_TRUE(picker.Loaded());
  picker.SpeedButton1->click();
  EXPECT_TRUE(picker.Accepted());
}

}  // namespace
}  // namespace wattora
