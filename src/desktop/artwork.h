#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zrk {

// The console's pictures, drawn from the SVG sources under resources/art (built into the
// program) at the size and the screen scale asked for, so that they stay crisp on every screen.

// The natural size of a named picture in logical pixels (its drawing's view box); an empty size
// when the console has no picture of that name.
QSize artSize(const QString& name);

// A named picture ("BTN_BBSZ_2", ...) drawn at `size` logical pixels for a screen of
// `devicePixelRatio` device pixels per logical pixel; a null pixmap when there is no picture of
// that name or the size is empty.
QPixmap artPixmap(const QString& name, const QSize& size, qreal devicePixelRatio);

// The named picture at its natural size.
QPixmap artPixmap(const QString& name, qreal devicePixelRatio);

// The hand cursor "HAND" over the board's links; the system's pointing hand when the console has
// no drawing of it.
QCursor handCursor();

} // namespace zrk
