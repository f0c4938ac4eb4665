// Problems in and out of the window: saving and opening, a malformed file,
// the question about unsaved changes, and paste and copy.
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include "pivora_version.h"
#include "testing/small_disk.h"
#include "ui/window/edit_history.h"
#include "ui/window/file_actions.h"
#include "ui/window/report_memo.h"
#include "ui/window/window_commands.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class FileTest : public QObject {
  Q_OBJECT

 private slots:
  void savingAndOpeningGiveBackEveryCellAsTyped();
  void aMalformedFileNamesItsLineAndChangesNothing();
  void closingAsksAboutUnsavedChanges();
  void undoingAnOpenUndoesItsFile();
  void aNewProblemForgetsTheFileAndTheTitleNamesIt();
  void pasteGrowsTheCountsOrIsRefused();
  void modelsOpenWithTheirLegendOrAreRefused();
  void aSaveOntoAFullDiskKeepsTheOldFileAndTheWindowOpen();
  void twoWindowsOnOneFileAskBeforeOverwriting();
};

static FileActions& Files(TForm1& form) { return form.Commands().Files(); }

static QByteArray Slurp(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Answers the next message boxes in turn, each by clicking the button with
// the next of `buttons`, and notes their texts in `shown`.
static void AnswerBoxes(const QStringList& buttons, QStringList* shown) {
  shown->clear();
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, buttons, shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || (!shown->isEmpty() && box->property("answered").toBool())) return;
    box->setProperty("answered", true);
    const QString button = buttons.value(shown->size());
    shown->append(box->text());
    if (shown->size() == buttons.size()) {
      poll->stop();
      poll->deleteLater();
    }
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == button) QTest::mouseClick(b, Qt::LeftButton);
    }
  });
  poll->start();
}

void FileTest::savingAndOpeningGiveBackEveryCellAsTyped() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("p.txt"));
  const auto form = StartedWindow();
  SpinTo(form->NVars(), 3);
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral(" 1 000"));
  TypeIntoCell(form->NBGrid(), 2, 1, QStringLiteral("\"2\""));
  TypeIntoCell(form->NBGrid(), 4, 1, QStringLiteral("=>"));
  TypeIntoCell(form->NBGrid(), 1, 2, QStringLiteral("#7"));
  TypeIntoCell(form->NBGrid(), 5, 2, QStringLiteral("0,5"));
  TypeIntoCell(form->ZFGrid(), 2, 1, QStringLiteral("3"));
  QTest::mouseClick(form->Solve(), Qt::LeftButton);  // marks (1, 1), defaults row 1
  QTest::mouseClick(form->Minimum(), Qt::LeftButton);
  QTest::mouseClick(form->Details(), Qt::LeftButton);
  form->Digits()->setValue(6);
  QVERIFY(Files(*form).SaveFile(path));
  const ProblemFile saved = Files(*form).WindowProblem();

  const auto other = StartedWindow();
  QVERIFY(Files(*other).OpenFile(path));
  const ProblemFile opened = Files(*other).WindowProblem();
  QCOMPARE(opened.constraints, saved.constraints);
  QCOMPARE(opened.objective, saved.objective);
  // The file holds what was typed behind the mark; the window shows the mark.
  QCOMPARE(Text(form->NB(), 1, 1), "  FEHLER!");
  QCOMPARE(Text(other->NB(), 1, 1), " 1 000");
  QTest::mouseClick(other->Solve(), Qt::LeftButton);
  other->Commands().History().Checkpoint();
  QCOMPARE(Text(other->NB(), 1, 1), "  FEHLER!");
  QCOMPARE(Files(*other).WindowProblem().constraints, saved.constraints);
  other->Commands().History().Stack().undo();  // the solve
  other->Commands().History().Stack().redo();
  QCOMPARE(Files(*other).WindowProblem().constraints, saved.constraints);
  other->Commands().History().Stack().undo();
  QCOMPARE(Text(other->NB(), 2, 1), "\"2\"");
  QCOMPARE(Text(other->NB(), 1, 2), "#7");
  QCOMPARE(Text(other->NB(), 3, 2), "");
  QCOMPARE(other->NVars()->value(), 3);
  QVERIFY(other->Minimum()->isChecked());
  QVERIFY(!other->Details()->isChecked());
  QCOMPARE(other->Digits()->value(), 6);
  // Opening is one step, and leaves nothing unsaved.
  QVERIFY(!Files(*other).Modified());
  other->Commands().History().Stack().undo();
  QCOMPARE(other->NVars()->value(), 2);
  QCOMPARE(Text(other->NB(), 1, 1), "");
  QVERIFY(other->Maximum()->isChecked());
}

void FileTest::aMalformedFileNamesItsLineAndChangesNothing() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.txt"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("max\n1 2\n1 1 <= 4\n1 \"3 <= 6\n");
  file.close();
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QString shown;
  AnswerNextBox(QStringLiteral("OK"), &shown);
  QVERIFY(!Files(*form).OpenFile(path));
  QVERIFY2(shown.contains(QStringLiteral("Zeile 4: einer Zelle in Anf\u00fchrungszeichen")),
           qPrintable(shown));
  QCOMPARE(Text(form->NB(), 1, 1), "5");
  QCOMPARE(form->NVars()->value(), 2);
}

// Type 5, open b.txt, undo: the window shows the typed problem again, which
// belongs to no file, so Strg+S must ask for a name rather than overwrite
// b.txt; redo brings b.txt back with its saved state.
void FileTest::undoingAnOpenUndoesItsFile() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("b.txt"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("min\n7 8\n1 1 >= 2\n3 4 <= 12\n");
  file.close();
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QVERIFY(Files(*form).OpenFile(path));
  QVERIFY(form->windowTitle().endsWith(QStringLiteral("b.txt")));
  QUndoStack& stack = form->Commands().History().Stack();
  stack.undo();
  QCOMPARE(Text(form->NB(), 1, 1), "5");
  QVERIFY(Files(*form).Path().isEmpty());
  QVERIFY(Files(*form).Modified());
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION " \u2013 Unbenannt*"));
  stack.redo();
  QCOMPARE(Files(*form).Path(), path);
  QVERIFY(!Files(*form).Modified());
  // Max/Min is a step of its own, and marks the problem changed.
  QTest::mouseClick(form->Maximum(), Qt::LeftButton);
  QTest::qWait(0);
  QVERIFY(Files(*form).Modified());
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION " \u2013 b.txt*"));
  stack.undo();
  QVERIFY(form->Minimum()->isChecked());
  QVERIFY(!Files(*form).Modified());
}

void FileTest::aNewProblemForgetsTheFileAndTheTitleNamesIt() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("p.txt"));
  const auto form = StartedWindow();
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION));
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QTRY_COMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION " \u2013 Unbenannt*"));
  QVERIFY(Files(*form).SaveFile(path));
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION " \u2013 p.txt"));
  QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(Text(form->NB(), 1, 1), "");
  QVERIFY(Files(*form).Path().isEmpty());
  QCOMPARE(form->windowTitle(), QStringLiteral("Pivora v" PIVORA_VERSION));
  form->Commands().History().Stack().undo();
  QCOMPARE(Text(form->NB(), 1, 1), "5");
  QCOMPARE(Files(*form).Path(), path);
  QVERIFY(!Files(*form).Modified());
}

void FileTest::closingAsksAboutUnsavedChanges() {
  const auto untouched = StartedWindow();
  QTest::mouseClick(untouched->Solve(), Qt::LeftButton);  // defaults only
  QVERIFY(untouched->close());                            // no question

  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QString shown;
  AnswerNextBox(QStringLiteral("Abbrechen"), &shown);
  QVERIFY(!form->close());
  QCOMPARE(shown, QStringLiteral("\u00c4nderungen speichern?"));
  QVERIFY(form->isVisible());
  AnswerNextBox(QStringLiteral("Verwerfen"), &shown);
  QVERIFY(form->close());

  // After a save the window closes at once again; an undo makes it unsaved.
  QTemporaryDir dir;
  const auto saved = StartedWindow();
  TypeIntoCell(saved->NBGrid(), 1, 1, QStringLiteral("5"));
  QVERIFY(Files(*saved).SaveFile(dir.filePath(QStringLiteral("s.txt"))));
  QVERIFY(!Files(*saved).Modified());
  QTest::keyClick(saved->NBGrid()->Editor(), Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(Files(*saved).Modified());
}

void FileTest::pasteGrowsTheCountsOrIsRefused() {
  const auto form = StartedWindow();
  ClickCell(form->NBGrid(), 2, 2);
  QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\t>=\t4\r\n0,5\t\t\t=\t1\r\n"));
  // Kept as typed when the decimal comma is not to be converted.
  QString asked;
  AnswerNextBox(QStringLiteral("&Nein"), &asked);
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(asked, QStringLiteral("Dezimalkommas als Dezimalpunkte \u00fcbernehmen?"));
  QVERIFY(QTest::qWaitForWindowActive(form.get()));
  // Columns 2..6 need n = 4; rows 2..3 need m = 3.
  QCOMPARE(form->NVars()->value(), 4);
  QCOMPARE(form->NCons()->value(), 3);
  QCOMPARE(Text(form->NB(), 5, 2), ">=");
  QCOMPARE(Text(form->NB(), 2, 3), "0,5");
  QCOMPARE(Text(form->NB(), 6, 3), "1");
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(form->NVars()->value(), 2);
  QCOMPARE(form->NCons()->value(), 2);
  QCOMPARE(Text(form->NB(), 2, 2), "");

  // 51 rows from row 1 do not fit: refused, nothing changes. The message
  // names the grid pasted into: two rows do not fit the objective's one.
  ClickCell(form->NBGrid(), 1, 1);
  QApplication::clipboard()->setText(QStringLiteral("1\n").repeated(51));
  QString shown;
  AnswerNextBox(QStringLiteral("OK"), &shown);
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(shown, QStringLiteral("Der eingef\u00fcgte Block (51 \u00d7 1 Zellen) passt ab Zelle "
                                 "(1, 1) nicht in die Bedingungen: h\u00f6chstens 50 Variablen "
                                 "und 50 Bedingungen."));
  QCOMPARE(form->NCons()->value(), 2);
  QCOMPARE(Text(form->NB(), 1, 1), "");
  QVERIFY(QTest::qWaitForWindowActive(form.get()));
  ClickCell(form->ZFGrid(), 2, 1);
  QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
  AnswerNextBox(QStringLiteral("OK"), &shown);
  QTest::keyClick(form->ZFGrid()->Editor(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(shown, QStringLiteral("Der eingef\u00fcgte Block (2 \u00d7 2 Zellen) passt ab Zelle "
                                 "(2, 1) nicht in die Zielfunktion (eine Zeile): h\u00f6chstens "
                                 "50 Variablen und 50 Bedingungen."));
  QCOMPARE(Text(form->ZF(), 2, 1), "");
  QVERIFY(QTest::qWaitForWindowActive(form.get()));

  // Copy takes the current cell as typed.
  TypeIntoCell(form->ZFGrid(), 2, 1, QStringLiteral("1,5"));
  QTest::keyClick(form->ZFGrid()->Editor(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,5"));
}

void FileTest::modelsOpenWithTheirLegendOrAreRefused() {
  const QString models = qEnvironmentVariable("PIVORA_SOURCE_DIR") +
                         QStringLiteral("/solver/tests/data/lp-instances/models/");
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QString shown;
  AnswerNextBox(QStringLiteral("OK"), &shown);
  QVERIFY(!Files(*form).OpenFile(models + QStringLiteral("e226.mps")));
  QVERIFY2(shown.contains(QStringLiteral("223 Zeilen \u00d7 282 Spalten")), qPrintable(shown));
  QCOMPARE(Text(form->NB(), 1, 1), "5");

  QVERIFY(Files(*form).OpenFile(models + QStringLiteral("exmip1.lp")));
  QCOMPARE(form->NVars()->value(), 10);
  QCOMPARE(form->NCons()->value(), 14);
  QCOMPARE(form->NBGrid()->Model().headerData(9, Qt::Horizontal, Qt::ToolTipRole).toString(),
           QStringLiteral("x10 = RgROW05 + 12"));
  QVERIFY(form->ZFGrid()
              ->Model()
              .headerData(0, Qt::Vertical, Qt::ToolTipRole)
              .toString()
              .contains(QStringLiteral("ganzzahlig markiert")));
  QVERIFY(Files(*form).Path().isEmpty());  // Strg+S never writes over the model
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines().value(2), QStringLiteral("Optimum: Zmin = 3.236842105"));

  // A model dropped on the report opens like one chosen in the dialog.
  QMimeData dragged;
  dragged.setUrls({QUrl::fromLocalFile(models + QStringLiteral("afiro.mps"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form->Sol()->viewport(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form->Sol()->viewport(), &drop);
  QTRY_COMPARE(form->NVars()->value(), 32);
  QVERIFY(form->Sol()->Lines().isEmpty());
}

// Strg+S onto a full disk: the old file stays, a box names the file and the
// reason, the problem stays marked as changed, and a close waiting for the
// save does not happen.
void FileTest::aSaveOntoAFullDiskKeepsTheOldFileAndTheWindowOpen() {
  const SmallDisk disk;
  if (!disk.Mounted()) QSKIP(disk.Why().c_str());
  const QString path = QString::fromStdString(disk.Folder()) + QStringLiteral("/problem.txt");
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QVERIFY(Files(*form).SaveFile(path));
  const QByteArray saved = Slurp(path);
  disk.Fill();

  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("7"));
  QStringList shown;
  AnswerBoxes({QStringLiteral("OK")}, &shown);
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(shown.size(), 1);
  QVERIFY2(shown[0].contains(QStringLiteral("\u00bbproblem.txt\u00ab")) &&
               shown[0].contains(QStringLiteral("Der Datentr\u00e4ger ist voll.")) &&
               shown[0].contains(QStringLiteral("unver\u00e4ndert")),
           qPrintable(shown[0]));
  QCOMPARE(Slurp(path), saved);
  QVERIFY(Files(*form).Modified());
  Files(*form).UpdateTitle();
  QVERIFY(form->windowTitle().endsWith(u'*'));

  AnswerBoxes({QStringLiteral("Speichern"), QStringLiteral("OK")}, &shown);
  QVERIFY(!form->close());
  QCOMPARE(shown.size(), 2);
  QVERIFY(form->isVisible());
  QCOMPARE(Slurp(path), saved);
}

// Window B saves over what window A saved after B opened the file: B is
// asked first, and A, whose problem then exists nowhere else, asks on
// closing.
void FileTest::twoWindowsOnOneFileAskBeforeOverwriting() {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("shared.txt"));
  const auto a = StartedWindow();
  TypeIntoCell(a->NBGrid(), 1, 1, QStringLiteral("1"));
  QVERIFY(Files(*a).SaveFile(path));
  const auto b = StartedWindow();
  QVERIFY(Files(*b).OpenFile(path));
  a->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(a.get()));
  TypeIntoCell(a->NBGrid(), 1, 1, QStringLiteral("11"));
  QVERIFY(Files(*a).Save());
  const QByteArray fromA = Slurp(path);

  b->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(b.get()));
  TypeIntoCell(b->NBGrid(), 2, 1, QStringLiteral("22"));
  const int steps = b->Commands().History().Stack().count();
  QStringList shown;
  AnswerBoxes({QStringLiteral("Abbrechen")}, &shown);
  QVERIFY(!Files(*b).Save());
  QCOMPARE(shown.size(), 1);
  QVERIFY2(shown[0].contains(QStringLiteral("\u00bbshared.txt\u00ab wurde ge\u00e4ndert")),
           qPrintable(shown[0]));
  QCOMPARE(Slurp(path), fromA);
  QVERIFY(Files(*b).Modified());
  QCOMPARE(b->Commands().History().Stack().count(), steps);

  AnswerBoxes({QStringLiteral("\u00dcberschreiben")}, &shown);
  QVERIFY(Files(*b).Save());
  QVERIFY(Slurp(path).contains("22"));

  AnswerBoxes({QStringLiteral("Abbrechen")}, &shown);
  QVERIFY(!a->close());
  QCOMPARE(shown.size(), 1);
  QVERIFY2(shown[0].contains(QStringLiteral("nur noch hier")), qPrintable(shown[0]));
}

PIVORA_WINDOW_TEST_MAIN(FileTest)
#include "file_test.moc"
