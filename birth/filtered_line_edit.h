// A text field that lets only the characters of one filter in, whether they are typed,
// pasted, dropped or composed; a refused character leaves the text as it was and tells the
// user why.
#pragma once

#include <QLineEdit>

namespace quendal {

class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  enum class Filter { Letters, Digits };

  FilteredLineEdit(Filter filter, QWidget* parent = nullptr);

  bool Passes(QStringView text) const;
  // Characters that pass besides the filter's own (the city field's comma narrows the search
  // of places).
  void AlsoAllow(const QString& characters) { also_allowed_ = characters; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void Refuse();

 private:
  friend class FilterValidator;

  Filter filter_;
  QString also_allowed_;
  QString accepted_text_;  // the text before the edit now being checked
  bool refusal_pending_ = false;
};

}  // namespace quendal
