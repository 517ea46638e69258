#pragma once
// Pictures of the program, drawn in code so they stay sharp at every density.
#include <QIcon>
#include <QPixmap>

namespace wattora {

enum class Artwork { Splash, WelcomeStrip, About, Background, Question, FanChoice, PumpChoice };

QPixmap DrawArtwork(Artwork kind, QSize size);
QPixmap DrawStepSquare(int step, int side = 22);
enum class ToolIcon { New, Open, Save, Active };
QIcon DrawToolIcon(ToolIcon kind);

}  // namespace wattora
