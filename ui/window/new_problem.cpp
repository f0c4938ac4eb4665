#include "ui/window/new_problem.h"

#include "ui/window/edit_history.h"
#include "ui/window/file_actions.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_snapshot.h"

namespace pivora {

bool NewProblem(TForm1& form) {
  FileActions& files = form.Commands().Files();
  if (!files.MayDiscard()) return false;
  form.Commands().History().Record(
      [&form] {
        const WindowSnapshot now = CaptureWindow(form, false);
        WindowSnapshot empty;
        empty.details = now.details;
        empty.digits = now.digits;
        ApplyToWindow(form, empty, true);
      },
      true);
  files.ForgetFile();
  return true;
}

}  // namespace pivora
