#pragma once
// The in-program help: one French page per topic, compiled into the program.
#include <QDialog>
#include <QTextBrowser>

namespace wattora {

class HelpBrowser : public QDialog {
  Q_OBJECT
 public:
  explicit HelpBrowser(QWidget* parent = nullptr);
  // Shows the page of `topic` ("HLP_CONTENTS", "STEP1" ...); false when no page exists.
  bool ShowTopic(const QString& topic);
  QString CurrentTopic() const { return topic_; }
  QTextBrowser* Browser() const { return browser_; }

  static QStringList Topics();

 private:
  QTextBrowser* browser_;
  QString topic_;
};

}  // namespace wattora
