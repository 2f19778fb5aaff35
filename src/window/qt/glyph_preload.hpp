#pragma once

#include <QStringView>

class QWidget;

namespace torvanel {

// Loads the glyphs of `characters` in the widget's font into the toolkit's glyph
// cache, at every sub-pixel position they can be drawn at, by painting them into an
// image nobody sees. Loading a glyph from the font file costs more than a whole
// calculation, so a result's first paint would otherwise pay for it.
void preload_glyphs(const QWidget& widget, QStringView characters);

} // namespace torvanel
