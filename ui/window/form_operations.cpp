// TForm1's window operations: the narrow surface through which the shared
// handlers read and write the widgets.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/window/file_actions.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"

namespace pivora {

int TForm1::NVarsValue() const { return NVars_->value(); }
int TForm1::NVarsMaximum() const { return NVars_->maximum(); }
int TForm1::NConsValue() const { return NCons_->value(); }
int TForm1::NConsMaximum() const { return NCons_->maximum(); }
int TForm1::DigitsValue() const { return Digits_->TextValue(); }
bool TForm1::MaximumChecked() const { return Maximum_->isChecked(); }
bool TForm1::DetailsChecked() const { return Details_->isChecked(); }
ReportViews TForm1::Views() const { return Sol_->Views(); }

std::string TForm1::ObjectiveConstant() const {
  const std::optional<ModelLegend>& legend = commands_->Files().Legend();
  return legend ? legend->objectiveConstant : std::string();
}

void TForm1::SolClear() { Sol_->Clear(); }
void TForm1::SolAppendLine(std::string_view line) { Sol_->AppendLine(line); }
void TForm1::SolAppendLines(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::string text;
  for (const std::string& line : lines) text.append(line).push_back('\n');
  text.pop_back();
  Sol_->AppendLine(text);
}
void TForm1::SolTakeFocus() { Sol_->setFocus(Qt::OtherFocusReason); }

void TForm1::SetFooterText(std::string_view text) {
  Footer_->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  Footer_->adjustSize();
}

}  // namespace pivora
