#pragma once

#include <QBrush>
#include <QRectF>

class QPainter;

// The toothed edge of a stamp: round holes punched along the four sides of the
// paper, filled with whatever lies behind the paper.
namespace Perforation {

// Holes of the given radius, about pitch apart, centred on the paper's edges.
// The spacing is stretched a little so that every side ends on a hole.
void punch(QPainter &painter, const QRectF &paper, qreal pitch, qreal radius, const QBrush &behind);

} // namespace Perforation
