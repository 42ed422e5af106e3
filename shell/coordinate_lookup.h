// The coordinate lookup of the birth-data form: checks that the place is filled in, then
// opens a web search for its latitude and longitude in the default browser.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace quendal {

// The search page for a query; every character outside letters, digits and "-._~" is
// percent-encoded (UTF-8), so blanks, "&" or "#" in a place name reach the search intact.
QUrl CoordinateLookupUrl(const QString& query);

// Reads the line edits txtCity, txtState and txtCountry of form. An empty field is reported
// with a stop message and gets the focus; otherwise the search opens. Returns whether it
// did. The fields are never changed.
bool LookUpCoordinates(QWidget* form);

}  // namespace quendal
