#include "game_state.h"

bool IsComputerPlayer(const QString& name)
{
    return name.contains(QStringLiteral("(CPU)"));
}
