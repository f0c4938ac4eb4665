// The handlers on the real window at the largest size, n = m = 50 with every
// cell filled, each followed by the repaint it causes, on the offscreen
// platform; and the time from process start to the first painted window.
// Target: every handler within one frame (16 ms), start-up within 300 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/startup.h"
#include "ui/window/tform1.h"

using namespace pivora;

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void FormActivate();
  void NVarsChange();
  void NConsChange();
  void TabDblClick();
  void SolveClick();
  void StartToFirstPaint();

 private:
  void FillEveryCell();

  TForm1* form_ = nullptr;
};

void WindowBench::init() {
  form_ = new TForm1;
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_));
  form_->NVars()->setValue(50);
  form_->NCons()->setValue(50);
  FillEveryCell();
  form_->repaint();
}

void WindowBench::cleanup() {
  delete form_;
  form_ = nullptr;
}

// A bounded problem with every coefficient positive: a solve runs its full
// course without overflow.
void WindowBench::FillEveryCell() {
  for (int row = 1; row <= 50; ++row) {
    for (int column = 1; column <= 50; ++column) {
      form_->NB().SetText(column, row, std::to_string(1 + (row * column) % 7));
    }
    form_->NB().SetText(51, row, "<=");
    form_->NB().SetText(52, row, std::to_string(100 + row));
  }
  for (int column = 1; column <= 50; ++column) {
    form_->ZF().SetText(column, 1, std::to_string(1 + column % 5));
  }
}

void WindowBench::FormActivate() {
  QBENCHMARK {
    form_->FormActivate(form_);
    form_->repaint();
  }
}

// Each round is one step, alternately down from 50 and back up to it.
void WindowBench::NVarsChange() {
  int value = 50;
  QBENCHMARK {
    value = value == 50 ? 49 : 50;
    form_->NVars()->setValue(value);
    form_->repaint();
  }
}

void WindowBench::NConsChange() {
  int value = 50;
  QBENCHMARK {
    value = value == 50 ? 49 : 50;
    form_->NCons()->setValue(value);
    form_->repaint();
  }
}

// Every round clears a full grid: refilling it is not timed, so the result
// is the median of rounds timed one by one.
void WindowBench::TabDblClick() {
  std::vector<qint64> rounds;
  for (int round = 0; round < 30; ++round) {
    FillEveryCell();
    form_->repaint();
    QElapsedTimer timer;
    timer.start();
    form_->TabDblClick(form_->NBGrid());
    form_->repaint();
    rounds.push_back(timer.nsecsElapsed());
    QCOMPARE(form_->NB().Text(50, 50), "");
  }
  std::nth_element(rounds.begin(), rounds.begin() + rounds.size() / 2, rounds.end());
  QTest::setBenchmarkResult(static_cast<qreal>(rounds[rounds.size() / 2]),
                            QTest::WalltimeNanoseconds);
}

void WindowBench::SolveClick() {
  QBENCHMARK {
    form_->SolveClick(form_->Solve());
    form_->repaint();
  }
  QVERIFY(form_->Sol()->LineCount() > 1);
}

// The program's own start-up in a fresh process, until the activated window
// has painted: the median of several runs.
void WindowBench::StartToFirstPaint() {
  std::vector<qint64> runs;
  for (int run = 0; run < 11; ++run) {
    QProcess probe;
    QElapsedTimer timer;
    timer.start();
    probe.start(QStringLiteral(PIVORA_STARTUP_PROBE), {});
    QVERIFY(probe.waitForReadyRead(10000));
    const qint64 elapsed = timer.nsecsElapsed();
    QCOMPARE(probe.readAllStandardOutput().trimmed(), QByteArray("painted"));
    QVERIFY(probe.waitForFinished(10000));
    runs.push_back(elapsed);
  }
  std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
  QTest::setBenchmarkResult(static_cast<qreal>(runs[runs.size() / 2]), QTest::WalltimeNanoseconds);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareApplication();
  QApplication application(argc, argv);
  WindowBench bench;
  return QTest::qExec(&bench, argc, argv);
}

#include "window_bench.moc"
