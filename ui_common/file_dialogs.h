// The open, save and print dialogs, behind one seam the tests answer, like message boxes.
#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace quendal {

struct FileDialogRequest {
  enum class Kind { Open, Save } kind = Kind::Save;
  QString title;
  QString filter;          // Qt form: "Quendal (*.kdl)"
  QString default_suffix;  // without the dot: "kdl"
  QString initial_path;    // pre-filled file name, may be empty
  bool confirm_overwrite = true;
};

// Returns the chosen path, or an empty string when the user cancels.
QString AskFileName(QWidget* parent, const FileDialogRequest& request);

using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;
void SetFileDialogHandler(FileDialogHandler handler);

// Shows the print dialog for printer with the given options switched off; true on OK.
struct PrintDialogRequest {
  bool allow_print_to_file = false;
  bool allow_page_range = false;
};
bool RunPrintDialog(QWidget* parent, QPrinter& printer, const PrintDialogRequest& request);

// True when the system has a printer to offer; asked before the print dialog opens.
bool AnyPrinterInstalled();
using PrinterCheck = std::function<bool()>;
void SetPrinterCheck(PrinterCheck check);

// Tests set up the printer (a PDF file, say) and answer true, or answer false to cancel.
using PrintDialogHandler = std::function<bool(QPrinter&, const PrintDialogRequest&)>;
void SetPrintDialogHandler(PrintDialogHandler handler);

}  // namespace quendal
