// What the widget tests share: the test main on the offscreen platform, the
// window shown and active, and the user's gestures on the window's widgets.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMessageBox>
#include <QStyleOptionSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "ui/window/grid_model.h"
#include "ui/window/spin_edit.h"
#include "ui/window/startup.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"

// The tests need no display: they choose the offscreen platform themselves,
// so they run (and are never skipped) wherever CI runs them.
// The window's settings (recent files, the report window's place) go to a
// folder of their own that is removed afterwards.
#define PIVORA_WINDOW_TEST_MAIN(TestClass)                          \
  int main(int argc, char** argv) {                                 \
    qputenv("QT_QPA_PLATFORM", "offscreen");                        \
    const QTemporaryDir settings;                                   \
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path())); \
    pivora::PrepareApplication();                                   \
    QApplication application(argc, argv);                           \
    pivora::LoadGermanTranslations(application);                    \
    TestClass test;                                                 \
    return QTest::qExec(&test, argc, argv);                         \
  }

namespace pivora::testing {

// A new window, shown and active: FormActivate has run.
inline std::unique_ptr<TForm1> StartedWindow() {
  auto form = std::make_unique<TForm1>();
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the window never became active");
  return form;
}

inline std::string Text(const CellStore& store, int column, int row) {
  return std::string(store.Text(column, row));
}

// The middle of cell (column, row), both counted from 0 as in the store,
// and the widget that shows it: a heading, the corner or the data area.
inline std::pair<QWidget*, QPoint> CellSpot(StringGrid* grid, int column, int row) {
  if (column == 0 && row == 0) {
    // The corner is whatever the user meets where the two headings cross.
    const QPoint middle(grid->frameWidth() + grid->verticalHeader()->width() / 2,
                        grid->frameWidth() + grid->horizontalHeader()->height() / 2);
    QWidget* corner = grid->childAt(middle);
    return {corner, corner->mapFrom(grid, middle)};
  }
  if (row == 0) {
    QHeaderView* header = grid->horizontalHeader();
    return {header->viewport(),
            QPoint(header->sectionViewportPosition(column - 1) + StringGrid::kCellWidth / 2,
                   StringGrid::kCellHeight / 2)};
  }
  if (column == 0) {
    QHeaderView* header = grid->verticalHeader();
    return {header->viewport(),
            QPoint(StringGrid::kCellWidth / 2,
                   header->sectionViewportPosition(row - 1) + StringGrid::kCellHeight / 2)};
  }
  const QModelIndex index = grid->Model().IndexOfCell(column, row);
  grid->scrollTo(index);
  QWidget* editor = grid->indexWidget(index);
  if (editor) return {editor, editor->rect().center()};
  return {grid->viewport(), grid->visualRect(index).center()};
}

// Whether every character of `text` but the line ends takes one advance
// width in `font`: the columns a reader sees lined up, whatever fontconfig
// says of the font's spacing.
inline bool OneAdvanceWidth(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(u'0');
  for (const QChar c : text) {
    if (c != u'\n' && metrics.horizontalAdvance(c) != width) return false;
  }
  return true;
}

inline void ClickCell(StringGrid* grid, int column, int row) {
  const auto [widget, spot] = CellSpot(grid, column, row);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, spot);
}

inline void DoubleClickCell(StringGrid* grid, int column, int row) {
  const auto [widget, spot] = CellSpot(grid, column, row);
  QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, spot);
}

// Clicks the cell and types `text` into its editor, key by key.
inline void TypeIntoCell(StringGrid* grid, int column, int row, const QString& text) {
  ClickCell(grid, column, row);
  QWidget* editor = grid->Editor();
  QVERIFY2(editor && editor->hasFocus(), "the clicked cell's editor has no focus");
  QTest::keyClicks(editor, text);
}

inline QPoint SpinButtonSpot(SpinEdit* spin, bool up) {
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.frame = true;
  const QRect button = spin->style()->subControlRect(
      QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
  return button.center();
}

inline void ClickSpinButton(SpinEdit* spin, bool up) {
  QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, SpinButtonSpot(spin, up));
}

// Steps `spin` one click at a time until it shows `target`.
inline void SpinTo(SpinEdit* spin, int target) {
  while (spin->value() != target) ClickSpinButton(spin, spin->value() < target);
}

// What the next error box showed; filled when the test presses its OK.
struct ErrorBoxSeen {
  bool seen = false;
  QString title;
  QString text;
  bool critical = false;
  bool onlyOk = false;
};

// Presses OK on the next message box that opens, and notes what it showed.
inline void AnswerNextErrorBox(ErrorBoxSeen* seen) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    seen->seen = true;
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->critical = box->icon() == QMessageBox::Critical;
    seen->onlyOk = box->buttons().size() == 1 && box->button(QMessageBox::Ok);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      box->reject();
    }
  });
  poll->start();
}

// Clicks the button with `text` on the next message box that opens, and
// notes the box's text in `shown`.
inline void AnswerNextBox(const QString& text, QString* shown) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, text, shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    *shown = box->text();
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == text) QTest::mouseClick(button, Qt::LeftButton);
    }
  });
  poll->start();
}

// The worked example typed key by key: maximise 3 x1 + 2 x2 subject to
// x1 + x2 <= 4 and x1 + 3 x2 <= 6.
inline void TypeWorkedExample(TForm1& form) {
  const QStringList rows[] = {{"1", "1", "<=", "4"}, {"1", "3", "<=", "6"}};
  for (int row = 1; row <= 2; ++row) {
    for (int column = 1; column <= 4; ++column) {
      TypeIntoCell(form.NBGrid(), column, row, rows[row - 1][column - 1]);
    }
  }
  TypeIntoCell(form.ZFGrid(), 1, 1, QStringLiteral("3"));
  TypeIntoCell(form.ZFGrid(), 2, 1, QStringLiteral("2"));
}

}  // namespace pivora::testing
