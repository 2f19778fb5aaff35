#pragma once

class QLocale;

namespace torvanel {

// Qt's own texts (an entry box's menu, a message box's buttons) in the locale's
// language, from the translations installed with Qt; a language without them keeps
// English. Once per program, before the window is built.
void load_qt_translations(const QLocale& locale);

} // namespace torvanel
