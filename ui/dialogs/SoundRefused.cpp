#include "SoundRefused.h"

#include "InfoBox.h"

void ShowSoundRefused(QWidget* parent)
{
    ShowWarning(parent, QStringLiteral("Pinto2"),
                QStringLiteral("The sound card is not answering, so the sound did not change."));
}
