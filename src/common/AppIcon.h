#pragma once

#include <QIcon>

// The program's icon, made once for the run: every window and About block
// shares it, so its rendered sizes are drawn only once.
const QIcon& AppIcon();
