#pragma once
// A label drawn into an image, as the label view shows it: what `mirn-cli render` writes
// and what the screenshot tests look at.

#include <QImage>
#include <vector>

#include "panel/LabelPainter.h"

namespace mirn {

class CDDFTemplate;
class LabelFieldTexts;

// The label at a zoom on an image of `dpi` dots per inch, sized as the label window.
QImage RenderLabelImage(const CDDFTemplate& layout, LabelFieldTexts& texts,
                        const std::vector<LabelGraphic>& graphics, int zoom, int dpi = 96);

// Makes sure a Qt GUI application exists (fonts and image drawing need one), on the
// off-screen platform when no display was chosen. Safe to call more than once.
void EnsureGuiApplication();

}  // namespace mirn
