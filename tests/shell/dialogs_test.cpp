#include "shell/dialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <unistd.h>
#include <QTest>

#include "shell/application.h"
#include "shell/uikit.h"
#include "support/fakes.h"
#include "support/modal_driver.h"

namespace wattora {
namespace {

using testing::ClickButton;
using testing::FakeMessages;
using testing::FakePlatform;
using testing::ModalDriver;

TEST(SmallDialogs, SavePromptAnswersAndFrenchCaptions) {
  TSaveDialogMsg prompt;
  ModalDriver driver;
  EXPECT_EQ(prompt.BitBtn1->text(), "&Qui");
  EXPECT_EQ(prompt.windowTitle(), "Infos");
  const std::pair<const char*, int> cases[] = {
      {"BitBtn1", TSaveDialogMsg::kYes}, {"BitBtn2", TSaveDialogMsg::kNo},
      {"BitBtn3", TSaveDialogMsg::kCancel}};
  for (auto [button, expected] : cases) {
    driver.Then([button](QWidget* w) { ClickButton(w, button); });
    EXPECT_EQ(prompt.ShowSaveDialog("Enregistrer le projet actif ?"), expected) << button;
  }
  driver.Then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  EXPECT_EQ(prompt.ShowSaveDialog("x"), TSaveDialogMsg::kCancel);
  EXPECT_EQ(prompt.Message->text(), "x");
}

TEST(SmallDialogs, GuideStepsStartTheEstimation) {
  TGuideIt guide;
  ModalDriver driver;
  driver.Then([&](QWidget*) { QTest::mouseClick(guide.Step[3], Qt::LeftButton); });
  guide.exec();
  EXPECT_TRUE(guide.goOn());
  driver.Then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  guide.exec();
  EXPECT_FALSE(guide.goOn());
  EXPECT_EQ(guide.Step[0]->text(), "Saisir les informations client");
}

TEST(SmallDialogs, AboutBoxShowsTheVersion) {
  FakeMessages messages;
  FakePlatform platform;
  TAboutBox about(messages, platform);
  ModalDriver driver;
  driver.Then([](QWidget* w) { ClickButton(w, "OKButton"); });
  about.exec();
  EXPECT_EQ(about.Version->text(), "Version :1.01.03");
  EXPECT_EQ(about.windowTitle(), "À propos de…Vantrel Wattora VV");
  emit about.URL->linkActivated(MakerWebSite());
  EXPECT_EQ(platform.urls.size(), 1u);
}

TEST(ErrorHandler, ShowsTheMessageAndEndsTheProgram) {
  FakeMessages messages;
  int exitCode = -1;
  ReportUnexpectedError("division impossible", messages, [&](int code) { exitCode = code; });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages.shown[0].text, "ERREUR D'EXCEPTION :division impossibleProgramme arrêté !");
  EXPECT_NE(exitCode, -1);
}

TEST(ScaleFormToScreen, FollowsAnchorsAt120DotsPerInch) {
  QWidget form;
  form.resize(400, 300);
  auto* plain = new QWidget(&form);
  plain->setGeometry(10, 10, 100, 40);
  auto* stretched = new QWidget(&form);
  stretched->setGeometry(20, 60, 300, 50);  // right margin 80
  SetAnchors(stretched, AnchorLeft | AnchorTop | AnchorRight);
  auto* right = new QWidget(&form);
  right->setGeometry(300, 200, 80, 30);  // right margin 20
  SetAnchors(right, AnchorRight | AnchorTop);
  auto* edit = new QLineEdit(&form);
  edit->setGeometry(10, 150, 120, 23);
  auto* top = new QWidget(&form);
  top->setGeometry(0, 0, 400, 30);
  SetControlAlign(top, ControlAlign::Top);

  ScaleFormToScreen(&form, 96, 96);
  EXPECT_EQ(plain->geometry(), QRect(10, 10, 100, 40));  // nothing moves at 96

  ScaleFormToScreen(&form, 96, 120);
  EXPECT_EQ(form.size(), QSize(500, 375));
  EXPECT_EQ(plain->geometry(), QRect(13, 13, 125, 50));
  EXPECT_EQ(stretched->x(), 25);
  EXPECT_EQ(stretched->width(), 500 - 25 - 100);  // the right margin scales, the width follows
  EXPECT_EQ(right->width(), 100);
  EXPECT_EQ(right->x(), 500 - 100 - 25);
  EXPECT_EQ(edit->height(), 23);  // single-line fields keep their height
  EXPECT_EQ(edit->width(), 150);
  EXPECT_EQ(top->height(), 38);
}

}  // namespace
}  // namespace wattora

namespace wattora {
namespace {

TEST(QtPlatform, TemporaryFolderIsPrivate) {
  QTemporaryDir tmp;
  const QByteArray previous = qgetenv("TMPDIR");
  qputenv("TMPDIR", tmp.path().toUtf8());
  // Someone else's folder of the expected name, open to everybody, is not used.
  const QString expected = tmp.path() + "/wattora-" + QString::number(getuid());
  QDir().mkpath(expected);
  QFile::setPermissions(expected, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther | QFileDevice::ExeOther);
  QtPlatform platform;
  const QString folder = QString::fromStdString(platform.TemporaryFolder());
  EXPECT_NE(folder, expected);
  EXPECT_TRUE(folder.startsWith(tmp.path()));
  EXPECT_EQ(QFileInfo(folder).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther),
            QFileDevice::Permissions());
  EXPECT_EQ(platform.TemporaryFolder(), folder.toStdString());  // one folder per run

  // A private folder of that name is reused.
  QDir(expected).removeRecursively();
  QtPlatform second;
  EXPECT_EQ(QString::fromStdString(second.TemporaryFolder()), expected);
  qputenv("TMPDIR", previous);
}

}  // namespace
}  // namespace wattora
