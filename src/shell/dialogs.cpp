#include "shell/dialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "persistence/project_file.h"
#include "persistence/settings_store.h"
#include "shell/application.h"
#include "shell/artwork.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

QLabel* Named(QLabel* label, const char* name) {
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* Button(const char* name, QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

QLabel* Picture(Artwork kind, QSize size, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(DrawArtwork(kind, size));
  label->setFixedSize(size);
  return label;
}

QFont Bold(QFont f, int delta = 0) {
  f.setBold(true);
  if (delta) f.setPointSize(f.pointSize() + delta);
  return f;
}

}  // namespace

QString MakerWebSite() { return QStringLiteral("https://www.vantrel-wattora.example/"); }

// ---- splash

TLOADING::TLOADING(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TLOADING"));
  setFixedSize(570, 180);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* picture = Picture(Artwork::Splash, QSize(540, 150), this);
  picture->move(15, 15);
  ApplyTextTable(this, TextTable::ForWindow("TLOADING"));
  ScaleFormToScreen(this, 96);
}

// ---- application selector

TAPPSEL2::TAPPSEL2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TAPPSEL2"));
  SelectLabel = Named(new QLabel(this), "SelectLabel");
  SelectLabel->setFont(Bold(font(), 1));
  SpeedButton1 = Button("SpeedButton1", this);
  SpeedButton2 = Button("SpeedButton2", this);
  ESCCANCEL = Button("ESCCANCEL", this);
  for (auto [button, art] : {std::pair{SpeedButton1, Artwork::FanChoice},
                             std::pair{SpeedButton2, Artwork::PumpChoice}}) {
    button->setIcon(QIcon(DrawArtwork(art, QSize(64, 64))));
    button->setIconSize(QSize(64, 64));
    button->setMinimumSize(230, 90);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SelectLabel);
  auto* choices = new QHBoxLayout;
  choices->addWidget(SpeedButton1);
  choices->addWidget(SpeedButton2);
  layout->addLayout(choices);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ESCCANCEL);
  layout->addLayout(bottom);
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { choice_ = Choice::Fan; accept(); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { choice_ = Choice::Pump; accept(); });
  connect(ESCCANCEL, &QPushButton::clicked, this, &QDialog::reject);
  ApplyTextTable(this, TextTable::ForWindow("TAPPSEL2"));
  ScaleFormToScreen(this, 96);
}

int TAPPSEL2::exec() {
  choice_ = Choice::None;
  return QDialog::exec();
}

// ---- guide

TGuideIt::TGuideIt(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TGuideIt"));
  GuideTitle = Named(new QLabel(this), "GuideTitle");
  GuideTitle->setFont(Bold(font(), 1));
  GuideTitle->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GuideTitle);
  auto* steps = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    auto* square = new QLabel(this);
    square->setPixmap(DrawStepSquare(i + 1));
    Step[i] = Named(new QLabel(this), ("Step" + std::to_string(i + 1)).c_str());
    Step[i]->setCursor(Qt::PointingHandCursor);
    Step[i]->installEventFilter(this);
    steps->addWidget(square, i, 0);
    steps->addWidget(Step[i], i, 1);
  }
  steps->setColumnStretch(1, 1);
  layout->addLayout(steps);
  StepsNote = Named(new QLabel(this), "StepsNote");
  auto* note = new QHBoxLayout;
  note->addWidget(StepsNote);
  auto* square = new QLabel(this);
  square->setPixmap(DrawStepSquare(1));
  note->addWidget(square);
  note->addStretch();
  layout->addLayout(note);
  ESCCANCEL = Button("ESCCANCEL", this);
  BitBtn2 = Button("BitBtn2", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ESCCANCEL);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons);
  connect(ESCCANCEL, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  ApplyTextTable(this, TextTable::ForWindow("TGuideIt"));
  ScaleFormToScreen(this, 96);
}

int TGuideIt::exec() {
  goOn_ = false;
  return QDialog::exec();
}

void TGuideIt::BitBtn2Click() {
  goOn_ = true;
  accept();
}

bool TGuideIt::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (QLabel* step : Step)
      if (watched == step) {
        BitBtn2Click();  // every step starts the estimation on its first page
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

// ---- save prompt

TSaveDialogMsg::TSaveDialogMsg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TSaveDialogMsg"));
  Message = Named(new QLabel(this), "Message");
  BitBtn1 = Button("BitBtn1", this);
  BitBtn2 = Button("BitBtn2", this);
  BitBtn3 = Button("BitBtn3", this);
  BitBtn1->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(Picture(Artwork::Question, QSize(40, 40), this));
  top->addWidget(Message, 1);
  layout->addLayout(top);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn3);
  layout->addLayout(buttons);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { result_ = kYes; accept(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { result_ = kNo; accept(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { result_ = kCancel; reject(); });
  ApplyTextTable(this, TextTable::ForWindow("TSaveDialogMsg"));
}

int TSaveDialogMsg::ShowSaveDialog(const QString& message) {
  result_ = kCancel;  // the close box counts as Cancel
  Message->setText(message);
  exec();
  return result_;
}

// ---- about box

TAboutBox::TAboutBox(Messages& messages, Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("TAboutBox"));
  if (auto* app = qobject_cast<WattoraApplication*>(QCoreApplication::instance()))
    app->InstallErrorHandler(&messages, nullptr);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Picture(Artwork::About, QSize(420, 200), this));
  Version = Named(new QLabel(this), "Version");
  URL = Named(new QLabel(this), "URL");
  URL->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerWebSite()));
  URL->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(URL, &QLabel::linkActivated, this,
          [this](const QString& link) { platform_.OpenUrl(link.toStdString()); });
  OKButton = Button("OKButton", this);
  OKButton->setText(QStringLiteral("OK"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(Version);
  layout->addWidget(URL);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  layout->addLayout(buttons);
  ApplyTextTable(this, TextTable::ForWindow("TAboutBox"));
  ScaleFormToScreen(this, 96);
}

int TAboutBox::exec() {
  const TextTable& texts = TextTable::ForWindow("TAboutBox");
  setWindowTitle(QText(texts, "IDS_1") + QStringLiteral("Vantrel Wattora VV"));
  Version->setText(QText(texts, "IDS_0") + QString::fromLatin1(kProgramVersion));
  return QDialog::exec();
}

// ---- welcome screen

TWelc::TWelc(SettingsStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      store_(store) {
  setObjectName(QStringLiteral("TWelc"));
  setWindowTitle(QStringLiteral("Vantrel Wattora VV"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 12);
  layout->addWidget(Picture(Artwork::WelcomeStrip, QSize(560, 90), this));
  pages_ = new QStackedWidget(this);
  layout->addWidget(pages_);

  const auto heading = [this](const char* name) {
    auto* l = Named(new QLabel(this), name);
    l->setFont(Bold(font(), 2));
    l->setWordWrap(true);
    return l;
  };
  const auto paragraph = [this](const char* name) {
    auto* l = Named(new QLabel(this), name);
    l->setWordWrap(true);
    return l;
  };

  auto* intro = new QWidget(this);
  auto* introLayout = new QVBoxLayout(intro);
  introLayout->setContentsMargins(20, 8, 20, 0);
  introLayout->addWidget(heading("WelcomeTitle1"));
  introLayout->addWidget(paragraph("IntroText1"));
  introLayout->addWidget(paragraph("IntroText2"));
  introLayout->addWidget(paragraph("IntroText3"));
  introLayout->addStretch();
  Continue = Button("Continue", intro);
  Continue->setDefault(true);
  auto* continueRow = new QHBoxLayout;
  continueRow->addStretch();
  continueRow->addWidget(Continue);
  introLayout->addLayout(continueRow);
  pages_->addWidget(intro);

  auto* choices = new QWidget(this);
  auto* grid = new QGridLayout(choices);
  grid->setContentsMargins(20, 8, 20, 0);
  grid->addWidget(heading("WelcomeTitle2"), 0, 0, 1, 2);
  NewQuote_Navigation = Button("NewQuote_Navigation", choices);
  Open_Quote_Navigation = Button("Open_Quote_Navigation", choices);
  Program_Setup_Navigation = Button("Program_Setup_Navigation", choices);
  const std::pair<QPushButton*, const char*> rows[] = {
      {NewQuote_Navigation, "NewQuote_Text"},
      {Open_Quote_Navigation, "Open_Quote_Text"},
      {Program_Setup_Navigation, "Program_Setup_Text"}};
  int row = 1;
  for (auto [button, text] : rows) {
    button->setMinimumWidth(160);
    grid->addWidget(button, row, 0);
    grid->addWidget(paragraph(text), row++, 1);
  }
  grid->setColumnStretch(1, 1);
  ShowWelcome = new QCheckBox(choices);
  ShowWelcome->setObjectName(QStringLiteral("ShowWelcome"));
  Close = Button("Close", choices);
  grid->setRowStretch(row++, 1);
  grid->addWidget(ShowWelcome, row, 0, 1, 1);
  grid->addWidget(Close, row, 1, Qt::AlignRight);
  pages_->addWidget(choices);

  connect(Continue, &QPushButton::clicked, this, [this] { pages_->setCurrentIndex(1); });
  connect(NewQuote_Navigation, &QPushButton::clicked, this, [this] { Choose(Choice::NewProject); });
  connect(Open_Quote_Navigation, &QPushButton::clicked, this,
          [this] { Choose(Choice::OpenProject); });
  connect(Program_Setup_Navigation, &QPushButton::clicked, this,
          [this] { Choose(Choice::ProgramSetup); });
  connect(Close, &QPushButton::clicked, this, [this] { Choose(Choice::None); });
  ApplyTextTable(this, TextTable::ForWindow("TWelc"));
  setFixedSize(560, 400);
  ScaleFormToScreen(this, 96);
}

int TWelc::exec() {
  choice_ = Choice::None;
  const bool firstRun = store_.ReadFlag("PRG", "RS", true);
  if (firstRun) store_.WriteText("PRG", "RS", "0");
  pages_->setCurrentIndex(firstRun ? 0 : 1);
  ShowWelcome->setChecked(true);
  return QDialog::exec();
}

void TWelc::Choose(Choice choice) {
  choice_ = choice;
  accept();
}

void TWelc::done(int result) {
  store_.WriteFlag("PROGRAM", "L6", ShowWelcome->isChecked());
  QDialog::done(result);
}

}  // namespace wattora
