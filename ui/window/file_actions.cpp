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
#include <QTimer>
#include <QUndoStack>
#include <algorithm>

#include "files/file_error.h"
#include "files/file_stamp.h"
#include "solve/read_problem.h"
#include "ui/messages.h"
#include "ui/window/edit_history.h"
#include "ui/window/file_saving.h"
#include "ui/window/grid_model.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"
#include "ui/window/window_problem.h"
#include "ui/window/window_snapshot.h"

namespace pivora {
namespace {

const QString kTitle = QStringLiteral("Pivora");

QString Utf8(const std::string& text) { return QString::fromUtf8(text.c_str()); }

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Latin1List(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(Latin1(text));
  return list;
}

}  // namespace

FileActions::FileActions(TForm1& form, EditHistory& history)
    : QObject(&form), form_(form), history_(history) {
  form_.setAcceptDrops(true);
  qApp->installEventFilter(this);
  saved_[QString()] = WithDefaults(WindowProblem());
  history_.SetFileKeeper([this] { return CurrentFile(); },
                         [this](const FileState& file) { RestoreFile(file); });
  // The title follows every step; typing that merges into a step is caught
  // by the grids' changes, gathered into one update per turn of the loop.
  const auto later = [this] {
    if (titlePending_) return;
    titlePending_ = true;
    QTimer::singleShot(0, this, [this] { UpdateTitle(); });
  };
  connect(&history_.Stack(), &QUndoStack::indexChanged, this, later);
  connect(&form_.NBGrid()->Model(), &QAbstractItemModel::dataChanged, this, later);
  connect(&form_.ZFGrid()->Model(), &QAbstractItemModel::dataChanged, this, later);
}

bool FileActions::Modified() const {
  const auto saved = saved_.find(origin_);
  return saved == saved_.end() || !SameProblem(WithDefaults(WindowProblem()), saved->second);
}

void FileActions::UpdateTitle() {
  titlePending_ = false;
  // Closing asks about the changes of an untitled problem too.
  const QString name = origin_.isEmpty() ? QString() : QFileInfo(origin_).fileName();
  form_.setWindowTitle(Utf8(messages::WindowTitle(name.toStdString(), Modified())));
}

FileState FileActions::CurrentFile() const { return {path_, origin_, legend_}; }

void FileActions::RestoreFile(const FileState& file) {
  path_ = file.path;
  origin_ = file.origin;
  legend_ = file.legend;
  ShowLegend(legend_);
  UpdateTitle();
}

void FileActions::New() {
  if (!MayDiscard()) return;
  history_.RecordFileChange([this] {
    WindowSnapshot empty;
    empty.details = form_.Details()->isChecked();
    empty.digits = form_.Digits()->value();
    ApplyToWindow(form_, empty, true);
    path_.clear();
    origin_.clear();
    legend_.reset();
    ShowLegend(legend_);
    saved_[origin_] = WithDefaults(WindowProblem());
  });
  UpdateTitle();
}

FileActions::~FileActions() { qApp->removeEventFilter(this); }

void FileActions::ShowError(const QString& text) { ShowFileMessage(&form_, text); }

std::string FileActions::LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

void FileActions::Remember(const QString& path) {
  if (const std::optional<FileStamp> stamp = StampOf(LocalPath(path))) stamps_[path] = *stamp;
}

bool FileActions::OverwrittenElsewhere(const QString& path) const {
  const auto known = stamps_.find(path);
  if (path.isEmpty() || known == stamps_.end()) return false;
  const std::optional<FileStamp> now = StampOf(LocalPath(path));
  return now && *now != known->second;
}

void FileActions::Open() {
  if (!MayDiscard()) return;
  const QString path = QFileDialog::getOpenFileName(&form_, Utf8(messages::kOpenTitle),
                                                    QFileInfo(path_).path(),
                                                    Utf8(messages::kOpenFilter));
  if (!path.isEmpty()) OpenFile(path);
}

bool FileActions::Save() {
  if (path_.isEmpty()) return SaveAs();
  return SaveFile(path_);
}

bool FileActions::SaveAs() {
  QFileDialog dialog(&form_, Utf8(messages::kSaveTitle), path_, Utf8(messages::kSaveFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  // A problem file under a model's ending would be read back as a model.
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString path = dialog.selectedFiles().constFirst();
    if (!ModelFormatOfPath(LocalPath(path))) return WriteTo(path, true);
    ShowError(Utf8(messages::NotAModelName(ShownFileName(path).toStdString())));
  }
}

bool FileActions::OpenFile(const QString& path) {
  const std::string name = ShownFileName(path).toStdString();
  if (NameLostInDecoding(path)) {
    ShowError(Utf8(messages::NameNotUtf8(name)));
    return false;
  }
  const QByteArray localPath = QFile::encodeName(path);
  std::optional<ModelLegend> legend;
  ProblemFile problem;
  if (const std::optional<ModelFormat> format = ModelFormatOfPath(localPath.toStdString())) {
    ModelFileOutcome model = ReadModelFile(localPath.toStdString(), *format);
    if (model.kind != ModelFileOutcome::Kind::kRead) {
      ShowError(Utf8(messages::CannotOpenModel(name, model.message)));
      return false;
    }
    problem = std::move(model.problem);
    legend = std::move(model.legend);
  } else {
    const FileContent file = ReadWholeFile(localPath.toStdString());
    if (!file.read) {
      ShowError(Utf8(messages::CannotOpenFile(name, file.message)));
      return false;
    }
    ProblemFileOutcome read = ReadProblemFile(file.content);
    if (read.kind == ProblemFileOutcome::Kind::kMalformed) {
      ShowError(Utf8(messages::NotAProblem(name, read.line, read.germanMessage)));
      return false;
    }
    problem = std::move(read.problem);
  }
  history_.RecordFileChange([&] {
    ApplyToWindow(form_, SnapshotOf(problem, CaptureWindow(form_)), true);
    // A model is never overwritten with a problem file: Strg+S asks for a name.
    path_ = legend ? QString() : path;
    origin_ = path;
    legend_ = std::move(legend);
    ShowLegend(legend_);
    saved_[origin_] = WithDefaults(WindowProblem());
  });
  Remember(path);
  UpdateTitle();
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
    notes.append(Utf8(messages::kNotePrefix) + Latin1(note));
  zf.SetHeadingTips(variables, {notes.join(u'\n')});
}

bool FileActions::SaveFile(const QString& path) { return WriteTo(path, false); }

bool FileActions::WriteTo(const QString& path, bool asStep, bool confirmed) {
  if (!confirmed && OverwrittenElsewhere(path)) {
    const QString name = ShownFileName(path);
    // Saving elsewhere is the default: it loses nothing.
    switch (Ask(Utf8(messages::ChangedOnDisk(name.toStdString())),
                {{messages::kOverwrite, QMessageBox::DestructiveRole},
                 {messages::kSaveAs, QMessageBox::AcceptRole},
                 {messages::kCancel, QMessageBox::RejectRole}},
                1)) {
      case 0:
        break;
      case 1:
        return SaveAs();
      default:
        return false;
    }
  }
  const std::string text = WriteProblemFile(WindowProblem());
  if (!SaveBytes(&form_, path, QByteArray::fromStdString(text))) return false;
  Remember(path);
  const auto adopt = [&] {
    path_ = path;
    origin_ = path;
    saved_[origin_] = WithDefaults(WindowProblem());
  };
  if (asStep) {
    history_.RecordFileChange(adopt);
  } else {
    adopt();
  }
  UpdateTitle();
  emit fileUsed(path);
  return true;
}

int FileActions::Ask(const QString& question, std::initializer_list<AskButton> buttons,
                     int defaultButton) {
  QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::NoButton, &form_);
  std::vector<QPushButton*> added;
  for (const auto& [text, role] : buttons)
    added.push_back(box.addButton(QString::fromUtf8(text), role));
  box.setDefaultButton(added[static_cast<std::size_t>(defaultButton)]);
  box.setEscapeButton(added.back());
  box.exec();
  form_.activateWindow();
  const auto clicked = std::find(added.begin(), added.end(), box.clickedButton());
  return clicked == added.end() ? static_cast<int>(added.size()) - 1
                                : static_cast<int>(clicked - added.begin());
}

bool FileActions::MayDiscard() {
  const bool modified = Modified();
  // Unchanged here, but its file now holds another problem: this window
  // holds the only copy.
  const bool onlyCopy = !modified && OverwrittenElsewhere(path_);
  if (!modified && !onlyCopy) return true;
  const QString question =
      onlyCopy
          ? Utf8(messages::OnlyCopyLeft(ShownFileName(path_).toStdString()))
          : Utf8(messages::kSaveChanges);
  switch (Ask(question,
              {{messages::kSave, QMessageBox::AcceptRole},
               {messages::kDiscard, QMessageBox::DestructiveRole},
               {messages::kCancel, QMessageBox::RejectRole}},
              0)) {
    case 0:
      return onlyCopy ? WriteTo(path_, false, true) : Save();
    case 1:
      return true;
    default:
      return false;
  }
}

ProblemFile FileActions::WindowProblem() const { return pivora::WindowProblem(form_); }

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
