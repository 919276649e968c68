#pragma once

#include "AppState.h"
#include "CMainFrame.h"
#include "CScaleKeyBar.h"
#include "CUpDown.h"
#include "CommandId.h"
#include "ControlId.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

// Runs a test case in a fresh, empty working folder and returns to the previous one afterwards.
class ScopedWorkDir
{
public:
    ScopedWorkDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScopedWorkDir() { QDir::setCurrent(m_previous); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Answers the next message box with OK and remembers its title, text and icon.
class MessageBoxAnswer
{
public:
    MessageBoxAnswer()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                m_timer.stop();
                box->accept();
            }
        });
        m_timer.start();
    }
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QTimer m_timer;
};

// Shows the window and waits until it is on screen; false if it never gets there.
inline bool ShowAndWait(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// Switches the frame to the five-string banjo and applies the configuration.
inline void ConfigureBanjo(AppState& state, CMainFrame& frame)
{
    state.settings.instrument = Instrument::Banjo;
    state.settings.stringCount = 5;
    frame.ApplyConfiguration();
}

// The text of the frame's read-only field with the id.
inline QString Text(CMainFrame& frame, ControlId id)
{
    return FindById<QLineEdit>(&frame, id)->text();
}

// The seven tuning labels of the ScaleKey bar, top row first.
inline QStringList TuningLabels(CMainFrame& frame)
{
    QStringList labels;
    for (int row = 0; row < CScaleKeyBar::kTuningRows; ++row) {
        labels << Text(frame, TuningLabelId(row));
    }
    return labels;
}

// Clicks the "up" or "down" arrow of the spin with the id, times times.
inline void ClickArrow(CMainFrame& frame, ControlId spinId, const char* arrow, int times = 1)
{
    auto* button = FindById<CUpDown>(&frame, spinId)->findChild<QToolButton*>(arrow);
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}
