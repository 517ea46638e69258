#include "support/modal_driver.h"

#include <QAbstractButton>
#include <QTest>

namespace wattora::testing {

void ClickButton(QWidget* window, const char* name) {
  auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) {
    QMetaObject::invokeMethod(window, "reject", Qt::QueuedConnection);
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace wattora::testing
