#include "InfoBox.h"

#include <QMessageBox>

void ShowInfo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}
