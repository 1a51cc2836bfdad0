#pragma once
// The two small pictures of the "Sim"/"Não" columns (the window's image list):
// picture 0 marks "Não", picture 1 marks "Sim".
#include <QPixmap>
#include <QString>

namespace app {

inline constexpr int kMarkSize = 16;
// Where the picture goes, from the cell's top-left corner.
inline constexpr int kMarkOffsetX = 25;
inline constexpr int kMarkOffsetY = 4;

// Picture 0: a red square with a white cross.
const QPixmap& noMark();
// Picture 1: a green disc with a white tick.
const QPixmap& yesMark();
// The picture for a cell text: "Não" and "Sim"; none (null) for any other text.
const QPixmap* markFor(const QString& text);

}  // namespace app
