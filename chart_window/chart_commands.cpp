#include "chart_window/chart_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QVariant>
#include <algorithm>

#include "birth/reading_file.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/jpeg_naming.h"
#include "chart_window/text_export.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/month_name.h"
#include "ui_common/safe_save.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

// The JPEG dialog keeps its last name while the chart window is open.
constexpr char kJpegDialogName[] = "quendalJpegDialogName";

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

void SetFieldText(QWidget* chart_child, const char* name, const std::string& text) {
  if (QWidget* field = chart_child->findChild<QWidget*>(name)) {
    field->setProperty("text", QDir::toNativeSeparators(QString::fromStdString(text)));
  }
}

// A menu caption as the user reads it: "Save As P&DF" is "Save As PDF", "&&" one "&".
QString PlainCaption(QString caption) {
  caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
  // A translation carries its key after the text: "PDF के रूप में सहेजें (&D)".
  caption.remove(QRegularExpression(QStringLiteral("\\s*\\(&\\w\\)")));
  caption.remove(QLatin1Char('&'));
  // An item that opens a dialog ends in "..."; the sentence brings its own full stop.
  if (caption.endsWith(QLatin1String("..."))) caption.chop(3);
  return caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

}  // namespace

QString NoPrinterText(const QWidget* window, const QString& what, const char* pdf_item) {
  QString text = TrText("MDI", "No printer is installed, so the %1 cannot be printed.").arg(what);
  const QAction* pdf = window ? window->findChild<QAction*>(QLatin1String(pdf_item)) : nullptr;
  if (pdf) {
    QString menu = TrText("MDI", "File");
    for (const QObject* holder : pdf->associatedObjects()) {
      if (const auto* owner = qobject_cast<const QMenu*>(holder)) menu = owner->title();
    }
    text += TrText("MDI", " To keep it as a file, choose %1 > %2.")
                .arg(PlainCaption(menu), PlainCaption(pdf->text()));
  }
  return text;
}

QString WithExtension(const QString& path, const QString& extension) {
  if (path.isEmpty()) return path;
  const qsizetype name_start = path.lastIndexOf(QLatin1Char('/')) + 1;
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  // A dot that begins the name (".reading") marks a hidden file, not an extension.
  const QString stem = dot > name_start ? path.left(dot) : path;
  return stem + QLatin1Char('.') + extension;
}

QString SaveReadingAs(QWidget* parent, ChartSession& session) {
  FileDialogRequest request;
  request.title = kApplicationTitle;
  request.filter = TrText("MDI", "Quendal (*.kdl)");
  request.default_suffix = QStringLiteral("kdl");
  request.initial_path = WithExtension(session.LastFileName, request.default_suffix);
  const QString path = AskFileName(parent, request);
  if (path.isEmpty()) return {};
  session.LastFileName = path;
  const QByteArray bytes = Bytes(EncodeReading(session.birth_data, session.zone_row));
  return SaveBytesSafely(parent, path, bytes) ? path : QString();
}

QString ExportChartAsText(QWidget* parent, ChartSession& session) {
  FileDialogRequest request;
  request.title = TrText("MDI", "Select the destination text file ");
  request.filter = TrText("MDI", "Export Chart As Text (*.txt)");
  request.default_suffix = QStringLiteral("txt");
  request.initial_path = WithExtension(session.LastFileName, request.default_suffix);
  const QString path = AskFileName(parent, request);
  if (path.isEmpty()) return {};
  session.LastFileName = path;

  const BirthData& birth = session.birth_data;
  const std::string text =
      ExportChartText(birth, session.chart, LongMonthName(birth.BirthMonth).toStdString());
  return SaveBytesSafely(parent, path, Bytes(text)) ? path : QString();
}

QString SaveChartAsJpeg(QWidget* parent, frmDisplay* chart_child) {
  FileDialogRequest request;
  request.title = TrText("MDI", "Save As");
  request.filter = TrText("MDI", "JPEG Image (*.jpg)");
  request.default_suffix = QStringLiteral("jpg");
  // An existing image is never replaced (the save picks a free _NNN name), so no prompt.
  request.confirm_overwrite = false;
  if (parent) request.initial_path = parent->property(kJpegDialogName).toString();
  const QString path = AskFileName(parent, request);
  if (path.isEmpty() || !chart_child) return {};
  if (parent) parent->setProperty(kJpegDialogName, path);
  QImage snapshot = chart_child->Snapshot();
  if (snapshot.isNull()) snapshot = chart_child->grab().toImage();
  QString written;
  return SaveFormAsJpeg(chart_child, snapshot, path, true, &written) ? written : QString();
}

bool SaveFormAsJpeg(QWidget* chart_child, const QImage& snapshot, const QString& requested_path,
                    bool update_file_field, QString* written_path) {
  const std::string wanted =
      WantedJpegPath(QDir::fromNativeSeparators(requested_path).toStdString());
  std::string folder;
  std::string file_name;
  SplitPath(wanted, folder, file_name);
  if (update_file_field) SetFieldText(chart_child, "txtFile", file_name);

  JpegNameContext context;
  context.program_folder = QCoreApplication::applicationDirPath().toStdString();
  context.too_many_copies = [chart_child](const std::string& name) {
    ShowMessage(chart_child, QString::fromStdString(TooManyCopiesText(name)), MessageIcon::Critical,
                MessageButtons::Ok, QString::fromStdString(TooManyCopiesTitle(name)));
  };
  const std::string path = UniqueJpegName(folder, file_name, context);
  if (path.empty()) return false;
  SplitPath(path, folder, file_name);
  SetFieldText(chart_child, "txtFolder", folder);
  const QString written = QString::fromStdString(path);
  if (!SaveJpegSafely(chart_child, written, snapshot)) return false;
  if (written_path) *written_path = written;
  return true;
}

void PrintChart(QWidget* parent, frmDisplay* chart_child) {
  if (!AnyPrinterInstalled()) {
    ShowMessage(parent, NoPrinterText(parent ? parent->window() : nullptr, QStringLiteral("chart")),
                MessageIcon::Information);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!RunPrintDialog(parent, printer, PrintDialogRequest{}) || !chart_child) return;

  QPainter painter;
  if (!painter.begin(&printer)) {
    ShowMessage(parent, TrText("MDI", "The chart could not be printed."), MessageIcon::Stop);
    return;
  }
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  painter.fillRect(page, Qt::white);
  DrawChartPage(painter, chart_child->Page(), page);
  painter.end();
}

}  // namespace quendal
