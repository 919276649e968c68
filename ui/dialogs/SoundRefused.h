#pragma once

class QWidget;

/// Tells the user that the sound card took no more requests (its queue is full), so the sound
/// they asked for was not started, changed or stopped.
void ShowSoundRefused(QWidget* parent);
