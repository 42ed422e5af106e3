#include "birth/filtered_line_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include "birth/validation.h"
#include "ui_common/message_box.h"

namespace quendal {

namespace {

// What an edit put in: the new text less the prefix and suffix it shares with the old one.
QStringView InsertedText(const QString& before, const QString& after) {
  qsizetype prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
    ++prefix;
  }
  qsizetype suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  return QStringView(after).mid(prefix, after.size() - prefix - suffix);
}

}  // namespace

// Typed characters are refused in keyPressEvent, before they reach the text. Everything else
// that inserts text (paste, drop, middle-click, input methods) ends in the validator, which
// refuses the edit when what it brings in holds a character the filter would have refused.
// Text the program placed earlier may hold such characters; it does not open the door to more.
class FilterValidator : public QValidator {
 public:
  explicit FilterValidator(FilteredLineEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int&) const override {
    // Text the program puts there (setText) is not filtered; it resets the modified flag.
    if (!edit_->isModified()) return Acceptable;
    if (edit_->Passes(InsertedText(edit_->accepted_text_, input))) return Acceptable;
    if (!edit_->refusal_pending_) {
      edit_->refusal_pending_ = true;
      // The message waits until the edit has been undone: a modal box inside the field's own
      // edit would run an event loop over a half-changed control.
      QMetaObject::invokeMethod(edit_, "Refuse", Qt::QueuedConnection);
    }
    return Invalid;
  }

 private:
  FilteredLineEdit* edit_;
};

FilteredLineEdit::FilteredLineEdit(Filter filter, QWidget* parent)
    : QLineEdit(parent), filter_(filter) {
  setValidator(new FilterValidator(this));
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { accepted_text_ = text; });
}

bool FilteredLineEdit::Passes(QStringView text) const {
  for (char32_t code : text.toUcs4()) {
    const bool passes =
        filter_ == Filter::Letters ? PassesLettersFilter(code) : PassesDigitsFilter(code);
    if (!passes && !also_allowed_.contains(QString::fromUcs4(&code, 1))) return false;
  }
  return true;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  // Shortcuts (copy, paste, undo, select all) are no characters; what a paste brings in is
  // checked by the validator. Enter and Escape are no characters either: they go on to the
  // window, where Enter presses the default button.
  const bool is_shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  const int key = event->key();
  const bool is_command_key =
      key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  if (text.isEmpty() || is_shortcut || is_command_key || Passes(text)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  refusal_pending_ = true;
  Refuse();
}

void FilteredLineEdit::Refuse() {
  refusal_pending_ = false;
  if (filter_ == Filter::Letters) {
    ShowMessage(this, QString::fromUtf8(kOnlyLettersMessage), MessageIcon::Stop);
    setFocus();
  } else {
    ShowMessage(this, QString::fromUtf8(kOnlyNumbersMessage), MessageIcon::Stop);
  }
}

}  // namespace quendal
