#include "ui_common/file_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

namespace quendal {
namespace {

FileDialogHandler& InstalledFileHandler() {
  static FileDialogHandler handler;
  return handler;
}

PrintDialogHandler& InstalledPrintHandler() {
  static PrintDialogHandler handler;
  return handler;
}

PrinterCheck& InstalledPrinterCheck() {
  static PrinterCheck check;
  return check;
}

}  // namespace

QString AskFileName(QWidget* parent, const FileDialogRequest& request) {
  if (InstalledFileHandler()) return InstalledFileHandler()(request);

  QFileDialog dialog(parent, request.title);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.default_suffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (request.kind == FileDialogRequest::Kind::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirm_overwrite);
  }
  if (!request.initial_path.isEmpty()) dialog.selectFile(request.initial_path);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void SetFileDialogHandler(FileDialogHandler handler) {
  InstalledFileHandler() = std::move(handler);
}

bool RunPrintDialog(QWidget* parent, QPrinter& printer, const PrintDialogRequest& request) {
  if (InstalledPrintHandler()) return InstalledPrintHandler()(printer, request);

  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, request.allow_print_to_file);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.allow_page_range);
  if (!request.allow_page_range) {
    // One page only. Qt's own dialog shows its page fields all the same; they are hidden
    // once it is up, and where that fails they cannot leave page 1.
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    dialog.setMinMax(1, 1);
    QTimer::singleShot(0, &dialog, [&dialog] {
      if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
    });
  }
  return dialog.exec() == QDialog::Accepted;
}

bool AnyPrinterInstalled() {
  if (InstalledPrinterCheck()) return InstalledPrinterCheck()();
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void SetPrinterCheck(PrinterCheck check) { InstalledPrinterCheck() = std::move(check); }

void SetPrintDialogHandler(PrintDialogHandler handler) {
  InstalledPrintHandler() = std::move(handler);
}

}  // namespace quendal
