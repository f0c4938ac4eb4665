#include "ui/window/file_actions.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <algorithm>

#include "solve/read_problem.h"
#include "ui/window/edit_history.h"
#include "ui/window/grid_model.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"
#include "ui/window/window_snapshot.h"

namespace pivora {
namespace {

const QString kTitle = QStringLiteral("Pivora");

QString OpenFilter() {
  return QStringLiteral(
      "Probleme und Modelle (*.txt *.lp *.mps);;Probleme (*.txt);;LP-Modelle (*.lp);;"
      "MPS-Modelle (*.mps);;Alle Dateien (*)");
}

QString SaveFilter() { return QStringLiteral("Probleme (*.txt);;Alle Dateien (*)"); }

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Latin1List(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(Latin1(text));
  return list;
}

std::string Bytes(std::string_view text) { return std::string(text); }

// The problem with every empty cell as the solve command reads it.
ProblemFile WithDefaults(ProblemFile problem) {
  for (std::string& cell : problem.objective) {
    if (cell.empty()) cell.push_back('0');
  }
  for (std::vector<std::string>& row : problem.constraints) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (!row[c].empty()) continue;
      const std::string_view fill = c + 2 == row.size() ? kRelationDefault : kNumberDefault;
      row[c].append(fill.data(), fill.size());
    }
  }
  return problem;
}

bool SameProblem(const ProblemFile& a, const ProblemFile& b) {
  return a.maximum == b.maximum && a.details == b.details && a.digits == b.digits &&
         a.objective == b.objective && a.constraints == b.constraints;
}

// The snapshot that puts `problem` into the window: its cells, every other
// cell empty, no report, and the settings the file gives.
WindowSnapshot SnapshotOf(const ProblemFile& problem, const WindowSnapshot& current) {
  WindowSnapshot snapshot;
  snapshot.n = problem.n;
  snapshot.m = problem.m;
  for (int r = 1; r <= problem.m; ++r) {
    const std::vector<std::string>& row = problem.constraints[static_cast<std::size_t>(r - 1)];
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (!row[c].empty()) snapshot.nb.push_back({static_cast<int>(c) + 1, r, row[c]});
    }
  }
  for (std::size_t c = 0; c < problem.objective.size(); ++c) {
    if (!problem.objective[c].empty()) {
      snapshot.zf.push_back({static_cast<int>(c) + 1, 1, problem.objective[c]});
    }
  }
  snapshot.maximum = problem.maximum;
  snapshot.details = problem.details.value_or(current.details);
  snapshot.digits = std::clamp(problem.digits.value_or(current.digits), 3, 15);
  return snapshot;
}

}  // namespace

FileActions::FileActions(TForm1& form, EditHistory& history)
    : QObject(&form), form_(form), history_(history) {
  form_.setAcceptDrops(true);
  qApp->installEventFilter(this);
  MarkSaved();
}

void FileActions::ForgetFile() {
  path_.clear();
  MarkSaved();
}

void FileActions::MarkSaved() { saved_ = WithDefaults(WindowProblem()); }

bool FileActions::Modified() const { return !SameProblem(WithDefaults(WindowProblem()), saved_); }

FileActions::~FileActions() { qApp->removeEventFilter(this); }

void FileActions::ShowError(const QString& text) {
  QMessageBox::warning(&form_, kTitle, text, QMessageBox::Ok);
  // Active again even where no window manager hands the activation back.
  form_.activateWindow();
}

void FileActions::Open() {
  if (!MayDiscard()) return;
  const QString path = QFileDialog::getOpenFileName(&form_, QStringLiteral("Problem \u00f6ffnen"),
                                                    QFileInfo(path_).path(), OpenFilter());
  if (!path.isEmpty()) OpenFile(path);
}

bool FileActions::Save() {
  if (path_.isEmpty()) return SaveAs();
  return SaveFile(path_);
}

bool FileActions::SaveAs() {
  QFileDialog dialog(&form_, QStringLiteral("Problem speichern"), path_, SaveFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  return SaveFile(dialog.selectedFiles().constFirst());
}

bool FileActions::OpenFile(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const QByteArray localPath = QFile::encodeName(path);
  std::optional<ModelLegend> legend;
  ProblemFile problem;
  if (const std::optional<ModelFormat> format = ModelFormatOfPath(localPath.toStdString())) {
    ModelFileOutcome model = ReadModelFile(localPath.toStdString(), *format);
    if (model.kind != ModelFileOutcome::Kind::kRead) {
      ShowError(QStringLiteral("Das Modell \u00bb%1\u00ab kann nicht ge\u00f6ffnet werden.\n%2")
                    .arg(name, QString::fromUtf8(model.message.c_str())));
      return false;
    }
    problem = std::move(model.problem);
    legend = std::move(model.legend);
  } else {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      ShowError(QStringLiteral("Die Datei \u00bb%1\u00ab kann nicht ge\u00f6ffnet werden: %2")
                    .arg(name, file.errorString()));
      return false;
    }
    const QByteArray content = file.readAll();
    ProblemFileOutcome read = ReadProblemFile(
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    if (read.kind == ProblemFileOutcome::Kind::kMalformed) {
      ShowError(QStringLiteral("Die Datei \u00bb%1\u00ab ist kein Problem, das Pivora lesen kann.\n"
                               "Zeile %2: %3")
                    .arg(name)
                    .arg(read.line)
                    .arg(QString::fromUtf8(read.germanMessage.c_str())));
      return false;
    }
    problem = std::move(read.problem);
  }
  history_.Record([&] { ApplyToWindow(form_, SnapshotOf(problem, CaptureWindow(form_)), true); },
                  true);
  ShowLegend(legend);
  // A model is never overwritten with a problem file: Strg+S asks for a name.
  path_ = legend ? QString() : path;
  MarkSaved();
  emit fileUsed(path);
  return true;
}

void FileActions::ShowLegend(const std::optional<ModelLegend>& legend) {
  GridModel& nb = form_.NBGrid()->Model();
  GridModel& zf = form_.ZFGrid()->Model();
  if (!legend) {
    nb.SetHeadingTips({}, {});
    zf.SetHeadingTips({}, {});
    return;
  }
  const QStringList variables = Latin1List(legend->variables);
  nb.SetHeadingTips(variables, Latin1List(legend->rows));
  QStringList notes;
  for (const std::string& note : legend->notes)
    notes.append(QStringLiteral("Hinweis: ") + Latin1(note));
  zf.SetHeadingTips(variables, {notes.join(u'\n')});
}

bool FileActions::SaveFile(const QString& path) {
  const std::string text = WriteProblemFile(WindowProblem());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    ShowError(QStringLiteral("Die Datei \u00bb%1\u00ab kann nicht gespeichert werden: %2")
                  .arg(QFileInfo(path).fileName(), file.errorString()));
    return false;
  }
  path_ = path;
  MarkSaved();
  emit fileUsed(path);
  return true;
}

bool FileActions::MayDiscard() {
  if (!Modified()) return true;
  QMessageBox box(QMessageBox::Question, kTitle, QStringLiteral("\u00c4nderungen speichern?"),
                  QMessageBox::NoButton, &form_);
  QPushButton* save = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  form_.activateWindow();
  if (box.clickedButton() == save) return Save();
  return box.clickedButton() == discard;
}

ProblemFile FileActions::WindowProblem() const {
  ProblemFile problem;
  problem.n = form_.NVars()->value();
  problem.m = form_.NCons()->value();
  problem.maximum = form_.Maximum()->isChecked();
  problem.details = form_.Details()->isChecked();
  problem.digits = form_.Digits()->value();
  for (int c = 1; c <= problem.n; ++c) problem.objective.push_back(Bytes(form_.ZF().Text(c, 1)));
  for (int r = 1; r <= problem.m; ++r) {
    std::vector<std::string> row;
    for (int c = 1; c <= problem.n + 2; ++c) row.push_back(Bytes(form_.NB().Text(c, r)));
    problem.constraints.push_back(std::move(row));
  }
  return problem;
}

bool FileActions::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return QObject::eventFilter(watched, event);
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &form_) return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const QList<QUrl> urls = drop->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return QObject::eventFilter(watched, event);
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    const QString path = urls.first().toLocalFile();
    // After the drag has ended: the question and the messages are dialogs.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
          if (MayDiscard()) OpenFile(path);
        },
        Qt::QueuedConnection);
  }
  return true;
}

}  // namespace pivora
