// Timing of leaving a duty entry while the duty cycle totals 100: range check, duty total,
// computation, results page, selected graph and duty chart.
//   wizard_bench [repetitions]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "wizard/fanform.h"
#include "wizard/tools/sample_workspace.h"

using namespace wattora;

namespace {

struct CountingMessages : Messages {
  int shown = 0;
  MessageAnswer Show(const TextTable&, MessageKind, const std::string&, MessageButtons) override {
    ++shown;
    return MessageAnswer::Ok;
  }
};

struct Figures {
  double mean = 0, median = 0, worst = 0;
};

template <typename Step>
Figures Measure(int repetitions, Step step) {
  std::vector<double> ms;
  ms.reserve(repetitions);
  for (int i = 0; i < repetitions; ++i) {
    QElapsedTimer timer;
    timer.start();
    step(i);
    ms.push_back(timer.nsecsElapsed() / 1e6);
  }
  Figures f;
  for (double v : ms) f.mean += v;
  f.mean /= ms.size();
  std::sort(ms.begin(), ms.end());
  f.median = ms[ms.size() / 2];
  f.worst = ms.back();
  return f;
}

void Print(const char* what, const Figures& f) {
  std::printf("%-44s mean %7.3f ms   median %7.3f ms   worst %7.3f ms\n", what, f.mean, f.median,
              f.worst);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 500;

  tools::SampleWorkspace sample;
  CountingMessages messages;
  NullPlatform platform;
  TFANFORM form(sample.ws, messages, platform, {});
  form.set_default_values();
  form.show();
  form.PageControl1->setCurrentIndex(1);
  QApplication::processEvents();

  // Alternate two duty cycles that both total 100, so every step recomputes something new.
  QLineEdit* a110 = form.A110;
  QLineEdit* a111 = form.A111;
  const auto leave = [&](int i) {
    a110->setText(i % 2 ? "2" : "1");
    a111->setText(i % 2 ? "1" : "2");
    form.CheckRange(a111);
  };
  for (int i = 0; i < 20; ++i) leave(i);  // warm-up
  // Each step must really recompute: the last one put 2 % at full flow.
  leave(1);
  if (sample.ws.estimate.dutyPercent[0] != 2) {
    std::fprintf(stderr, "leaving the entry did not refresh the estimate\n");
    return 1;
  }

  Print("leave duty entry (handlers only)", Measure(repetitions, leave));
  Print("leave duty entry + repaint of the page", Measure(repetitions, [&](int i) {
          leave(i);
          form.repaint();
        }));
  form.PageControl1->setCurrentIndex(3);
  QApplication::processEvents();
  Print("same, graphs page on screen + repaint", Measure(repetitions, [&](int i) {
          leave(i);
          form.repaint();
        }));
  std::printf("messages shown: %d (expected 0)\n", messages.shown);
  return messages.shown == 0 ? 0 : 1;
}
