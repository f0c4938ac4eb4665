// The window right after start-up, as a user first meets it: the widgets
// with their places, fonts, captions, ranges and tab order; and the two kinds
// of spin edit.
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include "pivora_version.h"
#include "ui/window/report_memo.h"
#include "ui/window/window_style.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsFixedAndPlaced();
  void helpAndVersionAnswerWithoutAWindow();
  void widgetsHaveTheirPlacesAndFonts_data();
  void widgetsHaveTheirPlacesAndFonts();
  void initialStateAfterActivation();
  void tabOrderFollowsTheLayout();
  void iconIs32By32In16Colours();
  void countingSpinEditsStepToATypedCount();
  void countingSpinEditsStopAtTheirLimits();
  void digitsAcceptsTypingAndClampsWhenLeft();
};

// `pivora --help` once tried to open a file named "--help".
void StartupTest::helpAndVersionAnswerWithoutAWindow() {
  for (const QString& option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
    QProcess program;
    program.start(QStringLiteral(PIVORA_WINDOW_PROGRAM), {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(out.startsWith(option == QStringLiteral("--help")
                                ? QStringLiteral("Aufruf: pivora")
                                : QStringLiteral("pivora " PIVORA_VERSION)),
             qPrintable(out));
  }
}

void StartupTest::windowIsFixedAndPlaced() {
  const auto form = StartedWindow();
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION));
  QCOMPARE(form->frameGeometry().size(), QSize(970, 580));
  QCOMPARE(form->frameGeometry().topLeft(), QPoint(10, 10));
  QCOMPARE(form->minimumSize(), form->maximumSize());
  form->resize(1200, 900);
  QCOMPARE(form->frameGeometry().size(), QSize(970, 580));
  QVERIFY(form->autoFillBackground());
  QCOMPARE(form->palette().color(form->backgroundRole()), ApplicationWorkspaceColor());
}

void StartupTest::widgetsHaveTheirPlacesAndFonts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<bool>("italic");
  // Labels size themselves to their text: only their top left is fixed.
  QTest::newRow("lbl1") << "lbl1" << QRect(285, 8, 0, 0) << 21 << true << true;
  QTest::newRow("lbl2") << "lbl2" << QRect(17, 46, 0, 0) << 11 << true << false;
  QTest::newRow("lbl3") << "lbl3" << QRect(7, 108, 0, 0) << 11 << true << false;
  QTest::newRow("lbl4") << "lbl4" << QRect(24, 440, 0, 0) << 11 << true << false;
  QTest::newRow("Footer") << "Footer" << QRect(405, 520, 0, 0) << 11 << false << false;
  QTest::newRow("NVars") << "NVars" << QRect(25, 67, 37, 25) << 11 << false << false;
  QTest::newRow("NCons") << "NCons" << QRect(25, 129, 37, 25) << 11 << false << false;
  QTest::newRow("NB") << "NB" << QRect(88, 40, 848, 234) << 11 << false << false;
  QTest::newRow("ZF") << "ZF" << QRect(88, 280, 718, 63) << 11 << false << false;
  QTest::newRow("Opt") << "Opt" << QRect(815, 280, 121, 59) << 11 << true << false;
  QTest::newRow("Maximum") << "Maximum" << QRect(8, 24, 45, 17) << 11 << true << false;
  QTest::newRow("Minimum") << "Minimum" << QRect(70, 24, 45, 17) << 11 << true << false;
  QTest::newRow("Solve") << "Solve" << QRect(12, 351, 65, 25) << 13 << true << false;
  QTest::newRow("Sol") << "Sol" << QRect(88, 350, 848, 155) << 12 << false << false;
  QTest::newRow("Details") << "Details" << QRect(12, 395, 65, 25) << 11 << true << false;
  QTest::newRow("Digits") << "Digits" << QRect(25, 460, 37, 22) << 11 << false << false;
}

void StartupTest::widgetsHaveTheirPlacesAndFonts() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(int, pixels);
  QFETCH(bool, bold);
  QFETCH(bool, italic);
  TForm1 form;
  auto* widget = form.findChild<QWidget*>(name);
  QVERIFY(widget);
  if (geometry.size().isEmpty()) {
    QCOMPARE(widget->pos(), geometry.topLeft());
  } else {
    QCOMPARE(widget->geometry(), geometry);
  }
  QCOMPARE(widget->font().pixelSize(), pixels);
  QCOMPARE(widget->font().bold(), bold);
  QCOMPARE(widget->font().italic(), italic);
  // A missing face falls back to the metric-compatible one, same height.
  QCOMPARE(QFontInfo(widget->font()).pixelSize(), pixels);
}

void StartupTest::initialStateAfterActivation() {
  const auto form = StartedWindow();
  QVERIFY(form->NVars()->hasFocus());
  QCOMPARE(form->NVars()->value(), 2);
  QCOMPARE(form->NCons()->value(), 2);
  QCOMPARE(form->Digits()->value(), 10);
  QCOMPARE(form->NVars()->minimum(), 1);
  QCOMPARE(form->NVars()->maximum(), 50);
  QCOMPARE(form->NCons()->maximum(), 50);
  QCOMPARE(form->Digits()->minimum(), 3);
  QCOMPARE(form->Digits()->maximum(), 15);
  QVERIFY(form->Maximum()->isChecked());
  QVERIFY(!form->Minimum()->isChecked());
  QVERIFY(form->Details()->isChecked());
  QCOMPARE(form->Sol()->toPlainText(), QString());
  QCOMPARE(form->Sol()->LineCount(), 0);
  QCOMPARE(form->lbl1()->text(), QStringLiteral("Lineare Optimierung (Simplex-Methode)"));
  QCOMPARE(form->lbl2()->text(), QStringLiteral("Variablen"));
  QCOMPARE(form->lbl3()->text(), QStringLiteral("Bedingungen"));
  QCOMPARE(form->lbl4()->text(), QStringLiteral("Stellen"));
  QCOMPARE(form->Opt()->title(), QStringLiteral("Optimum"));
  QCOMPARE(form->Maximum()->text(), QStringLiteral("Max"));
  QCOMPARE(form->Minimum()->text(), QStringLiteral("Min"));
  QCOMPARE(form->Solve()->text(), QStringLiteral("L\u00f6sung"));
  QCOMPARE(form->Details()->text(), QStringLiteral("Details"));

  // The footer got its text and grew to the right of its fixed left edge.
  QVERIFY(!form->Footer()->text().isEmpty());
  QCOMPARE(form->Footer()->x(), 405);
  QVERIFY(form->Footer()->width() > 3);

  // The grids' counts and headings, and cell (1, 1) current in both.
  QCOMPARE(form->NBGrid()->model()->columnCount(), 4);
  QCOMPARE(form->NBGrid()->model()->rowCount(), 2);
  QCOMPARE(form->ZFGrid()->model()->columnCount(), 2);
  QCOMPARE(form->ZFGrid()->model()->rowCount(), 1);
  const QStringList nbTop = {"        A", "       x1", "       x2", " <=   >=    =", "        b"};
  for (int c = 0; c < nbTop.size(); ++c) {
    QCOMPARE(QString::fromStdString(Text(form->NB(), c, 0)), nbTop[c]);
  }
  QCOMPARE(form->NBGrid()->model()->headerData(2, Qt::Horizontal).toString(), nbTop[3]);
  QCOMPARE(form->NBGrid()->model()->headerData(1, Qt::Vertical).toString(),
           QStringLiteral("     NB 2"));
  QCOMPARE(form->ZFGrid()->Model().CornerText(), QStringLiteral("        c"));
  QCOMPARE(form->ZFGrid()->model()->headerData(0, Qt::Vertical).toString(),
           QStringLiteral("       ZF"));
  for (StringGrid* grid : {form->NBGrid(), form->ZFGrid()}) {
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
    QVERIFY(grid->Editor());
    QVERIFY(!grid->Editor()->hasFocus());
  }
}

void StartupTest::tabOrderFollowsTheLayout() {
  const auto form = StartedWindow();
  // Through the widgets that take the focus: Tab wraps inside a grid, so the
  // chain itself is read from NB to ZF.
  QTest::keyClick(form->NVars(), Qt::Key_Tab);
  QVERIFY(form->NCons()->hasFocus());
  QTest::keyClick(form->NCons(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form->NBGrid()->Editor());
  QWidget* afterNb = form->NBGrid()->nextInFocusChain();
  while (afterNb->focusPolicy() == Qt::NoFocus || form->NBGrid()->isAncestorOf(afterNb)) {
    afterNb = afterNb->nextInFocusChain();
  }
  QCOMPARE(afterNb, form->ZFGrid());

  // Only the checked radio button is a stop.
  form->Maximum()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->Maximum(), Qt::Key_Tab);
  QVERIFY(form->Solve()->hasFocus());
  QTest::keyClick(form->Solve(), Qt::Key_Tab);
  QVERIFY(form->Sol()->hasFocus());
  QTest::keyClick(form->Sol(), Qt::Key_Tab);
  QVERIFY(form->Details()->hasFocus());
  QTest::keyClick(form->Details(), Qt::Key_Tab);
  QVERIFY(form->Digits()->hasFocus());
  form->Minimum()->setChecked(true);
  form->ZFGrid()->setFocus(Qt::OtherFocusReason);
  form->Solve()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->Solve(), Qt::Key_Tab, Qt::ShiftModifier);
  QVERIFY(form->Minimum()->hasFocus());
  // The arrow keys move between the two and check the one they reach.
  QTest::keyClick(form->Minimum(), Qt::Key_Left);
  QVERIFY(form->Maximum()->hasFocus());
  QVERIFY(form->Maximum()->isChecked());
  QVERIFY(!form->Minimum()->isChecked());
}

void StartupTest::iconIs32By32In16Colours() {
  TForm1 form;
  const QIcon icon = form.windowIcon();
  QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
  const QImage picture = icon.pixmap(32, 32).toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
  }
  QVERIFY(colours.size() <= 16);
  // The installed picture is the same drawing.
  const QImage installed(qEnvironmentVariable("PIVORA_SOURCE_DIR") + "/ui/window/pivora.png");
  QVERIFY(!installed.isNull());
  QCOMPARE(installed.size(), picture.size());
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor a = installed.pixelColor(x, y);
      const QColor b = picture.pixelColor(x, y);
      QCOMPARE(a.alpha(), b.alpha());
      if (a.alpha() != 0) QCOMPARE(a.rgb(), b.rgb());
    }
  }
}

// A typed count goes there step by step, one handler run per value as the
// arrows would, and one Strg+Z takes it all back.
void StartupTest::countingSpinEditsStepToATypedCount() {
  const auto form = StartedWindow();
  QList<int> seen;
  connect(form->NVars(), &QSpinBox::valueChanged,
          [&seen, &form] { seen.append(form->NB().ColumnCount()); });
  QLineEdit* text = form->NVars()->findChild<QLineEdit*>();
  text->selectAll();
  QTest::keyClick(form->NVars(), Qt::Key_A);  // beeps
  QTest::keyClick(form->NVars(), Qt::Key_5);
  QCOMPARE(text->text(), QStringLiteral("5"));
  QCOMPARE(form->NVars()->value(), 2);
  QVERIFY(seen.isEmpty());
  QTest::keyClick(form->NVars(), Qt::Key_Return);
  QCOMPARE(form->NVars()->value(), 5);
  QCOMPARE(seen, (QList<int>{6, 7, 8}));  // each step's handler ran before the next
  QTest::keyClick(form->NVars(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(form->NVars()->value(), 2);
  QCOMPARE(form->NB().ColumnCount(), 5);

  // Beyond the range it stops at the limit; leaving the box enters it too.
  seen.clear();
  text->selectAll();
  QTest::keyClicks(form->NVars(), QStringLiteral("99"));
  QTest::keyClick(form->NVars(), Qt::Key_Tab);
  QCOMPARE(form->NVars()->value(), 50);
  QCOMPARE(seen.size(), 48);
  form->NVars()->setFocus();
  text->selectAll();
  QTest::keyClick(form->NVars(), Qt::Key_Backspace);
  QTest::keyClick(form->NVars(), Qt::Key_Return);  // an empty text keeps the count
  QCOMPARE(form->NVars()->value(), 50);
  QTest::keyClick(form->NVars(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(form->NVars()->value(), 2);

  // A count typed but not entered is dropped by an arrow.
  int changes = 0;
  connect(form->NVars(), &QSpinBox::valueChanged, [&changes] { ++changes; });
  text->selectAll();
  QTest::keyClick(form->NVars(), Qt::Key_9);
  // The arrow keys step by one, each step one change.
  QTest::keyClick(form->NVars(), Qt::Key_Up);
  QCOMPARE(form->NVars()->value(), 3);
  QTest::keyClick(form->NVars(), Qt::Key_PageUp);
  QCOMPARE(form->NVars()->value(), 13);
  QCOMPARE(changes, 11);
  QCOMPARE(form->NB().ColumnCount(), 16);
  QTest::keyClick(form->NVars(), Qt::Key_Down);
  QCOMPARE(form->NVars()->value(), 12);
}

void StartupTest::countingSpinEditsStopAtTheirLimits() {
  const auto form = StartedWindow();
  int changes = 0;
  connect(form->NCons(), &QSpinBox::valueChanged, [&changes] { ++changes; });
  ClickSpinButton(form->NCons(), false);
  QCOMPARE(form->NCons()->value(), 1);
  ClickSpinButton(form->NCons(), false);
  QCOMPARE(form->NCons()->value(), 1);
  QCOMPARE(changes, 1);
  SpinTo(form->NCons(), 50);
  QCOMPARE(changes, 50);
  ClickSpinButton(form->NCons(), true);
  QCOMPARE(form->NCons()->value(), 50);
  QCOMPARE(changes, 50);
  QCOMPARE(form->NB().RowCount(), 51);
}

void StartupTest::digitsAcceptsTypingAndClampsWhenLeft() {
  const auto form = StartedWindow();
  QLineEdit* text = form->Digits()->findChild<QLineEdit*>();
  QVERIFY(text);
  form->Digits()->setFocus(Qt::TabFocusReason);

  text->selectAll();
  QTest::keyClicks(form->Digits(), QStringLiteral("99"));
  QCOMPARE(text->text(), QStringLiteral("99"));
  QCOMPARE(form->DigitsValue(), 15);
  QTest::keyClick(form->Digits(), Qt::Key_Tab);
  QCOMPARE(form->Digits()->value(), 15);
  QCOMPARE(text->text(), QStringLiteral("15"));

  form->Digits()->setFocus(Qt::TabFocusReason);
  text->selectAll();
  QTest::keyClick(form->Digits(), Qt::Key_Backspace);
  QCOMPARE(text->text(), QString());
  QCOMPARE(form->DigitsValue(), 3);
  QTest::keyClicks(form->Digits(), QStringLiteral("x1"));
  QCOMPARE(text->text(), QStringLiteral("1"));
  QTest::keyClicks(form->Digits(), QStringLiteral("."));
  QCOMPARE(text->text(), QStringLiteral("1."));
  QCOMPARE(form->DigitsValue(), 3);
  form->Solve()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(form->Digits()->value(), 3);
  QCOMPARE(text->text(), QStringLiteral("3"));

  form->Digits()->setFocus(Qt::TabFocusReason);
  text->selectAll();
  QTest::keyClicks(form->Digits(), QStringLiteral("1"));
  form->Solve()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(text->text(), QStringLiteral("3"));
  form->Digits()->setFocus(Qt::TabFocusReason);
  text->selectAll();
  QTest::keyClicks(form->Digits(), QStringLiteral("12"));
  form->Solve()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(form->DigitsValue(), 12);
}

PIVORA_WINDOW_TEST_MAIN(StartupTest)
#include "startup_test.moc"
