#pragma once

#include <QIcon>
#include <QString>

// An icon drawn from an SVG file by the program's own renderer, at the size
// asked for. Unlike QIcon(fileName), it needs no icon-engine or image-format
// plugin, whose loading would hold up the window's first showing.
QIcon svgIcon(const QString& path);
