#include "shell/help.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QVBoxLayout>

namespace wattora {

HelpBrowser::HelpBrowser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpBrowser"));
  setWindowTitle(QStringLiteral("Aide – Vantrel Wattora VV"));
  resize(720, 560);
  browser_ = new QTextBrowser(this);
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenExternalLinks(true);
  auto* back = new QPushButton(QStringLiteral("&Précédent"), this);
  auto* contents = new QPushButton(QStringLiteral("&Sommaire"), this);
  auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(contents, &QPushButton::clicked, this,
          [this] { ShowTopic(QStringLiteral("HLP_CONTENTS")); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  back->setEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
}

QStringList HelpBrowser::Topics() {
  QStringList topics;
  for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
    topics << name.chopped(5);
  return topics;
}

bool HelpBrowser::ShowTopic(const QString& topic) {
  const QString page = topic + QStringLiteral(".html");
  if (!QFile::exists(QStringLiteral(":/help/") + page)) return false;
  topic_ = topic;
  browser_->setSource(QUrl(page));
  return true;
}

}  // namespace wattora
