#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantrel Wattora VV"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Vantrel Wattora VV"));
  window.resize(800, 600);
  window.show();
  return app.exec();
}
