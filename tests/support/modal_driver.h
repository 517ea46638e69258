#pragma once
// Answers modal windows in tests: each queued action runs on the next modal window that opens.
// A modal window nobody answers within five seconds is closed and the test fails: no test hangs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace wattora::testing {

class ModalDriver {
 public:
  using Action = std::function<void(QWidget* modal)>;

  ModalDriver() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  // Runs `action` on the next modal window; `name` (object name) is checked when given.
  void Then(Action action, const char* name = nullptr) {
    queue_.push_back({std::move(action), name ? QString::fromLatin1(name) : QString()});
  }
  bool Done() const { return queue_.empty(); }
  const QStringList& Seen() const { return seen_; }

 private:
  struct Step {
    Action action;
    QString name;
  };
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      last_ = nullptr;
      waiting_.invalidate();
      return;
    }
    if (modal == last_ || queue_.empty() || !modal->isVisible()) {
      if (!waiting_.isValid()) waiting_.start();
      if (waiting_.elapsed() > 5000) {
        ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
        waiting_.invalidate();
        modal->close();
      }
      return;
    }
    waiting_.invalidate();
    last_ = modal;
    Step step = std::move(queue_.front());
    queue_.pop_front();
    seen_ << modal->objectName();
    if (!step.name.isEmpty() && modal->objectName() != step.name) {
      // Unexpected window: close it so the test fails instead of hanging.
      QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
      return;
    }
    step.action(modal);
    last_ = nullptr;
  }

  QTimer timer_;
  std::deque<Step> queue_;
  QWidget* last_ = nullptr;
  QElapsedTimer waiting_;
  QStringList seen_;
};

// Clicks the child button of `window` with this object name.
void ClickButton(QWidget* window, const char* name);

}  // namespace wattora::testing
