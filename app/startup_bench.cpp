// Start-up benchmark: the program's start-up beside a bare Qt main window, each in its own
// process (so peak memory is per process), many runs each; prints mean time and peak memory.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "shell/application.h"
#include "shell/mainwindow.h"
#include "startup.h"

namespace {

int RunBare(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(900, 620);
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  window.show();
  return app.exec();
}

int RunProgram(int argc, char** argv) {
  wattora::WattoraApplication app(argc, argv);
  wattora::Startup startup({});
  QObject::connect(&startup.MainWindow(), &wattora::TForm1::firstShown, &app,
                   [&app] { QTimer::singleShot(0, &app, &QCoreApplication::quit); });
  startup.Show();
  return app.exec();
}

struct Measure {
  double seconds;
  long maxRssKb;
};

Measure Spawn(const char* self, const char* mode) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(self, self, mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {seconds, usage.ru_maxrss};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return RunBare(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--program") == 0) return RunProgram(argc, argv);

  QTemporaryDir config;  // a first start every time, never the user's settings
  setenv("XDG_CONFIG_HOME", config.path().toUtf8().constData(), 1);
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
  Spawn(argv[0], "--bare");  // warm the caches once
  Spawn(argv[0], "--program");
  double bare = 0, program = 0;
  long bareRss = 0, programRss = 0;
  for (int i = 0; i < runs; ++i) {
    const Measure b = Spawn(argv[0], "--bare");
    const Measure p = Spawn(argv[0], "--program");
    bare += b.seconds;
    program += p.seconds;
    bareRss = std::max(bareRss, b.maxRssKb);
    programRss = std::max(programRss, p.maxRssKb);
  }
  std::printf("bare Qt main window : %7.1f ms  %7ld KiB peak\n", 1000 * bare / runs, bareRss);
  std::printf("wattora start-up    : %7.1f ms  %7ld KiB peak\n", 1000 * program / runs, programRss);
  std::printf("ratio               : %7.2f x time  %5.2f x memory\n", program / bare,
              static_cast<double>(programRss) / bareRss);
  return 0;
}
