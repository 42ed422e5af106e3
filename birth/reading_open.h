// The open side of the reading file: "&Open Previously Saved Reading" fills the birth-data
// form from a file. The form's controls are found by their object names.
#pragma once

#include <QString>

#include "birth/reading_file.h"

class QWidget;

namespace quendal {

// Asks for a reading file and loads it into form. True when the caller should now run the
// calculation, as the button "Get My Natal &Chart" does.
bool OpenReading(QWidget* form);

// Loads the file at path into form without a dialog. A refused or unreadable file shows
// "Please Check The File." and leaves the form as it was; the result is then false.
bool LoadReadingIntoForm(QWidget* form, const QString& path);

// Writes fill into the form's controls in the order of the file's lines.
void ApplyReadingToForm(QWidget* form, const ReadingFormFill& fill);

}  // namespace quendal
