// The items of View > Divisional Charts that the window's design lacks: the birth chart and the
// ten divisions beyond its six, placed so that the menu runs D1 to D60.
#pragma once

#include <QObject>
#include <QtGlobal>
#include <array>
#include <functional>

class QMenu;
class QWidget;

namespace quendal {

struct DivisionItem {
  const char* name;
  int division;
  const char* caption;  // nullptr: the design's own item, which stays as it is
};

// Menu order; the design's items mark the places the others go between.
inline constexpr std::array<DivisionItem, 16> kDivisionItems = {{
    {"mnuSub_Rashi", 1, QT_TRANSLATE_NOOP("MDI", "&Birth Chart")},
    {"mnuSub_Hora", 2, nullptr},
    {"mnuSub_Drekkana", 3, nullptr},
    {"mnuSub_Chaturthamsha", 4, QT_TRANSLATE_NOOP("MDI", "&Chaturthamsha")},
    {"mnuSub_Sapthamsa", 7, nullptr},
    {"mnuSub_Navamsa", 9, nullptr},
    {"mnuSub_Dasamsa", 10, nullptr},
    {"mnuSub_Dwadasamsa", 12, nullptr},
    {"mnuSub_Shodashamsha", 16, QT_TRANSLATE_NOOP("MDI", "Sh&odashamsha")},
    {"mnuSub_Vimshamsha", 20, QT_TRANSLATE_NOOP("MDI", "&Vimshamsha")},
    {"mnuSub_Chaturvimshamsha", 24, QT_TRANSLATE_NOOP("MDI", "Cha&turvimshamsha")},
    {"mnuSub_Saptavimshamsha", 27, QT_TRANSLATE_NOOP("MDI", "Saptav&imshamsha")},
    {"mnuSub_Trimshamsha", 30, QT_TRANSLATE_NOOP("MDI", "T&rimshamsha")},
    {"mnuSub_Khavedamsha", 40, QT_TRANSLATE_NOOP("MDI", "&Khavedamsha")},
    {"mnuSub_Akshavedamsha", 45, QT_TRANSLATE_NOOP("MDI", "Akshav&edamsha")},
    {"mnuSub_Shashtiamsha", 60, QT_TRANSLATE_NOOP("MDI", "Shashtia&msha")},
}};

// Adds the missing items to `menu`; choosing one calls show with its division.
void AddDivisionItems(QMenu* menu, QObject* owner, const std::function<void(int)>& show);

// Checks the added item of `division` and unchecks the other added ones.
void CheckDivisionItems(const QWidget* window, int division);

}  // namespace quendal
