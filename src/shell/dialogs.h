#pragma once
// The small windows around the main window: splash, welcome screen, application selector,
// guide, save prompt and about box.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>

#include "core/services.h"

namespace wattora {

class SettingsStore;

class TLOADING : public QWidget {
  Q_OBJECT
 public:
  explicit TLOADING(QWidget* parent = nullptr);
};

class TAPPSEL2 : public QDialog {
  Q_OBJECT
 public:
  enum class Choice { None, Fan, Pump };
  explicit TAPPSEL2(QWidget* parent = nullptr);
  Choice choice() const { return choice_; }
  int exec() override;

  QLabel* SelectLabel;
  QPushButton* SpeedButton1;
  QPushButton* SpeedButton2;
  QPushButton* ESCCANCEL;

 private:
  Choice choice_ = Choice::None;
};

class TGuideIt : public QDialog {
  Q_OBJECT
 public:
  explicit TGuideIt(QWidget* parent = nullptr);
  bool goOn() const { return goOn_; }
  int exec() override;  // FormShow clears the result

  QLabel* GuideTitle;
  QLabel* Step[6];
  QLabel* StepsNote;
  QPushButton* ESCCANCEL;
  QPushButton* BitBtn2;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BitBtn2Click();
  bool goOn_ = false;
};

class TSaveDialogMsg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kYes = 6, kNo = 7, kCancel = 2;
  explicit TSaveDialogMsg(QWidget* parent = nullptr);
  int ShowSaveDialog(const QString& message);

  QLabel* Message;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* BitBtn3;

 private:
  int result_ = kCancel;
};

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  // Creating the about box installs the program-wide error handler.
  TAboutBox(Messages& messages, Platform& platform, QWidget* parent = nullptr);
  int exec() override;  // FormShow fills the texts

  QLabel* Version;
  QLabel* URL;
  QPushButton* OKButton;

 private:
  Platform& platform_;
};

// The maker's web site, shown by the about box and the main window's link.
QString MakerWebSite();

class TWelc : public QDialog {
  Q_OBJECT
 public:
  enum class Choice { None, NewProject, OpenProject, ProgramSetup };
  TWelc(SettingsStore& store, QWidget* parent = nullptr);
  Choice choice() const { return choice_; }
  int exec() override;  // FormShow
  bool ShowsIntroduction() const { return pages_->currentIndex() == 0; }

  QPushButton* Continue;
  QPushButton* NewQuote_Navigation;
  QPushButton* Open_Quote_Navigation;
  QPushButton* Program_Setup_Navigation;
  QCheckBox* ShowWelcome;
  QPushButton* Close;

 protected:
  void done(int result) override;  // FormClose

 private:
  void Choose(Choice choice);
  SettingsStore& store_;
  QStackedWidget* pages_;
  Choice choice_ = Choice::None;
};

}  // namespace wattora
