// The open side of the reading file: "&Open Previously Saved Reading" turns a file into the
// birth-data form's values; the form then shows them and calculates.
#pragma once

#include <QString>

#include "birth/form_values.h"

class QWidget;

namespace quendal {

// Asks for a reading file and applies it to values (the form's current contents). True when
// the form should now take values and run the calculation, as "Get My Natal &Chart" does.
bool OpenReading(QWidget* parent, FormValues& values);

// Applies the file at path to values without a dialog. A refused or unreadable file shows
// "Please Check The File." and leaves values as they were; the result is then false.
bool LoadReading(QWidget* parent, const QString& path, FormValues& values);

}  // namespace quendal
